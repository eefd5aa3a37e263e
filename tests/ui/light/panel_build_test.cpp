// The panel as the device pages get it: built from its skin through the subtree class,
// with every control the lighting code and the main window's routing look up.
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "light_panel_host.h"
#include "panels/light/color_palette_ui.h"

namespace {

TEST_F(LightPanelTest, SubtreeGivesThePanelWithEveryControlName) {
    EXPECT_EQ(SkinClassOf(panel), QStringLiteral("LightSetControlUI"));
    const char* names[] = {
        "light_combo_modeSelect",
        "light_combo_custommodeSelect",
        "deng_light_slider",
        "deng_speed_slider",
        "deng_edit_R",
        "deng_edit_G",
        "deng_edit_B",
        "deng_Color_Pallet",
        "deng_colordp_btn",
        "color_option_0",
        "color_option_7",
        "deng_7color_check",
        "deng_FXL_check",
        "deng_FXR_check",
        "deng_same_mode",
        "lighteffect_layout",
        "deng_color_layout",
        "colorpallet_layout",
        "deng_light_layout",
        "deng_speed_layout",
        "deng_fx_layout",
        "lightcustom_layout",
        "Deng-RGB_Edit",
        "color_option_",
        "custom_bright_color_btn",
        "custom_off_color_btn",
    };
    for (const char* name : names) EXPECT_NE(FindControl(panel, QLatin1String(name)), nullptr) << name;
    EXPECT_NE(Find<QComboBox>("light_combo_modeSelect"), nullptr);
    EXPECT_NE(Find<QSlider>("deng_light_slider"), nullptr);
    EXPECT_NE(Find<QLineEdit>("deng_edit_G"), nullptr);
    EXPECT_NE(Find<CColorPaletteUI>("deng_Color_Pallet"), nullptr);
    EXPECT_GT(GetItemCount(Find("light_combo_custommodeSelect")), 2);
}

TEST_F(LightPanelTest, CustomGroupSelection) {
    panel->SelectCustomGroup(2);
    EXPECT_EQ(panel->GetCustomGroup(), 2);
    EXPECT_EQ(GetCurSel(Find("light_combo_custommodeSelect")), 2);
    panel->SelectCustomGroup(99);
    EXPECT_EQ(panel->GetCustomGroup(), -1) << "a group the list does not hold selects none";
}

TEST_F(LightPanelTest, SwatchesGiveTheColourTheyShow) {
    EXPECT_EQ(panel->GetSwatchColour(0), 0xFFFF0000u);
    EXPECT_EQ(panel->GetSwatchColour(7), 0xFFFFFFFFu);
    EXPECT_EQ(panel->GetSwatchColour(8), 0xFF000000u) << "no such swatch";
    EXPECT_EQ(panel->GetSwatchColour(-1), 0xFF000000u);
    EXPECT_TRUE(Find("color_option_0")->styleSheet().contains(QStringLiteral("#ff0000")))
        << Find("color_option_0")->styleSheet().toStdString();
}

TEST(LightPanelWithoutSkin, MissingControlsAreSkipped) {
    CLightControlUI bare;
    bare.SetDeviceKind(kKindMouse);
    bare.FillModes({{"a", true, false}}, 4, 4);
    bare.ShowLightEffect(2, 3, 1, 1, 1, 10, 20, 30);
    bare.SetSameModeFlag(true);
    bare.SelectCustomGroup(1);
    EXPECT_EQ(bare.GetMode(), -1);
    EXPECT_EQ(bare.GetCustomGroup(), -1);
    EXPECT_EQ(bare.GetBrightness(), 0);
    EXPECT_EQ(bare.GetSpeed(), 0);
    EXPECT_EQ(bare.GetRed(), QString());
    EXPECT_EQ(bare.GetPaletteColour(), 0xFF000000u);
    EXPECT_EQ(bare.GetSwatchColour(0), 0xFF000000u);
    EXPECT_FALSE(bare.IsColourful());
    const LightInfoRecord base{4, 1, 2, 1, 1, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(bare.ReadLightRecord(base), base) << "every field comes from the base";
}

}  // namespace
