// The lighting mode list: built-in modes at their mode numbers, then the user's presets.
#include "light_test_files.h"
#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_mode_list.h"

namespace {

std::vector<BuiltInLightMode> BuiltIns(int count) {
    std::vector<BuiltInLightMode> modes;
    for (int i = 0; i < count; ++i) modes.push_back({"mode_" + std::to_string(i), i != 3});
    return modes;
}

TEST(LightModeList, MousePresetsStartAtModeTwelve) {
    const std::vector<LightPreset> presets = {{"Night", "g1"}, {"", "g2"}, {"Dawn", "g3"}};
    const std::vector<LightModeEntry> list = BuildLightModeList(kKindMouse, BuiltIns(12), presets);
    ASSERT_EQ(list.size(), 15u);
    EXPECT_EQ(list[3], (LightModeEntry{"mode_3", false, false})) << "a hidden built-in mode keeps its place";
    EXPECT_EQ(list[11], (LightModeEntry{"mode_11", true, false}));
    EXPECT_EQ(list[12], (LightModeEntry{"Night", true, true}));
    EXPECT_EQ(list[13], (LightModeEntry{"", false, true})) << "a preset without a name cannot be chosen";
    EXPECT_EQ(list[14], (LightModeEntry{"Dawn", true, true}));
    EXPECT_EQ(PresetIndexOfMode(kKindMouse, 14), 2);
    EXPECT_EQ(PresetIndexOfMode(kKindWirelessMouse, 12), 0);
    EXPECT_EQ(PresetIndexOfMode(kKindMouse, 11), -1);
}

TEST(LightModeList, BuiltInCountFollowsTheFirstPresetMode) {
    // Too few built-in names: hidden place holders keep the presets at their numbers.
    std::vector<LightModeEntry> list = BuildLightModeList(kKindMouse, BuiltIns(9), {{"P", "g"}});
    ASSERT_EQ(list.size(), 13u);
    for (size_t i = 9; i < 12; ++i) EXPECT_EQ(list[i], LightModeEntry{}) << i;
    EXPECT_EQ(list[12].name, "P");
    // Too many: the numbers from 12 on belong to presets.
    list = BuildLightModeList(kKindMouse, BuiltIns(14), {{"P", "g"}});
    ASSERT_EQ(list.size(), 13u);
    EXPECT_EQ(list[11].name, "mode_11");
    EXPECT_TRUE(list[12].preset);
    // The keyboard's presets follow its 25 built-in modes.
    list = BuildLightModeList(kKindKeyboard, BuiltIns(25), {{"P", "g"}});
    ASSERT_EQ(list.size(), 26u);
    EXPECT_TRUE(list[25].preset);
    EXPECT_EQ(PresetIndexOfMode(kKindKeyboard, 25), 0);
}

TEST(LightModeList, PadAndHeadsetListOnlyTheirBuiltInModes) {
    for (int kind : {kKindMousePad, kKindHeadset}) {
        const std::vector<LightModeEntry> list = BuildLightModeList(kind, BuiltIns(9), {{"P", "g"}});
        ASSERT_EQ(list.size(), 9u) << kind;
        EXPECT_FALSE(list.back().preset) << kind;
        EXPECT_EQ(PresetIndexOfMode(kind, 9), -1) << kind;
    }
    EXPECT_TRUE(BuildLightModeList(kKindHub, BuiltIns(3), {}).size() == 3u);
}

TEST(LightModeList, NoModeBeyondWhatTheProfileCanStore) {
    const std::vector<LightPreset> many(400, LightPreset{"p", "g"});
    const std::vector<LightModeEntry> list = BuildLightModeList(kKindMouse, BuiltIns(12), many);
    EXPECT_EQ(list.size(), 256u) << "mode 255 is the last one a byte holds";
    EXPECT_EQ(PresetIndexOfMode(kKindMouse, 255), 243);
    EXPECT_EQ(PresetIndexOfMode(kKindMouse, 256), -1);
}

TEST_F(LightTempFolder, ListFromTheFilesOfADevice) {
    const std::vector<LightModeEntry> mouse =
        LoadLightModeList(kKindMouse, ShippedDefaultLight(), PresetFixture());
    ASSERT_EQ(mouse.size(), 15u);
    EXPECT_EQ(mouse[0], (LightModeEntry{"light_mode_rainbow_cycle", true, false}));
    EXPECT_EQ(mouse[11], (LightModeEntry{"light_mode_off", true, false}));
    EXPECT_EQ(mouse[12].name, "\xE5\xA4\x9C\xE5\x85\x89");
    EXPECT_FALSE(mouse[13].visible);
    EXPECT_EQ(mouse[14].name, "Sunset");

    // Without a light configuration the list still holds the built-in modes.
    EXPECT_EQ(LoadLightModeList(kKindMouse, ShippedDefaultLight(), Missing()).size(), 12u);
    // Without the default names the presets stay at their numbers behind hidden places.
    const std::vector<LightModeEntry> bare = LoadLightModeList(kKindMouse, Missing(), PresetFixture());
    ASSERT_EQ(bare.size(), 15u);
    EXPECT_FALSE(bare[0].visible);
    EXPECT_EQ(bare[14].name, "Sunset");
    EXPECT_TRUE(LoadLightModeList(kKindHub, ShippedDefaultLight(), PresetFixture()).empty());
}

}  // namespace
