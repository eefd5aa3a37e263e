// The keyboard page's Keys and Macros tabs as a user drives them: a key chosen on the
// keyboard, its new function applied, macros written, sent and assigned; what the simulated
// keyboard received, the profile and the macro files.
#include <QDir>
#include <QListWidget>

#include <cstdlib>

#include "macros/key_table.h"
#include "macros/macro_capacity.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/macro/macro_control_ui.h"
#include "kbpad_window.h"
#include "shell/msg_wnd.h"
#include "ui/language_table.h"

namespace {

constexpr int kKeyboard = 1;
constexpr int kLedA = 64;  // identity 20 00 04
constexpr uint8_t kWriteKeyBlock = 0x09;
constexpr uint8_t kWriteMacro = 0x15;
constexpr int kMediaFunction = 7;
constexpr int kMacroFunction = 9;
constexpr int kPlayPauseItem = 1;  // of "keyset_media_combo": 30 CD 00

class KeyboardTabs : public KbPadWindow {
protected:
    void SetUp() override {
        // Every test starts with an empty user data folder.
        QDir(QString::fromLocal8Bit(std::getenv("XDG_DATA_HOME")) + QStringLiteral("/KV_ELM Gaming mouse"))
            .removeRecursively();
        CMsgWnd::ClearNextAnswers();
        KbPadWindow::SetUp();
    }
    void TearDown() override {
        CMsgWnd::ClearNextAnswers();
        KbPadWindow::TearDown();
    }
    void StartOnTab(const char* tab, SimKeyboardModel model = SimKeyboardModel::Keyboard()) {
        keyboard = PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>(std::move(model)));
        slot = SlotOfKind(kKeyboard);
        ASSERT_NE(slot, nullptr);
        Select(slot);
        SetSelected(PageControl(slot, tab), true, true);
        keyPanel = slot->page->findChild<CKeySetControlUI*>();
        macroPage = slot->page->findChild<CMacroControlUI*>();
        ASSERT_NE(keyPanel, nullptr);
        ASSERT_NE(macroPage, nullptr);
    }
    QWidget* Control(const char* name) const { return PageControl(slot, name); }
    void ChooseFunction(int number) const {
        Choose(slot, "keyset_function_combo", keyPanel->FindFunctionItem(number));
    }

    // The key code the keyboard holds for the key under LED `led`.
    Bytes DeviceKeyCode(int led) const {
        const Bytes table = keyboard->KeyTable();
        const size_t at = size_t{slot->keyboard->LedKeyMap()[static_cast<size_t>(led)]} * 3;
        return at + 3 <= table.size()
                   ? Bytes(table.begin() + static_cast<long>(at), table.begin() + static_cast<long>(at) + 3)
                   : Bytes{};
    }
    Json::Value ProfileKey(int led) const {
        return ReadJson(slot->device->GetProfileFile())["Device"][0]["KeyList"][led];
    }
    int CountCommand(uint8_t command) const {
        const auto frames = keyboard->CommandFrames();
        return static_cast<int>(std::count_if(frames.begin(), frames.end(),
                                              [command](const Bytes& f) { return f[3] == command; }));
    }
    Json::Value MacroFile(int index) const { return ReadJson(macroPage->Store().MacroFile(index)); }
    std::string InDataFolder(const char* name) const { return slot->device->DataFolder() + name; }
    void InsertKey(const char* word, bool down, const char* delay) const {
        Choose(slot, "macro_event_key_combo", static_cast<int>(*macros::FindWordRow(word)));
        Choose(slot, "macro_event_action_combo", down ? 0 : 1);
        SetText(Control("macro_tab_macrodelay_edit"), QLatin1String(delay));
        Click(Control("macro_btn_event_insert"));
    }

    std::shared_ptr<SimKeyboard> keyboard;
    DeviceSlot* slot = nullptr;
    CKeySetControlUI* keyPanel = nullptr;
    CMacroControlUI* macroPage = nullptr;
};

TEST_F(KeyboardTabs, KeyAssignmentReachesTheKeyboardAndItsProfile) {
    StartOnTab("key_Op_tab");
    ASSERT_EQ(slot->device->GetFunctionMode(), 2);
    const Bytes tableBefore = keyboard->KeyTable();

    Click(Control("key_64"));
    EXPECT_TRUE(Control("KeySetControlItem")->isVisibleTo(slot->page));
    EXPECT_EQ(keyPanel->DeviceKind(), CKeySetControlUI::kKeyboardKind);
    const QString ownName = Control("key_64")->property("toolTipTitle").toString();
    ASSERT_FALSE(ownName.isEmpty());
    EXPECT_EQ(GetText(Control("keyset_title")), ownName);

    const QString ownToolTip = Control("key_64")->toolTip();
    ChooseFunction(kMediaFunction);
    Choose(slot, "keyset_media_combo", kPlayPauseItem);
    EXPECT_EQ(DeviceKeyCode(kLedA), (Bytes{0x30, 0xCD, 0x00}));
    EXPECT_GE(CountCommand(kWriteKeyBlock), 1);
    EXPECT_EQ(ProfileKey(kLedA)["Assignment"].asInt(), 0x30CD00);
    // Only that key changed on the keyboard.
    Bytes expected = tableBefore;
    const size_t at = size_t{slot->keyboard->LedKeyMap()[kLedA]} * 3;
    std::copy_n(Bytes{0x30, 0xCD, 0x00}.begin(), 3, expected.begin() + static_cast<long>(at));
    EXPECT_EQ(keyboard->KeyTable(), expected);
    EXPECT_NE(Control("key_64")->toolTip(), ownToolTip) << "the key's label names its new function";

    // Default is shown, not stored, until applied; cancel shows the stored one again.
    Click(Control("key_butt_keydefalut"));
    EXPECT_EQ(GetCurSel(Control("keyset_function_combo")), keyPanel->FindFunctionItem(0));
    EXPECT_EQ(DeviceKeyCode(kLedA), (Bytes{0x30, 0xCD, 0x00}));
    Click(Control("key_butt_keycancel"));
    EXPECT_EQ(GetCurSel(Control("keyset_function_combo")), keyPanel->FindFunctionItem(kMediaFunction));
    Click(Control("key_butt_keydefalut"));
    Click(Control("key_butt_keysave"));
    EXPECT_EQ(DeviceKeyCode(kLedA), (Bytes{0x20, 0x00, 0x04}));
    EXPECT_EQ(ProfileKey(kLedA)["Assignment"].asInt(), 0x200004);
    EXPECT_EQ(keyboard->KeyTable(), tableBefore);
    EXPECT_EQ(Control("key_64")->toolTip(), ownToolTip);
}

TEST_F(KeyboardTabs, MacroSavedGoesToItsFileAndTheKeyboardAndAKeyRunsIt) {
    StartOnTab("macro_Op_tab");
    Click(Control("macro_btn_name_add"));
    ASSERT_EQ(ReadJson(InDataFolder("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "macro_1");
    EXPECT_EQ(keyPanel->MacroCount(), 1);
    keyboard->ClearFrames();
    InsertKey("a", true, "30");
    InsertKey("a", false, "0");

    const Json::Value events = MacroFile(0)["Events"];
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["Action"].asString(), "down");
    EXPECT_EQ(events[0]["Delay"].asString(), "30");
    EXPECT_EQ(macroPage->Store().MacroFile(0).rfind(slot->device->DataFolder(), 0), 0u)
        << "the keyboard's own folder";
    EXPECT_GE(CountCommand(kWriteMacro), 1);
    // The image the keyboard took: magic, one macro, the events 1E 00 8A 04 and 00 00 0A 04.
    const Bytes image = keyboard->MacroImage();
    ASSERT_GE(image.size(), 16u + 2 + 4 + 8);
    EXPECT_EQ(image[0], 0xAA);
    EXPECT_EQ(image[1], 0x55);
    EXPECT_EQ(image[4], 1);
    const Bytes events2{0x1E, 0x00, 0x8A, 0x04, 0x00, 0x00, 0x0A, 0x04};
    EXPECT_NE(std::search(image.begin(), image.end(), events2.begin(), events2.end()), image.end());

    // The A key runs it.
    SetSelected(Control("key_Op_tab"), true, true);
    Click(Control("key_64"));
    ChooseFunction(kMacroFunction);
    Choose(slot, "keyset_macro_combo", 0);
    EXPECT_EQ(DeviceKeyCode(kLedA)[0], 0x70);
    EXPECT_EQ(DeviceKeyCode(kLedA)[1], 0);
    EXPECT_EQ(ProfileKey(kLedA)["Assignment"].asInt() >> 16, 0x70);
    EXPECT_TRUE(Control("key_64")->toolTip().contains(QStringLiteral("macro_1")))
        << Control("key_64")->toolTip().toStdString();
}

TEST_F(KeyboardTabs, AMacroTooLargeForTheKeyboardIsRefusedWithItsMessage) {
    // 128 bytes of macro memory hold one macro of 26 events (16 + 6 + 104 bytes).
    SimKeyboardModel small = SimKeyboardModel::Keyboard();
    small.macroMemoryUnits = 1;
    StartOnTab("macro_Op_tab", small);
    Click(Control("macro_btn_name_add"));
    Json::Value macro = MacroFile(0);
    for (int i = 0; i < 26; ++i) {
        Json::Value event;
        event["Type"] = 10;
        event["Button"] = 4;
        event["Action"] = i % 2 ? "up" : "down";
        event["Delay"] = "10";
        macro["Events"][i] = event;
    }
    {
        std::ofstream out(macroPage->Store().MacroFile(0));
        out << Json::StyledWriter().write(macro);
    }
    macroPage->LoadSelectedMacro();
    keyboard->ClearFrames();
    const int shown = CMsgWnd::LastShown().count;
    CMsgWnd::SetNextAnswer(1);
    InsertKey("b", true, "5");

    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    const QString expected =
        CLanguageTable::Instance()
            .Text(QStringLiteral("message_text_16"), QLatin1String(macros::kCapacityMessageEnglish))
            .replace(QStringLiteral("%d"), QStringLiteral("1"));  // 4 bytes over: (130 - 128) / 4 + 1
    EXPECT_EQ(CMsgWnd::LastShown().text, expected);
    EXPECT_EQ(MacroFile(0)["Events"].size(), 26u);
    EXPECT_EQ(CountCommand(kWriteMacro), 0);
    EXPECT_TRUE(keyboard->MacroImage().empty());
}

}  // namespace
