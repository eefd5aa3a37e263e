#pragma once
// A temporary user data home (XDG_DATA_HOME) and program folder for profile tests, with
// helpers to put JSON files there and read them back as bytes.
#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <string>

#include "profiles/profile_paths.h"
#include "temp_folder.h"
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
        ASSERT_TRUE(temp_.IsValid());
        root_ = temp_.Path();
        temp_.SetEnv("XDG_DATA_HOME", (root_ / "data").string());
        std::filesystem::create_directories(root_ / "program" / "DefaultData");
        userFolder_ = DeviceUserFolder("mouse");
        defaultPath_ = DefaultDataFile((root_ / "program").string(), "mouse");
        profilePath_ = ProfileFile(userFolder_, "2024_03_07_09_05_02_045");
    }
    // The folder and XDG_DATA_HOME go with the fixture.
    void TearDown() override { SetAtomicWriteByteLimitForTest(-1); }

    static void Put(const std::string& path, const std::string& bytes) { WriteFileBytes(path, bytes); }
    static std::string Slurp(const std::string& path) { return ReadFileBytes(path); }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    // The document as stored on disk (null when missing or broken).
    static Json::Value OnDisk(const std::string& path) { return CJsonFile().ReadJsonFile(path); }

    TempFolder temp_;
    std::filesystem::path root_;
    std::string userFolder_;
    std::string defaultPath_;
    std::string profilePath_;
};
