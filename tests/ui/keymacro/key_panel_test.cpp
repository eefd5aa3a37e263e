// The key panel as a user drives it: a button chosen on the page or in the Keys list, a
// function and its options, apply; what the mouse's key block and the profile file hold.
#include "keymacro_fixture.h"
#include "macros/key_table.h"

namespace {

class KeyPanel : public KeyMacroFixture {
protected:
    void SetUp() override {
        KeyMacroFixture::SetUp();
        if (HasFatalFailure()) return;
        Click("key_Op_tab");
        panel_ = FindKeyPanel();
        ASSERT_NE(panel_, nullptr);
    }
    void ChooseFunction(int number) const {
        ChooseItem(PageControl("keyset_function_combo"), panel_->FindFunctionItem(number));
    }
    CKeySetControlUI* panel_ = nullptr;
};

constexpr int kButton = 2;
constexpr uint8_t kScanC = 0x2E, kScanCtrl = 0x1D;

TEST_F(KeyPanel, KeyboardKeyWithCapturedModifierGoesToDeviceAndProfile) {
    Click("key_2");
    ASSERT_TRUE(PageControl("KeySetControlItem")->isVisibleTo(slot->page));
    const std::vector<uint8_t> before = DeviceKey(kButton);
    ChooseFunction(6);
    ASSERT_EQ(GetCurSel(PageControl("function_switch_tablayout")), 6);
    EXPECT_EQ(DeviceKey(kButton), before);  // nothing stored before a key was taken
    EXPECT_TRUE(GetText(PageControl("keyset_title"))
                    .startsWith(qobject_cast<QListWidget*>(PageControl("device_setkeyinfo_list"))
                                    ->item(kButton)
                                    ->text()
                                    .section(':', 0, 0)));

    // Right Ctrl, then C, as the capture reports them while the key field has the focus.
    SendKey(macros::HookMode::kSingleKey, kScanCtrl, true, true);
    EXPECT_EQ(panel_->GetModifierOption(), 1);
    SendKey(macros::HookMode::kSingleKey, kScanC, false, true);
    EXPECT_EQ(GetText(PageControl("keyset_keyboard_text_edit")), QStringLiteral("C"));
    sim->ClearFrames();
    Click("key_butt_keysave");

    EXPECT_EQ(DeviceKey(kButton), (std::vector<uint8_t>{0x20, 0x01, 0x06}));  // left Ctrl bit
    EXPECT_GE(CountCommand(kWriteKeyBlock), 1);
    EXPECT_EQ(ProfileAssignment(kButton), 0x200106);
    auto* list = qobject_cast<QListWidget*>(PageControl("device_setkeyinfo_list"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->item(kButton)->text().contains(QStringLiteral("Ctrl+C")))
        << list->item(kButton)->text().toStdString();
    EXPECT_TRUE(PageControl("key_butt_prosave")->isEnabled());  // changes pending

    // Shown again from the stored assignment: keyboard key, option Ctrl, key C.
    Click("key_1");
    Click("key_2");
    EXPECT_EQ(GetCurSel(PageControl("keyset_function_combo")), panel_->FindFunctionItem(6));
    EXPECT_EQ(panel_->GetModifierOption(), 1);
    EXPECT_EQ(GetText(PageControl("keyset_keyboard_text_edit")), QStringLiteral("C"));
}

TEST_F(KeyPanel, FocusOnTheKeyFieldInstallsTheCaptureAndLeavingRemovesIt) {
    Click("key_2");
    ChooseFunction(6);
    auto* edit = qobject_cast<QLineEdit*>(PageControl("keyset_keyboard_text_edit"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(wnd->Hook().Uninstall(), 1);  // it was installed
    wnd->Hook().Install(0, macros::HookMode::kSingleKey, wnd->GetHWND(), 1, 1);
    edit->clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(wnd->Hook().Uninstall(), 0);  // already removed
}

TEST_F(KeyPanel, OptionFunctionsAreStoredAsTheirCodes) {
    // Two macros for the macro functions.
    Json::Value list;
    list["MacroInfo"][0]["MacroName"] = "first";
    list["MacroInfo"][0]["Guid"] = "g1";
    list["MacroInfo"][1]["MacroName"] = "Burst";
    list["MacroInfo"][1]["Guid"] = "g2";
    ASSERT_TRUE(WriteJson(InUserFolder("macro.config"), list));
    slot->device->LoadLists();
    ASSERT_EQ(panel_->MacroCount(), 2);

    struct Case {
        const char* what;
        int function;
        std::function<void()> choose;
        std::vector<uint8_t> device;
    };
    const Case cases[] = {
        {"DPI cycle", 4, [&] { ChooseItem(PageControl("keyset_mousedpi_combo"), 2); }, {0x13, 0x03, 0x00}},
        {"macro 2 while held",
         9,
         [&] {
             ChooseItem(PageControl("keyset_macro_combo"), 1);
             ChooseItem(PageControl("keyset_macro_over_combo"), 1);
         },
         {0x70, 0x01, 0x01}},
        {"macro 2 repeated 300 times (255)",
         9,
         [&] {
             ChooseItem(PageControl("keyset_macro_combo"), 1);
             ChooseItem(PageControl("keyset_macro_over_combo"), 4);
             EXPECT_TRUE(PageControl("keyset_macro_cycle_layout")->isVisibleTo(slot->page));
             TypeAndLeave(PageControl("keyset_macro_cycle_edit"), QStringLiteral("300"));
         },
         {0x71, 0x01, 0xFF}},
        {"wheel down 3",
         3,
         [&] {
             ChooseItem(PageControl("keyset_mousewheel_combo"), 1);
             TypeAndLeave(PageControl("keyset_mousewheel_num_edit"), QStringLiteral("3"));
         },
         {0x12, 0x00, 0xFD}},
        {"gun preset 2", 10, [&] { ChooseItem(PageControl("keyset_gunkey_combo"), 1); }, {0x72, 0x01, 0x00}},
        {"Ctrl+C combination",
         11,
         [&] { ChooseItem(PageControl("keyset_combokey_combo"), 4); },
         {0x20, 0x01, 0x06}},
    };
    for (const Case& c : cases) {
        Click("key_3");
        ChooseFunction(c.function);
        c.choose();
        EXPECT_EQ(DeviceKey(3), c.device) << c.what;
        EXPECT_EQ(ProfileAssignment(3), (c.device[0] << 16) | (c.device[1] << 8) | c.device[2]) << c.what;
    }
    EXPECT_EQ(GetText(PageControl("keyset_macro_cycle_edit")), QStringLiteral("255"));
    // The stored repeat shows the macro's name in the Keys list, not its bytes.
    Click("key_3");
    ChooseFunction(9);
    ChooseItem(PageControl("keyset_macro_combo"), 1);
    ChooseItem(PageControl("keyset_macro_over_combo"), 0);
    auto* keys = qobject_cast<QListWidget*>(PageControl("device_setkeyinfo_list"));
    EXPECT_TRUE(keys->item(3)->text().contains(QStringLiteral("Burst")))
        << keys->item(3)->text().toStdString();
}

TEST_F(KeyPanel, KeysListRowOpensThePanelAndDefaultAndCancelRestore) {
    auto* keys = qobject_cast<QListWidget*>(PageControl("device_setkeyinfo_list"));
    ASSERT_NE(keys, nullptr);
    ASSERT_GT(keys->count(), 3);
    SelectItem(keys, 3, true);  // as a click on the row does
    EXPECT_EQ(slot->device->SelectedKey(), 3);
    const KeyAssignHalf before = mouse->Assignments()[3].current;
    EXPECT_EQ(panel_->Current(), before);

    ChooseFunction(4);
    ChooseItem(PageControl("keyset_mousedpi_combo"), 0);
    EXPECT_EQ(DeviceKey(3), (std::vector<uint8_t>{0x13, 0x01, 0x00}));

    Click("key_butt_keydefalut");  // shows the default; nothing stored until applied
    EXPECT_EQ(GetCurSel(PageControl("keyset_function_combo")), panel_->FindFunctionItem(0));
    EXPECT_EQ(DeviceKey(3), (std::vector<uint8_t>{0x13, 0x01, 0x00}));
    Click("key_butt_keycancel");
    EXPECT_EQ(GetCurSel(PageControl("keyset_function_combo")), panel_->FindFunctionItem(4));
    EXPECT_FALSE(PageControl("key_butt_keysave")->isEnabled());
    Click("key_butt_keydefalut");
    Click("key_butt_keysave");
    const KeyAssignHalf defaults = mouse->Assignments()[3].defaults;
    EXPECT_EQ(DeviceKey(3), (std::vector<uint8_t>{defaults.type, defaults.param1, defaults.param2}));
}

TEST_F(KeyPanel, TheLastLeftButtonKeepsItsFunction) {
    // Two left buttons: button 1 may be edited, but once button 0 is changed elsewhere,
    // button 1 is the last one and keeps its function.
    const KeyAssignHalf left{1, 0x10, 0x01, 0x00, 0};
    mouse->SetAssignment(1, left);
    Click("key_1");
    ASSERT_EQ(slot->device->SelectedKey(), 1);
    mouse->SetAssignment(0, KeyAssignHalf{0, 0x10, 0x02, 0x00, 0});
    const int shown = CMsgWnd::LastShown().count;
    CMsgWnd::SetNextAnswer(1);
    ChooseFunction(4);
    ChooseItem(PageControl("keyset_mousedpi_combo"), 0);
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_6"));
    EXPECT_EQ(mouse->Assignments()[1].current, left);
}

TEST_F(KeyPanel, ScreenshotWithThePanelOpen) {
    Click("key_2");
    ChooseFunction(6);
    SendKey(macros::HookMode::kSingleKey, kScanCtrl, false, true);
    SendKey(macros::HookMode::kSingleKey, kScanC, false, true);
    SaveScreenshot(QStringLiteral("keys_page_key_panel.png"));
}

}  // namespace
