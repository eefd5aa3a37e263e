#pragma once
// A temporary folder for one test (or one run), removed with everything in it at the end,
// with helpers to write and read a file's bytes. On request it becomes the user's data and
// settings home (XDG_DATA_HOME, XDG_CONFIG_HOME); every variable it sets or removes is
// restored when it goes away.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

// The bytes of a file (empty when it cannot be read).
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Replaces a file with `bytes` (nothing when its folder is missing or not writable).
inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class TempFolder {
public:
    // A new folder kvelm_XXXXXX below `base` (the system's temporary folder by default).
    // Path() is empty when it could not be made.
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string pattern = (base / "kvelm_XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        RestoreEnv();
        if (path_.empty()) return;
        // A test may have taken the write permission away to make a save fail.
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
            if (entry.is_directory(ec))
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool IsValid() const { return !path_.empty(); }
    const std::filesystem::path& Path() const { return path_; }
    // The path of `name` in the folder, as text.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Writes `bytes` to `name` (in the folder; an absolute path as it stands); returns the
    // file's path.
    std::string Put(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = path_ / name;
        WriteFileBytes(path, bytes);
        return path.string();
    }
    // The bytes of `name` (in the folder; an absolute path as it stands).
    std::string Read(const std::string& name) const { return ReadFileBytes(path_ / name); }

    // The names of the entries directly in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(path_, ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Sets an environment variable until the folder goes away.
    void SetEnv(const std::string& name, const std::string& value) {
        Save(name);
        setenv(name.c_str(), value.c_str(), 1);
    }
    // Removes an environment variable until the folder goes away.
    void UnsetEnv(const std::string& name) {
        Save(name);
        unsetenv(name.c_str());
    }

    // Gives every variable set or removed through the folder its earlier value now, for a
    // test that must go on without them while the folder stays.
    void RestoreEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
        saved_.clear();
    }

    // Points XDG_DATA_HOME at <folder>/data and XDG_CONFIG_HOME at <folder>/config (both
    // made) until the folder goes away.
    void UseAsUserHome() {
        for (const char* sub : {"data", "config"}) std::filesystem::create_directories(path_ / sub);
        SetEnv("XDG_DATA_HOME", (path_ / "data").string());
        SetEnv("XDG_CONFIG_HOME", (path_ / "config").string());
    }

private:
    // Keeps the value `name` had before the folder first changed it.
    void Save(const std::string& name) {
        const bool known =
            std::any_of(saved_.begin(), saved_.end(), [&](const auto& saved) { return saved.first == name; });
        if (known) return;
        const char* old = getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    }

    std::filesystem::path path_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
