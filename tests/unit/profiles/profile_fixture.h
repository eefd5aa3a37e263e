#pragma once
// A temporary user data home (XDG_DATA_HOME) and program folder for profile tests, with
// helpers to put JSON files there and read them back as bytes.
#include <gtest/gtest.h>
#include <json/json.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "profiles/profile_paths.h"
#include "util/json_file.h"

inline Json::Value ParseJson(const std::string& text) {
    Json::Value root;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, root)) << text;
    return root;
}

class ProfileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvelm_profiles_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        const char* old = getenv("XDG_DATA_HOME");
        hadXdg_ = old != nullptr;
        if (old) oldXdg_ = old;
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        std::filesystem::create_directories(root_ / "program" / "DefaultData");
        userFolder_ = DeviceUserFolder("mouse");
        defaultPath_ = DefaultDataFile((root_ / "program").string(), "mouse");
        profilePath_ = ProfileFile(userFolder_, "2024_03_07_09_05_02_045");
    }
    void TearDown() override {
        SetAtomicWriteByteLimitForTest(-1);
        if (hadXdg_)
            setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    // The document as stored on disk (null when missing or broken).
    static Json::Value OnDisk(const std::string& path) { return CJsonFile().ReadJsonFile(path); }

    std::filesystem::path root_;
    std::string userFolder_;
    std::string defaultPath_;
    std::string profilePath_;

private:
    bool hadXdg_ = false;
    std::string oldXdg_;
};
