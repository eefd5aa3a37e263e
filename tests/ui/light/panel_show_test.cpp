// Showing a lighting setting: mode list, record values, enabling per kind and mode,
// all without a single notification.
#include <QComboBox>
#include <QListView>
#include <QSlider>

#include "ui/language_table.h"
#include "light_panel_host.h"
#include "panels/light/color_palette_ui.h"

namespace {

TEST_F(LightPanelTest, ShowsARecordWithoutNotifying) {
    CLanguageTable::Instance().SetText(QStringLiteral("light_mode_single_colour"),
                                       QStringLiteral("Single colour"));
    ShowMouse({5, 3, 1, 1, 0, 10, 20, 30});

    auto* combo = Find<QComboBox>("light_combo_modeSelect");
    EXPECT_EQ(combo->count(), 15) << "12 built-in modes and 3 presets";
    EXPECT_EQ(panel->GetMode(), 5);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Single colour"));
    EXPECT_EQ(combo->itemData(5, Qt::UserRole).toString(), QStringLiteral("light_mode_single_colour"));
    EXPECT_EQ(combo->itemText(12), QString::fromUtf8("\xE5\xA4\x9C\xE5\x85\x89"))
        << "preset names are shown as typed";
    EXPECT_EQ(combo->view()->sizeHintForRow(0), 30);

    auto* brightness = Find<QSlider>("deng_light_slider");
    EXPECT_EQ(brightness->value(), 3);
    EXPECT_EQ(brightness->maximum(), 4);
    EXPECT_EQ(Find<QSlider>("deng_speed_slider")->value(), 1);
    EXPECT_EQ(GetText(Find("deng_edit_R")), QStringLiteral("10"));
    EXPECT_EQ(GetText(Find("deng_edit_G")), QStringLiteral("20"));
    EXPECT_EQ(GetText(Find("deng_edit_B")), QStringLiteral("30"));
    EXPECT_EQ(panel->GetPaletteColour(), 0xFF0A141Eu);
    EXPECT_EQ(panel->GetColourButtonColour(), 0xFF0A141Eu);
    EXPECT_TRUE(IsSelected(Find("deng_FXL_check")));
    EXPECT_FALSE(IsSelected(Find("deng_FXR_check")));
    EXPECT_FALSE(panel->IsColourful());

    // Mouse mode 5: colour, palette, swatches, edits and brightness on; colourful,
    // direction and speed off.
    for (const char* on : {"lighteffect_layout", "deng_color_layout", "colorpallet_layout", "color_option_",
                           "Deng-RGB_Edit", "deng_light_layout"})
        EXPECT_TRUE(Enabled(on)) << on;
    for (const char* off : {"deng_7color_check", "deng_fx_layout", "deng_speed_layout"})
        EXPECT_FALSE(Enabled(off)) << off;
    EXPECT_TRUE(Hidden("lightcustom_layout"));
    EXPECT_TRUE(Hidden("deng_same_mode"));

    // Another record: right-hand direction, colourful, a mode that uses no colour.
    panel->ShowLightEffect(0, 4, 2, 0, 1, 255, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(IsSelected(Find("deng_FXL_check")));
    EXPECT_TRUE(IsSelected(Find("deng_FXR_check")));
    EXPECT_TRUE(panel->IsColourful());
    EXPECT_FALSE(Enabled("deng_color_layout"));
    EXPECT_FALSE(Enabled("color_option_"));
    EXPECT_TRUE(Enabled("deng_speed_layout"));
    EXPECT_TRUE(host.heard.empty()) << host.heard.front().type.toStdString() << " from "
                                    << host.heard.front().sender.toStdString();
    EXPECT_EQ(panel->ReadLightRecord({}), (LightInfoRecord{0, 4, 2, 0, 1, 255, 0, 0}));
}

TEST_F(LightPanelTest, HiddenModesKeepTheirPlaceAndTextsFollowTheLanguage) {
    panel->SetDeviceKind(kKindMouse);
    panel->FillModes({{"light_mode_neon", true, false},
                      {"light_mode_wave", false, false},
                      {"light_mode_off", true, false}},
                     4, 2);
    auto* combo = Find<QComboBox>("light_combo_modeSelect");
    auto* view = qobject_cast<QListView*>(combo->view());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_FALSE(view->isRowHidden(0));
    EXPECT_TRUE(view->isRowHidden(1));
    EXPECT_FALSE(view->isRowHidden(2));
    EXPECT_EQ(Find<QSlider>("deng_speed_slider")->maximum(), 2);
    panel->SelectMode(2);
    EXPECT_EQ(panel->GetMode(), 2) << "index 2 is still mode 2";

    CLanguageTable::Instance().SetText(QStringLiteral("light_mode_off"), QString::fromUtf8("关闭"));
    ReloadTexts();
    EXPECT_EQ(combo->itemText(2), QString::fromUtf8("关闭"));
    CLanguageTable::Instance().SetText(QStringLiteral("light_mode_off"), QStringLiteral("Off"));
    ReloadTexts();
    EXPECT_EQ(combo->itemText(2), QStringLiteral("Off"));

    // Filling again replaces the list.
    panel->FillModes({{"light_mode_neon", true, false}}, 4, 4);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_FALSE(view->isRowHidden(0));
}

TEST_F(LightPanelTest, EnablingFollowsKindAndMode) {
    struct Step {
        int kind;
        int mode;
        std::vector<const char*> on;
        std::vector<const char*> off;
        bool customShown;
    };
    const Step steps[] = {
        // Keyboard mode 8: custom colours shown, speed off.
        {kKindKeyboard,
         8,
         {"deng_color_layout", "deng_light_layout"},
         {"deng_speed_layout", "deng_7color_check"},
         true},
        {kKindKeyboard, 3, {"deng_color_layout"}, {"deng_speed_layout", "deng_fx_layout"}, false},
        {kKindKeyboard, 0, {"deng_7color_check", "deng_speed_layout", "deng_fx_layout"}, {}, false},
        {kKindMousePad,
         7,
         {"lighteffect_layout"},
         {"deng_light_layout", "deng_color_layout", "deng_fx_layout"},
         false},
        {kKindMouse,
         9,
         {"deng_light_layout", "deng_speed_layout"},
         {"deng_color_layout", "deng_fx_layout"},
         false},
        {kKindWirelessMouse,
         4,
         {"deng_light_layout"},
         {"deng_speed_layout", "color_option_", "Deng-RGB_Edit"},
         false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "kind " << s.kind << " mode " << s.mode);
        panel->SetDeviceKind(s.kind);
        panel->ShowLightEffect(s.mode, 1, 1, 0, 0, 1, 2, 3);
        for (const char* name : s.on) EXPECT_TRUE(Enabled(name)) << name;
        for (const char* name : s.off) EXPECT_FALSE(Enabled(name)) << name;
        EXPECT_EQ(Hidden("lightcustom_layout"), !s.customShown);
    }

    // The icon-only kinds have no table: the groups keep what they had, but the
    // direction group comes back on with every selection.
    panel->SetDeviceKind(kKindMouse);
    panel->ShowLightEffect(7, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_FALSE(Enabled("deng_light_layout"));
    panel->SetDeviceKind(kKindHub);
    panel->SelectMode(2);
    EXPECT_FALSE(Enabled("deng_light_layout"));
    EXPECT_TRUE(Enabled("deng_fx_layout"));
}

TEST_F(LightPanelTest, SyncOptionShowsWhereTheModeOffersItAndTheFlagIsSet) {
    ShowMouse({2, 1, 1, 0, 0, 0, 0, 0});
    EXPECT_TRUE(Hidden("deng_same_mode")) << "the flag is not set";
    panel->SetSameModeFlag(true);
    EXPECT_FALSE(Hidden("deng_same_mode")) << "mouse mode 2 offers it";
    panel->SelectMode(5);
    EXPECT_TRUE(Hidden("deng_same_mode")) << "mouse mode 5 does not";
    panel->SelectMode(11);
    EXPECT_FALSE(Hidden("deng_same_mode"));
    panel->SetSameModeFlag(false);
    EXPECT_TRUE(Hidden("deng_same_mode"));
    EXPECT_TRUE(host.heard.empty());
}

TEST_F(LightPanelTest, ModeOutsideTheListSelectsNothing) {
    ShowMouse({3, 1, 1, 0, 0, 0, 0, 0});
    panel->ShowLightEffect(40, 1, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(panel->GetMode(), -1);
    EXPECT_EQ(panel->ReadLightRecord({3}).selectItem, 3) << "the base keeps its mode";
    EXPECT_FALSE(Enabled("deng_light_layout")) << "the mouse's other row";
}

}  // namespace
