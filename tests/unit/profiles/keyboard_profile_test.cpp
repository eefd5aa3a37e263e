#include "profile_fixture.h"
#include "profiles/keyboard_profile_data.h"

namespace {

class KeyboardProfile : public ProfileFixture {
protected:
    void LoadText(const char* text) {
        Put(profilePath_, text);
        profile_.SetProfilePath(profilePath_);
        profile_.Load(profilePath_);
    }
    CKeyboardProfiledata profile_;
};

TEST_F(KeyboardProfile, SystemValuesRoundTripUnderTheirKeys) {
    const char* device = R"({"Device": [{"SystemStages":
        {"Repeat": 1, "RepeatDelay": 500, "Key6Flag": 0, "PollingRate": 3, "WFlag": 1, "WinFlag": 65535}}]})";
    LoadText(device);
    const KeyboardSystemSettings s = profile_.GetKeyboardSystem();
    EXPECT_EQ(s.words, (std::array<uint32_t, 3>{0x01F40001u, 0x00030000u, 0xFFFF0001u}));
    LoadText(R"({"Device": [{}]})");
    EXPECT_EQ(profile_.GetKeyboardSystem(), KeyboardSystemSettings{});
    profile_.SetKeyboardSystem(s);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0], ParseJson(device)["Device"][0]);
}

TEST_F(KeyboardProfile, MissingCustomGroupReadsAsZeroColoursAndIsAddedToTheTree) {
    LoadText(R"({"Device": [{}]})");
    const std::string before = Slurp(profilePath_);
    const auto colors = profile_.GetCustomLightColors(2, 5);
    EXPECT_EQ(colors, std::vector<RgbaColor>(5));
    EXPECT_EQ(Slurp(profilePath_), before) << "only the tree in memory changes";
    const Json::Value zero = ParseJson(R"({"Red": 0, "Green": 0, "Blue": 0, "Alpha": 0})");
    Json::Value expected;
    expected[0] = Json::Value();
    expected[1] = Json::Value();
    for (int i = 0; i < 5; ++i) expected[2][i] = zero;
    EXPECT_EQ(profile_.Tree()["CustomLightMode"]["LightColorInfo"], expected);
}

TEST_F(KeyboardProfile, NullColoursOfAGroupAreFilledAndOthersRead) {
    LoadText(R"({"Device": [{"CustomLightMode": {"CustomLightModeGroupIndex": 1, "LightColorInfo": [
        [{"Red": 1, "Green": 2, "Blue": 3, "Alpha": 255}, null, {"Red": 9}]]}}]})");
    const auto colors = profile_.GetCustomLightColors(0, 4);
    EXPECT_EQ(colors, (std::vector<RgbaColor>{{1, 2, 3, 255}, {}, {9, 0, 0, 0}, {}}));
    const Json::Value group = profile_.Tree()["CustomLightMode"]["LightColorInfo"][0];
    ASSERT_EQ(group.size(), 4u);
    EXPECT_EQ(group[1], ParseJson(R"({"Red": 0, "Green": 0, "Blue": 0, "Alpha": 0})"));
    EXPECT_EQ(group[2], ParseJson(R"({"Red": 9})")) << "present colours are not rewritten";
    EXPECT_EQ(profile_.GetCustomLightGroup(), 1);
}

TEST_F(KeyboardProfile, CustomColoursAndGroupRoundTrip) {
    LoadText(R"({"Device": [{}]})");
    const std::vector<RgbaColor> colors{{10, 20, 30, 40}, {255, 0, 128, 1}};
    profile_.SetCustomLightColors(colors, 1);
    profile_.SetCustomLightGroup(1);
    ASSERT_EQ(profile_.Save(), 0);
    CKeyboardProfiledata again;
    again.Load(profilePath_);
    EXPECT_EQ(again.GetCustomLightGroup(), 1);
    EXPECT_EQ(again.GetCustomLightColors(1, 2), colors);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["CustomLightMode"]["LightColorInfo"][1][0],
              ParseJson(R"({"Red": 10, "Green": 20, "Blue": 30, "Alpha": 40})"));
}

TEST_F(KeyboardProfile, GroupOutsideTheTableChangesNothing) {
    LoadText(R"({"Device": [{"CustomLightMode": 3}]})");
    EXPECT_EQ(profile_.GetCustomLightGroup(), 0);
    EXPECT_EQ(profile_.GetCustomLightColors(-1, 3), std::vector<RgbaColor>(3));
    EXPECT_EQ(profile_.GetCustomLightColors(1000000, 2), std::vector<RgbaColor>(2));
    profile_.SetCustomLightColors({{1, 1, 1, 1}}, 1000000);
    EXPECT_EQ(profile_.Tree()["CustomLightMode"], 3);
    EXPECT_EQ(profile_.GetCustomLightColors(0, 1), std::vector<RgbaColor>(1))
        << "a wrong-typed mode is replaced";
    EXPECT_TRUE(profile_.Tree()["CustomLightMode"].isObject());
}

}  // namespace
