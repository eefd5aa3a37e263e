// The page's other controls: the "tolva_DPI_" pair, setting pages, feature tabs, key
// selection, the lighting chain, name case rules and the editing state.
#include <QComboBox>
#include <QStackedWidget>

#include "panels/light/light_control_ui.h"
#include "wiring_fixture.h"

using PageControls = WiringFixture;

TEST_F(PageControls, TolvaSliderAndEditKeepTheirLimits) {
    DragSlider(PageControl("tolva_DPI_slider_0"), 1000, false);
    EXPECT_EQ(GetText(PageControl("tolva_DPI_edit_0")), QStringLiteral("999"));

    struct Case {
        const char* typed;
        const char* shown;
        int slider;  // the slider's own range starts at 201
    };
    const Case cases[] = {
        {"7000", "6500", 6500}, {"50", "200", 201}, {"", "200", 201}, {"3000dpi", "3000", 3000}};
    for (const Case& c : cases) {
        TypeAndLeave(PageControl("tolva_DPI_edit_0"), QString::fromLatin1(c.typed));
        EXPECT_EQ(GetText(PageControl("tolva_DPI_edit_0")), QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(GetValue(PageControl("tolva_DPI_slider_0")), c.slider) << c.typed;
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(PageControls, SettingPageOptionShowsItsPageAlone) {
    auto* pages = qobject_cast<QStackedWidget*>(PageControl("mouse_device_seting_layout"));
    ASSERT_NE(pages, nullptr);
    ASSERT_GE(pages->count(), 2);
    Click("mouse_device_seting_option_1");
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(IsSelected(PageControl("mouse_device_seting_option_1")));
    EXPECT_FALSE(IsSelected(PageControl("mouse_device_seting_option_0")));

    Click("mouse_device_seting_option_0");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_FALSE(IsSelected(PageControl("mouse_device_seting_option_1")));
}

TEST_F(PageControls, FeatureTabSwitchesTheDeviceFunction) {
    auto* functions = qobject_cast<QStackedWidget*>(PageControl("device_function_switch"));
    auto* keyFunctions = qobject_cast<QStackedWidget*>(PageControl("device_key_function_switch"));
    ASSERT_NE(functions, nullptr);
    ASSERT_NE(keyFunctions, nullptr);

    Click("key_Op_tab");
    EXPECT_EQ(slot->device->GetFunctionMode(), 2);
    EXPECT_EQ(functions->currentIndex(), 0);
    EXPECT_EQ(keyFunctions->currentIndex(), 1);
    EXPECT_TRUE(IsSelected(PageControl("key_Op_tab")));
    EXPECT_FALSE(IsSelected(PageControl("deng_Op_tab")));

    Click("cursor_Op_tab");
    EXPECT_EQ(slot->device->GetFunctionMode(), 5);
    EXPECT_EQ(functions->currentIndex(), 2);
    EXPECT_FALSE(IsSelected(PageControl("key_Op_tab")));
}

TEST_F(PageControls, LastLeftButtonCannotBeTakenIntoEditing) {
    Click("key_Op_tab");
    ASSERT_GE(mouse->Assignments().size(), 2u);
    const KeyAssignHalf left{0, 0x10, 0x01, 0x00, 0};
    ASSERT_EQ(mouse->Assignments()[0].current, left);
    const int shownBefore = CMsgWnd::LastShown().count;

    CMsgWnd::SetNextAnswer(1);
    Click("key_0");
    EXPECT_EQ(CMsgWnd::LastShown().count, shownBefore + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_6"));
    EXPECT_FALSE(CMsgWnd::LastShown().cancelVisible);
    EXPECT_EQ(slot->device->SelectedKey(), -1);

    // With a second left button the first may be edited.
    mouse->SetAssignment(1, left);
    Click("key_0");
    EXPECT_EQ(CMsgWnd::LastShown().count, shownBefore + 1);
    EXPECT_EQ(slot->device->SelectedKey(), 0);

    // Outside the key page a key button selects nothing.
    Click("deng_Op_tab");
    Click("key_1");
    EXPECT_EQ(slot->device->SelectedKey(), 0);
}

TEST_F(PageControls, LightingModeGoesToProfileAndDevice) {
    QWidget* modes = PageControl("light_combo_modeSelect");
    const int mode = GetCurSel(modes) == 2 ? 3 : 2;
    ChooseItem(modes, mode);

    EXPECT_EQ(ProfileDevice()["LightInfo"]["SelectItem"].asInt(), mode);
    EXPECT_EQ(slot->device->GetLightEffect().selectItem, mode);
    EXPECT_EQ(OnlySettingsRecord()[1], mode);
}

TEST_F(PageControls, LogoHintNamesTheModeJustChosen) {
    QWidget* modes = PageControl("light_combo_modeSelect");
    QWidget* logo = PageControl("Logo");
    ASSERT_NE(logo, nullptr);
    for (int mode : {2, 3}) {
        ChooseItem(modes, mode);
        const QString name = qobject_cast<QComboBox*>(modes)->itemText(mode);
        EXPECT_TRUE(logo->toolTip().endsWith(name))
            << logo->toolTip().toStdString() << " / " << name.toStdString();
    }
}

TEST_F(PageControls, SwatchColourIsWritten) {
    ChooseItem(PageControl("light_combo_modeSelect"), 2);  // a mode with swatches
    auto* light = qobject_cast<CLightControlUI*>(PageControl("LightControlItem"));
    ASSERT_NE(light, nullptr);
    int swatch = -1;
    for (int n = 0; n < 16 && swatch < 0; ++n)
        if (light->GetSwatchColour(n) != 0xFF000000u &&
            FindControl(light, QStringLiteral("color_option_%1").arg(n)))
            swatch = n;
    ASSERT_GE(swatch, 0) << "no colour swatch in the lighting panel";
    const uint32_t argb = light->GetSwatchColour(swatch);
    sim->ClearFrames();

    qobject_cast<QAbstractButton*>(FindControl(light, QStringLiteral("color_option_%1").arg(swatch)))
        ->click();

    const Json::Value info = ProfileDevice()["LightInfo"];
    EXPECT_EQ(info["Red"].asUInt(), (argb >> 16) & 0xFF);
    EXPECT_EQ(info["Green"].asUInt(), (argb >> 8) & 0xFF);
    EXPECT_EQ(info["Blue"].asUInt(), argb & 0xFF);
    EXPECT_EQ(info["MultiColor"].asInt(), 0);
    const std::vector<uint8_t> record = OnlySettingsRecord();
    EXPECT_EQ(record[6], (argb >> 16) & 0xFF);
    EXPECT_EQ(record[7], (argb >> 8) & 0xFF);
    EXPECT_EQ(record[8], argb & 0xFF);
}

TEST_F(PageControls, LetterCaseRulesOfClickNames) {
    // The profile menu button must match exactly...
    const bool menuShown = panel->IsMenuVisible();
    AddPageButton("PROFILE_fun_spread_btn")->click();
    EXPECT_EQ(panel->IsMenuVisible(), menuShown);
    Click("profile_fun_spread_btn");
    EXPECT_EQ(panel->IsMenuVisible(), !menuShown);

    // ... other buttons match in any case: this one writes the keys.
    AddPageButton("KEY_BUTT_PROSAVE")->click();
    EXPECT_EQ(CountCommand(kWriteKeyBlock), 1);
}

TEST_F(PageControls, EditingStateLocksTheBarAndTheProfilesAndFreesTheKeyButtons) {
    // The key panel's buttons.
    std::vector<QPushButton*> keyButtons;
    for (const char* name : {"key_butt_keysave", "key_butt_keycancel", "key_butt_prosave"}) {
        keyButtons.push_back(qobject_cast<QPushButton*>(PageControl(name)));
        ASSERT_NE(keyButtons.back(), nullptr) << name;
        keyButtons.back()->setEnabled(false);
    }
    QWidget* bar = wnd->FindControl(QStringLiteral("device_select_layout"));
    ASSERT_NE(bar, nullptr);

    wiringPart->SetEditingState(*wnd, true, false);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_FALSE(panel->isEnabled());
    for (QPushButton* button : keyButtons)
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(wiringPart->Idle());

    wiringPart->SetEditingState(*wnd, true, true);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_TRUE(panel->isEnabled());
    for (QPushButton* button : keyButtons)
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();

    // Without the bar only the key buttons follow.
    wiringPart->SetEditingState(*wnd, false, false);
    EXPECT_TRUE(bar->isEnabled());
    for (QPushButton* button : keyButtons) EXPECT_TRUE(button->isEnabled());
}
