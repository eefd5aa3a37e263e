#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <system_error>
#include <stdlib.h>

class UpdateTempDir {
public:
    UpdateTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvelm_update_XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~UpdateTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    UpdateTempDir(const UpdateTempDir&) = delete;
    UpdateTempDir& operator=(const UpdateTempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    std::filesystem::path path_;
};
