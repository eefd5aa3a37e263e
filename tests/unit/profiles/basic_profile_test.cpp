#include <unistd.h>

#include <filesystem>

#include "profile_fixture.h"
#include "profiles/basic_profile_data.h"

namespace {

const char* kDefaultDevice = R"({
  "LightInfo": {"SelectItem": 3, "Light": 4, "Speed": 2, "Fx": 1, "MultiColor": 0, "Red": 255, "Green": 0, "Blue": 16},
  "KeyList": [{"Assignment": 1048832, "DefaultAssignment": 1048832}]
})";

class BasicProfile : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        defaultDevice_ = ParseJson(kDefaultDevice);
        Json::Value def;
        def["Device"][0] = defaultDevice_;
        def["profilename"] = "default";
        ASSERT_EQ(CJsonFile().WriteJsonFile(defaultPath_, def), 0);
        profile_.SetDefaultDataPath(defaultPath_);
        profile_.SetProfilePath(profilePath_);
    }
    Json::Value defaultDevice_;
    CBasicProfiledata profile_;
};

TEST_F(BasicProfile, LoadOfMissingFileCreatesItFromTheDefaultDeviceObject) {
    const std::string defaultBytes = Slurp(defaultPath_);
    EXPECT_EQ(profile_.Load(profilePath_), defaultDevice_);
    Json::Value expected;
    expected["Device"][0] = defaultDevice_;
    EXPECT_EQ(Slurp(profilePath_), StyledJsonText(expected)) << "only the device object is taken over";
    EXPECT_EQ(Slurp(defaultPath_), defaultBytes);
    EXPECT_EQ(profile_.GetLightInfo().red, 255);
}

TEST_F(BasicProfile, LoadFillsTheDeviceOfAProfileThatHasOnlyItsNameAndKeepsTheName) {
    Put(profilePath_,
        R"({"profilename": "Game", "profileUUID": "2024_03_07_09_05_02_045", "Device": [null, {"x": 1}]})");
    profile_.Load(profilePath_);
    const Json::Value disk = OnDisk(profilePath_);
    EXPECT_EQ(disk["profilename"], "Game");
    EXPECT_EQ(disk["profileUUID"], "2024_03_07_09_05_02_045");
    EXPECT_EQ(disk["Device"][0], defaultDevice_);
    EXPECT_EQ(disk["Device"][1], ParseJson(R"({"x": 1})")) << "other device elements are carried along";
}

TEST_F(BasicProfile, LoadOfAnExistingDeviceObjectDoesNotTouchTheFile) {
    const std::string bytes = R"({"Device": [{"LightInfo": {"Red": 7}}], "profilename": "A"})";
    Put(profilePath_, bytes);
    EXPECT_EQ(profile_.Load(profilePath_), ParseJson(R"({"LightInfo": {"Red": 7}})"));
    EXPECT_EQ(Slurp(profilePath_), bytes);
}

TEST_F(BasicProfile, BrokenProfileIsReplacedByDefaultsAndKeptAsBackup) {
    const std::string broken = R"({"Device": [{"LightInfo": {"Red": 7}}], )";
    Put(profilePath_, broken);
    EXPECT_EQ(profile_.Load(profilePath_), defaultDevice_);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0], defaultDevice_);
    EXPECT_EQ(Slurp(profilePath_ + ".bad"), broken);
}

TEST_F(BasicProfile, DeviceObjectOfTheWrongTypeFallsBackToTheDefaults) {
    for (const char* device : {R"("text")", "5", "[1, 2]", "true", "[]"}) {
        SCOPED_TRACE(device);
        Put(profilePath_, std::string(R"({"profilename": "Game", "Device": [)") + device + "]}");
        EXPECT_EQ(profile_.Load(profilePath_), defaultDevice_);
        EXPECT_EQ(profile_.GetLightInfo().red, 255);
        const Json::Value disk = OnDisk(profilePath_);
        EXPECT_EQ(disk["Device"][0], defaultDevice_);
        EXPECT_EQ(disk["profilename"], "Game");
    }
}

TEST_F(BasicProfile, DamagedDefaultDataLoadsNothingAndWritesNothing) {
    const std::string defaultText = Slurp(defaultPath_);
    const struct {
        const char* name;
        std::string defaults;  // empty: no default data file
        bool profileExists;
    } cases[] = {
        {"missing default data, first use", "", false},
        {"truncated default data, first use", defaultText.substr(0, defaultText.size() / 2), false},
        {"default data without a device object", R"({"Device": ["x"]})", false},
        {"truncated default data, profile of the wrong type", defaultText.substr(0, 40), true},
    };
    const std::string wrongTyped = R"({"profilename": "Game", "Device": [7]})";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(profilePath_);
        if (c.defaults.empty())
            std::filesystem::remove(defaultPath_);
        else
            Put(defaultPath_, c.defaults);
        if (c.profileExists) Put(profilePath_, wrongTyped);
        EXPECT_TRUE(profile_.Load(profilePath_).isNull());
        EXPECT_TRUE(profile_.Tree().isNull());
        if (c.profileExists)
            EXPECT_EQ(Slurp(profilePath_), wrongTyped) << "the profile file is left as it was";
        else
            EXPECT_FALSE(Exists(profilePath_)) << "no profile file is made of nothing";
        EXPECT_EQ(profile_.GetLightInfo(), LightInfoRecord{});
        EXPECT_TRUE(profile_.GetKeyList().empty());
    }
}

TEST_F(BasicProfile, RestoringDefaultsReadsTheDefaultFileWithoutWritingIt) {
    Put(defaultPath_, R"({"profilename": "no device here"})");
    const std::string bytes = Slurp(defaultPath_);
    EXPECT_TRUE(profile_.Load(defaultPath_).isNull());
    EXPECT_EQ(Slurp(defaultPath_), bytes);
}

TEST_F(BasicProfile, SaveReplacesOnlyTheDeviceObject) {
    Put(profilePath_, R"({"profilename": "Work", "profileUUID": "id", "Device": [{"LightInfo": {}}, 42]})");
    profile_.Load(profilePath_);
    LightInfoRecord light;
    light.red = 9;
    profile_.SetLightInfo(light);
    ASSERT_EQ(profile_.Save(), 0);
    const Json::Value disk = OnDisk(profilePath_);
    EXPECT_EQ(disk["profilename"], "Work");
    EXPECT_EQ(disk["profileUUID"], "id");
    EXPECT_EQ(disk["Device"][0]["LightInfo"]["Red"], 9);
    EXPECT_EQ(disk["Device"][1], 42);
}

TEST_F(BasicProfile, FailedSaveLeavesTheWholeOldFileAndNoTemporaryFile) {
    profile_.Load(profilePath_);
    const std::string before = Slurp(profilePath_);
    LightInfoRecord light;
    light.green = 200;
    profile_.SetLightInfo(light);
    for (long long limit : {0LL, 5LL, static_cast<long long>(before.size() / 2)}) {
        SetAtomicWriteByteLimitForTest(limit);
        EXPECT_EQ(profile_.Save(), 1) << limit;
        SetAtomicWriteByteLimitForTest(-1);
        EXPECT_EQ(Slurp(profilePath_), before) << limit;
    }
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(userFolder_)) ++files;
    EXPECT_EQ(files, 1u);
    // The edit is still in memory and reaches the file once writing works again.
    EXPECT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["LightInfo"]["Green"], 200);
}

TEST_F(BasicProfile, SaveWithoutProfilePathFails) {
    CBasicProfiledata fresh;
    fresh.SetProfilePath("");
    EXPECT_EQ(fresh.GetProfilePath(), "");
    EXPECT_EQ(fresh.Save(), 1);
}

TEST_F(BasicProfile, SaveDeviceDataMendsADocumentOfTheWrongShape) {
    for (const char* content : {"[1, 2]", R"({"Device": {"0": 1}, "profilename": "P"})", "7"}) {
        SCOPED_TRACE(content);
        Put(profilePath_, content);
        EXPECT_EQ(profile_.SaveDeviceData(ParseJson(R"({"a": 1})"), profilePath_), 0);
        const Json::Value disk = OnDisk(profilePath_);
        EXPECT_EQ(disk["Device"], ParseJson(R"([{"a": 1}])"));
    }
    // Each broken file is kept under a name of its own; a later one never replaces an earlier.
    EXPECT_EQ(Slurp(profilePath_ + ".bad"), "[1, 2]");
    EXPECT_EQ(Slurp(profilePath_ + ".bad.1"), "7");
    EXPECT_FALSE(Exists(profilePath_ + ".bad.2")) << "an object of the wrong shape is mended in place";
}

TEST_F(BasicProfile, WriteDocumentWritesTheWholeDocument) {
    EXPECT_EQ(profile_.WriteDocument(ParseJson(R"({"k": [1]})"), profilePath_), 0);
    EXPECT_EQ(Slurp(profilePath_), StyledJsonText(ParseJson(R"({"k": [1]})")));
}

TEST_F(BasicProfile, LightInfoReadTruncatesBytesReadsMultiColorAsFlagAndClearsExtras) {
    Put(profilePath_, R"({"Device": [{"LightInfo":
        {"SelectItem": 300, "Light": 4, "Speed": -1, "Fx": 2, "MultiColor": 5, "Red": 1, "Green": 2, "Blue": 3}}]})");
    profile_.Load(profilePath_);
    EXPECT_EQ(profile_.GetLightInfo(), (LightInfoRecord{44, 4, 255, 2, 1, 1, 2, 3, 0, 0, 0}));

    profile_.SetLightInfo(LightInfoRecord{1, 2, 3, 4, 0, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(profile_.CurrentLightInfo().extra3, 10) << "the extra bytes travel in memory";
    EXPECT_EQ(profile_.GetLightInfo(), (LightInfoRecord{1, 2, 3, 4, 0, 5, 6, 7, 0, 0, 0}));

    Put(profilePath_, R"({"Device": [{"LightList": []}]})");
    profile_.Load(profilePath_);
    EXPECT_EQ(profile_.GetLightInfo(), LightInfoRecord{}) << "no LightInfo reads as all zero";
}

TEST_F(BasicProfile, SetLightInfoWritesTheEightKeysAsIntegers) {
    profile_.Load(profilePath_);
    profile_.SetLightInfo(LightInfoRecord{12, 3, 4, 5, 1, 250, 251, 252, 9, 9, 9});
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["LightInfo"],
              ParseJson(R"({"SelectItem": 12, "Light": 3, "Speed": 4, "Fx": 5, "MultiColor": 1,
                            "Red": 250, "Green": 251, "Blue": 252})"));
}

TEST_F(BasicProfile, LightListHasOneEntryPerElementAndNullElementsAreAbsent) {
    Put(profilePath_, R"({"Device": [{"LightList": [
        {"LEDREGMode": 2, "LEDBrightness": 3, "LEDSpeed": 4, "LEDDirection": 7, "LEDMultiColor": true,
         "red": 10, "green": 20, "blue": 30},
        null]}]})");
    profile_.Load(profilePath_);
    const auto list = profile_.GetLightList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (LightListEntry{2, 3, 4, 1, 1, 10, 20, 30, 0, 0, 1}));
    EXPECT_EQ(list[1], LightListEntry{});
}

TEST_F(BasicProfile, KeyListUnpacksAssignmentsAndWritesOnlyTheCurrentOne) {
    Put(profilePath_, R"({"Device": [{"KeyList": [
        {"Assignment": 131333, "DefaultAssignment": 1048832},
        {"Assignment": 1048578}]}]})");
    profile_.Load(profilePath_);
    auto keys = profile_.GetKeyList();
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].current, (KeyAssignHalf{0, 2, 1, 5, 0}));
    EXPECT_EQ(keys[0].defaults, (KeyAssignHalf{0, 0x10, 0x01, 0x00, 0}));
    EXPECT_EQ(keys[1].current, (KeyAssignHalf{1, 0x10, 0x00, 0x02, 0}));
    EXPECT_EQ(keys[1].defaults, (KeyAssignHalf{1, 0, 0, 0, 0})) << "missing DefaultAssignment";

    keys[1].current = KeyAssignHalf{1, 0x70, 3, 0, 0};
    keys[1].defaults = KeyAssignHalf{1, 0x55, 0x55, 0x55, 0};  // never written
    keys.push_back(KeyAssignEntry{{2, 0x20, 0x02, 0x04, 0}, {}});
    profile_.SetKeyList(keys);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["KeyList"], ParseJson(R"([
        {"Assignment": 131333, "DefaultAssignment": 1048832},
        {"Assignment": 7340800},
        {"Assignment": 2097668}])"));
}

TEST_F(BasicProfile, WrongTypedKeysReadAsZeroAndWritersRepairTheShape) {
    Put(profilePath_, R"({"Device": [{"LightInfo": {"Red": "red", "Light": [1], "MultiColor": "yes"},
        "LightList": {"0": {}}, "KeyList": "none"}]})");
    profile_.Load(profilePath_);
    EXPECT_EQ(profile_.GetLightInfo(), LightInfoRecord{});
    EXPECT_TRUE(profile_.GetLightList().empty());
    EXPECT_TRUE(profile_.GetKeyList().empty());
    profile_.SetKeyList({KeyAssignEntry{{0, 1, 2, 3, 0}, {}}});
    EXPECT_EQ(profile_.GetKeyList().at(0).current, (KeyAssignHalf{0, 1, 2, 3, 0}));

    Put(profilePath_, R"({"Device": [5]})");  // a device object that is not an object: the defaults
    profile_.Load(profilePath_);
    EXPECT_EQ(profile_.GetLightInfo().red, 255);
    profile_.SetLightInfo(LightInfoRecord{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(profile_.GetLightInfo().selectItem, 1);
}

// The light presets: tolva_light.config names a Guid per mode; the effect file lies
// beside it, whatever the current folder is.
TEST_F(BasicProfile, CustomLightEffectsComeFromTheFileBesideTheLightConfiguration) {
    const std::string config = LightConfigFile(userFolder_);
    Put(config,
        R"({"LightInfo": [[{"Guid": "first"}, {"Guid": "2024_01_01_00_00_00_000", "LightName": "Fire"}],
                                  [{"Guid": "row1"}]]})");
    Put(userFolder_ + "2024_01_01_00_00_00_000.light", R"({"LEDEffectList": [
        {"LEDREGMode": 4, "LEDBrightness": 3, "LEDSpeed": 2, "LEDDirection": 1, "LEDMultiColor": 1,
         "red": 256, "green": 2, "blue": 3, "Time": 1500, "Cyle": 2},
        {"LEDREGMode": 1, "Time": 40}]})");
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(root_);
    profile_.SetLightConfigPath(config);
    profile_.LoadLightConfig(profile_.GetLightConfigPath());
    LightInfoRecord light;
    light.selectItem = 1;
    profile_.SetLightInfo(light);
    const auto effects = profile_.LoadCustomLightEffects();
    std::filesystem::current_path(cwd);
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0], (LedEffectEntry{4, 3, 2, 1, 1, 0, 2, 3, 1500, 2}));
    EXPECT_EQ(effects[1], (LedEffectEntry{1, 0, 0, 0, 0, 0, 0, 0, 40, 0}));
    EXPECT_EQ(profile_.CustomLightEffects(), effects);
}

TEST_F(BasicProfile, CustomLightEffectsAreEmptyWhenAnyStepFindsNothing) {
    const std::string config = LightConfigFile(userFolder_);
    Put(root_.string() + "/program/escape.light", R"({"LEDEffectList": [{"LEDREGMode": 1}]})");
    Put(userFolder_ + "present.light", R"({"LEDEffectList": [{"LEDREGMode": 1}]})");
    struct Case {
        const char* what;
        const char* config;  // nullptr: no light configuration file
        int selectItem;
    };
    const Case cases[] = {
        {"no configuration", nullptr, 0},
        {"mode beyond the presets", R"({"LightInfo": [[{"Guid": "present"}]]})", 1},
        {"no effect file", R"({"LightInfo": [[{"Guid": "absent"}]]})", 0},
        {"Guid leaves the folder", R"({"LightInfo": [[{"Guid": "../../../program/escape"}]]})", 0},
        {"Guid is not text", R"({"LightInfo": [[{"Guid": 5}]]})", 0},
        {"LightInfo is an object", R"({"LightInfo": {"Guid": "present"}})", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(config);
        if (c.config) Put(config, c.config);
        profile_.LoadLightConfig(config);
        LightInfoRecord light;
        light.selectItem = static_cast<uint8_t>(c.selectItem);
        profile_.SetLightInfo(light);
        EXPECT_TRUE(profile_.LoadCustomLightEffects().empty());
    }
    Put(config, R"({"LightInfo": [[{"Guid": "present"}]]})");
    profile_.LoadLightConfig(config);
    profile_.SetLightInfo(LightInfoRecord{});
    EXPECT_EQ(profile_.LoadCustomLightEffects().size(), 1u) << "the fixture itself works";
}

}  // namespace
