// Readers of the default light names and of the user's light presets.
#include <json/json.h>

#include "light_test_files.h"
#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_name_files.h"

namespace {

Json::Value Parse(const std::string& text) {
    Json::Value v;
    Json::Reader().parse(text, v);
    return v;
}

TEST(DefaultLightNames, ShippedFileGivesEachDeviceRowItsOwnModes) {
    struct Case {
        int kind;
        size_t modeCount;
        const char* firstMode;
        const char* lastMode;
        const char* firstArea;
    };
    const Case cases[] = {
        {kKindKeyboard, 25, "light_mode_neon", "light_mode_off", "light_area_keys"},
        {kKindMouse, 12, "light_mode_rainbow_cycle", "light_mode_off", "light_area_wheel"},
        {kKindWirelessMouse, 12, "light_mode_rainbow_cycle", "light_mode_off", "light_area_wheel"},
        {kKindMousePad, 9, "light_mode_neon", "light_mode_off", "light_area_edge"},
        {kKindHeadset, 9, "light_mode_neon", "light_mode_off", "light_area_earcup"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const DefaultLightNames names = LoadDefaultLightNames(ShippedDefaultLight(), LightRowOfKind(c.kind));
        ASSERT_EQ(names.modes.size(), c.modeCount);
        EXPECT_EQ(names.modes.front().name, c.firstMode);
        EXPECT_EQ(names.modes.back().name, c.lastMode);
        EXPECT_TRUE(names.modes.front().visible);
        ASSERT_FALSE(names.areas.empty());
        EXPECT_EQ(names.areas.front(), c.firstArea);
    }
    EXPECT_EQ(LoadDefaultLightNames(ShippedDefaultLight(), 1).areas.size(), 2u)
        << "the mouse has wheel and logo";
}

TEST(DefaultLightNames, HiddenAndBrokenEntriesKeepTheirPlace) {
    const Json::Value doc = Parse(R"({"DefaultLightName": [[
        {"LightName": "a", "visible": true},
        {"LightName": "b", "visible": false},
        7,
        {"LightName": "d"},
        {"LightName": "e", "visible": 1}
    ]]})");
    const DefaultLightNames names = ReadDefaultLightNames(doc, 0);
    const std::vector<BuiltInLightMode> expected = {
        {"a", true}, {"b", false}, {"", false}, {"d", false}, {"e", true}};
    EXPECT_EQ(names.modes, expected);
    EXPECT_TRUE(names.areas.empty()) << "no \"AreaLightName\" leaves the areas empty";
}

TEST_F(LightTempFolder, UnreadableDefaultLightFilesGiveEmptyLists) {
    const std::pair<const char*, std::string> cases[] = {
        {"missing file", Missing()},
        {"empty file", Put("empty.json", "")},
        {"broken JSON", Put("broken.json", R"({"DefaultLightName": [[{"LightName": )")},
        {"rows are no array", Put("object.json", R"({"DefaultLightName": {"1": []}})")},
        {"row is no array", Put("text.json", R"({"DefaultLightName": ["a", "b"]})")},
        {"row missing",
         Put("short.json", R"({"DefaultLightName": [[{"LightName": "k", "visible": true}]]})")},
    };
    for (const auto& [what, path] : cases) {
        const DefaultLightNames names = LoadDefaultLightNames(path, 1);
        EXPECT_TRUE(names.modes.empty()) << what;
        EXPECT_TRUE(names.areas.empty()) << what;
    }
    EXPECT_TRUE(LoadDefaultLightNames(ShippedDefaultLight(), -1).modes.empty())
        << "no row for kinds without lights";
    EXPECT_TRUE(LoadDefaultLightNames(ShippedDefaultLight(), 4).modes.empty());
}

TEST(LightPresets, RowOfTheDeviceWithUtf8NamesAndPlaceHolders) {
    const std::vector<LightPreset> mouse = LoadLightPresets(PresetFixture(), LightRowOfKind(kKindMouse));
    const std::vector<LightPreset> expected = {
        {"\xE5\xA4\x9C\xE5\x85\x89", "2024_05_06_07_08_09_010"},  // "夜光", bytes as stored
        {"", ""},
        {"Sunset", "2024_05_06_07_08_09_011"},
    };
    EXPECT_EQ(mouse, expected);
    const std::vector<LightPreset> keyboard =
        LoadLightPresets(PresetFixture(), LightRowOfKind(kKindKeyboard));
    ASSERT_EQ(keyboard.size(), 1u);
    EXPECT_EQ(keyboard[0].name, "Keyboard party");
    EXPECT_TRUE(LoadLightPresets(PresetFixture(), LightRowOfKind(kKindMousePad)).empty())
        << "row 2 is not there";
}

TEST_F(LightTempFolder, UnreadableLightConfigurationGivesNoPresets) {
    EXPECT_TRUE(LoadLightPresets(Missing(), 1).empty());
    EXPECT_TRUE(LoadLightPresets(Put("broken.config", "{\"LightInfo\": [[{"), 1).empty());
    EXPECT_TRUE(LoadLightPresets(Put("wrong.config", R"({"LightInfo": 3})"), 1).empty());
    const std::string typed =
        Put("types.config", R"({"LightInfo": [[], [{"LightName": 5, "Guid": ["x"]}]]})");
    const std::vector<LightPreset> presets = LoadLightPresets(typed, 1);
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0], (LightPreset{"", ""})) << "values of the wrong type read as empty text";
}

}  // namespace
