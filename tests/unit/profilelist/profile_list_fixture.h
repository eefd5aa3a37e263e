#pragma once
// A temporary user data home (XDG_DATA_HOME) and program folder (KVELM_DATA_DIR) with small
// default data files, a profile list on the "mouse" folder driven by a clock the test sets,
// and helpers to read the files back.
#include <gtest/gtest.h>
#include <json/json.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "profiles/profile_list.h"
#include "profiles/profile_paths.h"
#include "temp_folder.h"
#include "util/json_file.h"

inline Json::Value ParseJson(const std::string& text) {
    Json::Value root;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, root)) << text;
    return root;
}

// 7 March 2024, 09:05:02.045 local time.
inline std::chrono::system_clock::time_point FixedInstant() {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 7;
    local.tm_hour = 9;
    local.tm_min = 5;
    local.tm_sec = 2;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local)) + std::chrono::milliseconds(45);
}

constexpr char kMouseDefaults[] = R"({"Device": [{"LightInfo": {"SelectItem": 1, "Light": 4},
  "DPIStages": {"StageActive": 2}, "KeyList": [{"Assignment": 65792, "DefaultAssignment": 65792}]}],
  "Extra": "kept"})";
constexpr char kHeadsetDefaults[] = R"({"Device": [{"SystemSetStages": {"EqType": 1},
  "CustomEQNameInfo": [], "CustomEQHzValueInfo": []}]})";

class ProfileListFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.IsValid());
        root_ = temp_.Path();
        temp_.SetEnv("XDG_DATA_HOME", (root_ / "data").string());
        temp_.SetEnv("KVELM_DATA_DIR", (root_ / "program").string());
        std::filesystem::create_directories(root_ / "program" / "DefaultData");
        Put(DefaultDataFile(ProgramFolder(), "mouse"), kMouseDefaults);
        Put(DefaultDataFile(ProgramFolder(), "HD"), kHeadsetDefaults);
        now_ = FixedInstant();
        Configure(list_, 2, "mouse");
    }
    // The folder and the variables go with the fixture.
    void TearDown() override { SetAtomicWriteByteLimitForTest(-1); }

    static std::string ProgramFolder() { return getenv("KVELM_DATA_DIR"); }

    // A list on a device folder whose clock is the fixture's now_, advanced by one second per
    // reading so that ordinary creations get distinct stamps unless a test freezes it.
    void Configure(CProfileList& list, int kind, const std::string& deviceFolder) {
        list.SetDeviceKind(kind);
        list.SetDeviceFolder(ProgramFolder(), deviceFolder);
        list.SetClock([this] {
            const auto when = now_;
            if (!frozen_) now_ += std::chrono::seconds(1);
            return when;
        });
    }

    static void Put(const std::string& path, const std::string& bytes) { WriteFileBytes(path, bytes); }
    static std::string Slurp(const std::string& path) { return ReadFileBytes(path); }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    static Json::Value OnDisk(const std::string& path) { return CJsonFile().ReadJsonFile(path); }

    std::string ListPath() const { return ProfileListFile(list_.UserFolder()); }
    Json::Value ListOnDisk() const { return OnDisk(ListPath()); }
    Json::Value ProfileOnDisk(int index) const { return OnDisk(list_.ProfilePathAt(index)); }
    // The names as the list file holds them, in order.
    std::vector<std::string> NamesOnDisk() const {
        std::vector<std::string> names;
        const Json::Value list = ListOnDisk();
        for (const Json::Value& entry : list["profilelist"]) names.push_back(entry["profilename"].asString());
        return names;
    }
    std::vector<std::string> NamesInMemory() const {
        std::vector<std::string> names;
        for (const ProfileEntry& entry : list_.Entries()) names.push_back(entry.name);
        return names;
    }
    // The *.Json files of the user folder.
    std::vector<std::string> ProfileFiles() const {
        std::vector<std::string> files;
        for (const auto& item : std::filesystem::directory_iterator(list_.UserFolder())) {
            if (item.path().extension() == ".Json") files.push_back(item.path().filename().string());
        }
        std::sort(files.begin(), files.end());
        return files;
    }
    // Init, then renames so that the list holds exactly these names.
    void MakeProfiles(const std::vector<std::string>& names) {
        ASSERT_EQ(list_.Init(), kProfileDone);
        for (size_t i = 1; i < names.size(); ++i) ASSERT_EQ(list_.NewProfile(), kProfileDone);
        for (size_t i = 0; i < names.size(); ++i)
            ASSERT_EQ(list_.RenameProfile(static_cast<int>(i), names[i]), kProfileDone);
    }

    TempFolder temp_;
    std::filesystem::path root_;
    std::chrono::system_clock::time_point now_;
    bool frozen_ = false;
    CProfileList list_;
};
