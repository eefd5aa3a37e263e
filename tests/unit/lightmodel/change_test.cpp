// Which lighting control a notification comes from, and how its value changes the record.
#include <gtest/gtest.h>

#include "panels/light/model/light_change.h"

namespace {

TEST(LightNotice, ControlsAndTheirNotifications) {
    struct Case {
        const char* type;
        const char* name;
        LightSource source;
        int swatch;
    };
    const Case cases[] = {
        {"itemselect", "light_combo_modeSelect", LightSource::ModeCombo, -1},
        {"ItemSelect", "LIGHT_COMBO_MODESELECT", LightSource::ModeCombo, -1},
        {"valuechanged", "deng_light_slider", LightSource::BrightnessSlider, -1},
        {"valuechanged", "deng_speed_slider", LightSource::SpeedSlider, -1},
        {"selectchanged", "deng_FXL_check", LightSource::LeftCheck, -1},
        {"selectchanged", "deng_fxr_check", LightSource::RightCheck, -1},
        {"selectchanged", "deng_7color_check", LightSource::ColourfulCheck, -1},
        {"killfocus", "deng_edit_R", LightSource::EditRed, -1},
        {"killfocus", "deng_edit_G", LightSource::EditGreen, -1},
        {"killfocus", "deng_edit_b", LightSource::EditBlue, -1},
        {"colorchanged", "deng_Color_Pallet", LightSource::Palette, -1},
        {"click", "color_option_0", LightSource::Swatch, 0},
        {"click", "Color_Option_12", LightSource::Swatch, 12},
        // Not lighting changes.
        {"movevaluechanged", "deng_light_slider", LightSource::None, -1},
        {"setfocus", "deng_edit_R", LightSource::None, -1},
        {"textchanged", "deng_edit_R", LightSource::None, -1},
        {"click", "color_option_", LightSource::None, -1},
        {"click", "color_option_x", LightSource::None, -1},
        {"click", "color_option_-1", LightSource::None, -1},
        {"click", "deng_colordp_btn", LightSource::None, -1},
        {"itemselect", "light_combo_custommodeSelect", LightSource::None, -1},
        {"click", "deng_same_mode", LightSource::None, -1},
        {"valuechanged", "DPI_slider_2", LightSource::None, -1},
    };
    for (const Case& c : cases) {
        const LightNotice n = ClassifyLightNotice(c.type, c.name);
        EXPECT_EQ(n.source, c.source) << c.type << " " << c.name;
        EXPECT_EQ(n.swatch, c.swatch) << c.type << " " << c.name;
    }
}

TEST(LightNotice, ChangeKinds) {
    EXPECT_EQ(ChangeOfSource(LightSource::LeftCheck), LightChange::Direction);
    EXPECT_EQ(ChangeOfSource(LightSource::RightCheck), LightChange::Direction);
    EXPECT_EQ(ChangeOfSource(LightSource::EditGreen), LightChange::Colour);
    EXPECT_EQ(ChangeOfSource(LightSource::Palette), LightChange::Colour);
    EXPECT_EQ(ChangeOfSource(LightSource::Swatch), LightChange::Swatch) << "a swatch keeps the light hold";
    EXPECT_EQ(ChangeOfSource(LightSource::None), LightChange::None);
}

TEST(LightRecordChange, EachControlChangesItsFieldOnly) {
    const LightInfoRecord base{3, 2, 1, 0, 1, 10, 20, 30, 7, 8, 9};
    struct Case {
        LightSource source;
        int64_t value;
        LightInfoRecord expected;
    };
    const Case cases[] = {
        {LightSource::ModeCombo, 12, {12, 2, 1, 0, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::BrightnessSlider, 4, {3, 4, 1, 0, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::SpeedSlider, 0, {3, 2, 0, 0, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::LeftCheck, 1, {3, 2, 1, 1, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::RightCheck, 1, {3, 2, 1, 0, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::RightCheck, 0, {3, 2, 1, 1, 1, 10, 20, 30, 7, 8, 9}},
        {LightSource::ColourfulCheck, 0, {3, 2, 1, 0, 0, 10, 20, 30, 7, 8, 9}},
        {LightSource::EditRed, 255, {3, 2, 1, 0, 0, 255, 20, 30, 7, 8, 9}},
        {LightSource::EditGreen, 0, {3, 2, 1, 0, 0, 10, 0, 30, 7, 8, 9}},
        {LightSource::EditBlue, 99, {3, 2, 1, 0, 0, 10, 20, 99, 7, 8, 9}},
        {LightSource::Palette, 0xFF112233, {3, 2, 1, 0, 0, 0x11, 0x22, 0x33, 7, 8, 9}},
        {LightSource::Swatch, 0xFFFF8000, {3, 2, 1, 0, 0, 0xFF, 0x80, 0x00, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        LightInfoRecord r = base;
        EXPECT_TRUE(ApplyLightValue(r, c.source, c.value)) << int(c.source);
        EXPECT_EQ(r, c.expected) << int(c.source);
    }
}

TEST(LightRecordChange, ValuesOutOfRangeChangeNothing) {
    const LightInfoRecord base{3, 2, 1, 0, 1, 10, 20, 30, 0, 0, 0};
    const std::pair<LightSource, int64_t> cases[] = {
        {LightSource::ModeCombo, -1},   {LightSource::ModeCombo, 256}, {LightSource::BrightnessSlider, 300},
        {LightSource::SpeedSlider, -2}, {LightSource::EditRed, 256},   {LightSource::None, 1},
    };
    for (const auto& [source, value] : cases) {
        LightInfoRecord r = base;
        EXPECT_FALSE(ApplyLightValue(r, source, value)) << int(source) << " " << value;
        EXPECT_EQ(r, base) << int(source) << " " << value;
    }
}

}  // namespace
