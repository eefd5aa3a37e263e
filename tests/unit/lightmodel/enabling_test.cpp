// The enabling tables: which lighting groups each mode uses on each device kind.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_enabling.h"

namespace {

struct Expectation {
    int kind;
    int mode;
    std::set<std::string> enabled;   // control names
    std::set<std::string> disabled;  // control names; every other group keeps its state
    bool offersSync;
    bool customColours;
};

std::set<std::string> GroupsIn(const LightEnabling& e, GroupState state) {
    std::set<std::string> names;
    for (int g = 0; g < kLightGroupCount; ++g)
        if (e.groups[g] == state) names.insert(LightGroupControlName(static_cast<LightGroup>(g)));
    return names;
}

const std::set<std::string> kAllButEffect = {"deng_7color_check", "deng_color_layout", "colorpallet_layout",
                                             "deng_fx_layout",    "deng_light_layout", "deng_speed_layout"};

TEST(LightEnabling, GroupsPerKindAndMode) {
    const Expectation cases[] = {
        // Keyboard.
        {kKindKeyboard,
         0,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {},
         false,
         false},
        {kKindKeyboard,
         1,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout"},
         true,
         false},
        {kKindKeyboard,
         8,
         {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"},
         false,
         true},
        {kKindKeyboard,
         13,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout"},
         false,
         false},
        {kKindKeyboard,
         17,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {"deng_fx_layout"},
         true,
         false},
        {kKindKeyboard,
         3,
         {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"},
         true,
         false},
        {kKindKeyboard,
         22,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout"},
         false,
         false},
        {kKindKeyboard,
         9,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {"deng_fx_layout"},
         false,
         false},
        {kKindKeyboard, 24, {"lighteffect_layout"}, kAllButEffect, true, false},
        {kKindKeyboard, 25, {"lighteffect_layout"}, kAllButEffect, false, false},  // a preset
        // Mouse pad and headset share one table.
        {kKindMousePad,
         0,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {},
         false,
         false},
        {kKindHeadset,
         1,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout"},
         true,
         false},
        {kKindMousePad,
         3,
         {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"},
         true,
         false},
        {kKindHeadset,
         3,
         {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"},
         true,
         false},
        {kKindHeadset,
         4,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {"deng_fx_layout"},
         true,
         false},
        {kKindMousePad, 6, {"lighteffect_layout"}, kAllButEffect, false, false},
        {kKindMousePad, 8, {"lighteffect_layout"}, kAllButEffect, true, false},
        {kKindHeadset, 9, {"lighteffect_layout"}, kAllButEffect, false, false},
        // Mouse, with the swatches and the colour edits.
        {kKindMouse,
         0,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "color_option_", "Deng-RGB_Edit"},
         false,
         false},
        {kKindMouse,
         2,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         {"deng_fx_layout"},
         true,
         false},
        {kKindMouse,
         1,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout", "color_option_",
          "Deng-RGB_Edit"},
         true,
         false},
        {kKindMouse,
         3,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         {},
         false,
         false},
        {kKindMouse,
         4,
         {"lighteffect_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout",
          "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         true,
         false},
        {kKindMouse,
         5,
         {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "deng_light_layout",
          "color_option_", "Deng-RGB_Edit"},
         {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"},
         false,
         false},
        {kKindMouse,
         6,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "color_option_", "Deng-RGB_Edit"},
         {"deng_fx_layout", "deng_speed_layout"},
         true,
         false},
        {kKindMouse,
         7,
         {"lighteffect_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout",
          "deng_light_layout", "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         true,
         false},
        {kKindMouse,
         10,
         {"lighteffect_layout", "deng_light_layout", "deng_speed_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout"},
         false,
         false},
        {kKindMouse,
         8,
         {"lighteffect_layout", "deng_7color_check", "deng_color_layout", "colorpallet_layout",
          "deng_light_layout", "deng_speed_layout"},
         {},
         false,
         false},
        {kKindMouse,
         11,
         {"lighteffect_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout",
          "deng_light_layout", "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         true,
         false},
        {kKindMouse, 12, {"lighteffect_layout"}, kAllButEffect, false, false},  // the first preset
        // A wireless mouse is a mouse.
        {kKindWirelessMouse,
         4,
         {"lighteffect_layout", "deng_light_layout"},
         {"deng_7color_check", "deng_color_layout", "colorpallet_layout", "deng_fx_layout",
          "deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         true,
         false},
    };
    for (const Expectation& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " mode " << c.mode);
        const LightEnabling e = LightEnablingFor(c.kind, c.mode);
        EXPECT_TRUE(e.hasTable);
        EXPECT_EQ(GroupsIn(e, GroupState::Enabled), c.enabled);
        EXPECT_EQ(GroupsIn(e, GroupState::Disabled), c.disabled);
        EXPECT_EQ(e.offerSameMode, c.offersSync);
        EXPECT_EQ(e.showCustomColours, c.customColours);
    }
}

TEST(LightEnabling, KeyboardModesOfOneRowAgree) {
    // Modes grouped in one row must switch the same groups as its first mode.
    const std::vector<std::vector<int>> rows = {
        {0, 6, 7, 10, 12, 14, 18}, {2, 17}, {4, 22, 23}, {5, 9, 11, 15, 16, 19, 20, 21}};
    for (const auto& row : rows) {
        const LightEnabling first = LightEnablingFor(kKindKeyboard, row.front());
        for (int mode : row) {
            const LightEnabling e = LightEnablingFor(kKindKeyboard, mode);
            EXPECT_EQ(e.groups, first.groups) << "mode " << mode;
            EXPECT_EQ(e.offerSameMode, first.offerSameMode) << "mode " << mode;
        }
    }
    EXPECT_NE(LightEnablingFor(kKindKeyboard, 5).groups, LightEnablingFor(kKindKeyboard, 4).groups);
}

TEST(LightEnabling, KindsWithoutLightingKeepEveryGroup) {
    for (int kind : {0, kKindHeadsetIcon, kKindHub, 8, -1}) {
        const LightEnabling e = LightEnablingFor(kind, 2);
        EXPECT_FALSE(e.hasTable) << kind;
        EXPECT_TRUE(GroupsIn(e, GroupState::Enabled).empty()) << kind;
        EXPECT_TRUE(GroupsIn(e, GroupState::Disabled).empty()) << kind;
        EXPECT_FALSE(e.offerSameMode) << kind;
    }
}

}  // namespace
