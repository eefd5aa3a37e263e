// Rules the device pages follow that need no window, and the name lists they show.
#include <gtest/gtest.h>

#include "device_fixture.h"
#include "devices/assignment_labels.h"
#include "devices/device_lists.h"
#include "devices/function_tabs.h"
#include "devices/mouse_page_rules.h"

namespace {

using mousepage::DpiChecks;

DpiChecks AllEnabled() {
    DpiChecks checks;
    checks.ticked.fill(true);
    checks.checkEnabled.fill(true);
    checks.layoutEnabled.fill(true);
    return checks;
}

TEST(DpiEnablingRule, TheLastTickedStageCannotBeUnticked) {
    DpiChecks checks = AllEnabled();
    for (int stage = 0; stage < 6; ++stage) checks = mousepage::ApplyDpiStageEnabling(checks, stage, false);
    EXPECT_EQ(checks.ticked, (std::array<bool, 7>{false, false, false, false, false, false, true}));
    EXPECT_FALSE(checks.checkEnabled[6]) << "the one stage left is locked";
    EXPECT_TRUE(checks.checkEnabled[0]);

    checks = mousepage::ApplyDpiStageEnabling(checks, 2, true);
    EXPECT_TRUE(checks.ticked[2]);
    EXPECT_TRUE(checks.checkEnabled[6]) << "a second stage unlocks the last one";
    EXPECT_EQ(mousepage::ApplyDpiStageEnabling(checks, 7, false), checks) << "no stage 7";
}

TEST(DpiEnablingRule, EnablingAStageEnablesItsLayout) {
    DpiChecks checks;  // everything off, as a skin may start
    checks = mousepage::ApplyDpiStageEnabling(checks, 4, true);
    EXPECT_TRUE(checks.layoutEnabled[4]);
    EXPECT_FALSE(checks.layoutEnabled[3]);
    EXPECT_TRUE(checks.ticked[4]);
}

TEST(KeyButtonNames, BindByPrefixAndNumberWithinTheCounts) {
    using mousepage::KeyButtonRole;
    const struct {
        const char* name;
        mousepage::KeyButtonBinding expected;
    } cases[] = {
        {"key_5", {KeyButtonRole::Key, 5}},
        {"key_7", {}},  // 6 key controls: key 7 is ignored
        {"Light_2", {KeyButtonRole::Light, 2}},
        {"light_0_3", {KeyButtonRole::SecondLight, 3}},
        {"LIGHT_0_9", {}},
        {"keys", {}},
        {"other_1", {}},
        {"key_", {KeyButtonRole::Key, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(mousepage::ClassifyKeyButton(c.name, 6, 7), c.expected) << c.name;
}

TEST(MousePageValues, DoubleClickTimeAndPollingOption) {
    EXPECT_EQ(mousepage::DoubleClickMilliseconds(6, 10), 500);
    EXPECT_EQ(mousepage::DoubleClickMilliseconds(10, 10), 100);
    for (const auto& [index, option] : std::vector<std::pair<int, int>>{{0, 0}, {4, 4}, {5, 0}, {-1, 0}})
        EXPECT_EQ(mousepage::PollingOptionFor(index), option) << index;
}

TEST(FunctionTabs, TableOfTypesAndKinds) {
    const struct {
        int type, kind;
        FunctionTabs expected;
    } cases[] = {
        {2, 2, {0, 1}},  {6, 1, {0, 1}}, {3, 2, {1, -1}}, {8, 7, {1, -1}}, {4, 2, {3, -1}}, {4, 1, {3, -1}},
        {4, 6, {3, -1}}, {4, 3, {0, 2}}, {7, 2, {0, 2}},  {5, 2, {2, -1}}, {1, 2, {0, 0}},  {0, 2, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FunctionTabsFor(c.type, c.kind), c.expected) << "type " << c.type << " kind " << c.kind;
}

TEST(AssignmentLabels, NumbersCountFromOneAndDirectionsComeFromTheSignBit) {
    EXPECT_EQ(DescribeAssignment({0, 0x70, 0, 0, 0}), (AssignmentLabel{"key_fn_macro", " 1"}));
    EXPECT_EQ(DescribeAssignment({0, 0x72, 3, 0, 0}), (AssignmentLabel{"key_fn_gun_preset", " 4"}));
    EXPECT_EQ(DescribeAssignment({0, 0x12, 0x11, 0x83, 0}).textId, "key_fn_wheel_down");
    EXPECT_EQ(DescribeAssignment({0, 0x10, 0x08, 0, 0}).textId, "key_fn_back_button");
    EXPECT_STREQ(AssignmentLabelFallback("key_fn_back_button"), "Back");
}

TEST(DeviceLists, RowsOfTheLightFilesAndTheMacroList) {
    TempFolder folder;
    const auto file = [&](const char* name) { return (folder.Path() / name).string(); };
    WriteFile(folder.Path() / "default_light.json",
              R"({"DefaultLightName": [[{"LightName": "kb0", "visible": true}],
                                       [{"LightName": "ms0", "visible": true}, {"LightName": "ms1", "visible": false}]],
                  "AreaLightName": [[], [{"LightName": "wheel"}]]})");
    WriteFile(folder.Path() / "tolva_light.config",
              R"({"LightInfo": [[], [{"LightName": "My preset", "Guid": "x"}]]})");
    WriteFile(folder.Path() / "macro.config", R"({"MacroInfo": [{"MacroName": "a"}, {"Guid": "g"}]})");

    const DeviceLists lists =
        LoadDeviceLists(file("macro.config"), file("default_light.json"), file("tolva_light.config"), 1);
    ASSERT_EQ(lists.lightModes.size(), 2u);
    EXPECT_EQ(lists.lightModes[1].name, "ms1");
    EXPECT_FALSE(lists.lightModes[1].visible);
    EXPECT_EQ(lists.areaNames, (std::vector<std::string>{"wheel"}));
    EXPECT_EQ(lists.macroCount, 2u) << "a macro without a name still counts";
    EXPECT_EQ(LightModeNameOf(lists, 1), "ms1");
    EXPECT_EQ(LightModeNameOf(lists, 12), "My preset");
    EXPECT_EQ(LightModeNameOf(lists, 13), "");

    const DeviceLists missing = LoadDeviceLists(file("none"), file("none"), file("none"), 1);
    EXPECT_TRUE(missing.lightModes.empty());
    EXPECT_EQ(missing.macroCount, 0u);
    EXPECT_TRUE(
        LoadDeviceLists(file("macro.config"), file("default_light.json"), file("x"), 5).lightModes.empty());
}

}  // namespace
