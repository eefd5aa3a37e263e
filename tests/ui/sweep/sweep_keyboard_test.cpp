// The keyboard's page swept tab by tab: lighting and the custom key colours, key
// assignments, macros and the system values. After every change the page, the profile file
// and the keyboard's memory agree; after a restart the page shows the same and the keyboard
// holds the same.
#include <QListWidget>

#include "devices/keyboard_device.h"
#include "macros/key_table.h"
#include "panels/keyboardpage/keyboard_page.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/macro/macro_control_ui.h"
#include "sweep_kinds_lighting.h"

namespace kinds_sweep {
namespace {

constexpr int kKeyboard = DeviceKind::kKeyboard;
constexpr int kCustomColourMode = 8;
constexpr int kLedA = 64;  // the A key: its own code 20 00 04

class KeyboardSweep : public LightingSweep {
protected:
    DeviceSlot* Slot() const { return SlotOfKind(kKeyboard); }
    CKeyboardPage* KeyboardPage() const {
        return dynamic_cast<CKeyboardPage*>(Slot()->keyboard->KeyboardPage());
    }
    CKeySetControlUI* KeyPanel() const { return page->findChild<CKeySetControlUI*>(); }
    CMacroControlUI* MacroPanel() const { return page->findChild<CMacroControlUI*>(); }

    // ---- the keyboard's memory ----
    // The code the keyboard holds for the key under LED `led`, as the profile packs it.
    int DeviceKeyCode(int led) const {
        const Bytes table = keyboard->KeyTable();
        const size_t at = size_t{Slot()->keyboard->LedKeyMap()[static_cast<size_t>(led)]} * 3;
        return at + 3 <= table.size() ? table[at] << 16 | table[at + 1] << 8 | table[at + 2] : -1;
    }
    // The colour the keyboard lights the key under LED `led` with, as 0xRRGGBB.
    uint32_t DeviceKeyColour(int led) const {
        const Bytes frame = keyboard->LightFrame();
        const uint8_t key = Slot()->keyboard->LedKeyMap()[static_cast<size_t>(led)];
        const size_t at = size_t{keyboard->KeyLightPositions().at(key)} * 3;
        return uint32_t(frame.at(at)) << 16 | uint32_t(frame.at(at + 1)) << 8 | frame.at(at + 2);
    }

    // ---- the page ----
    // The colour the LED strip under a key shows, as 0xRRGGBB (the strip keeps red low).
    uint32_t ShownKeyColour(int led) const {
        const uint32_t bgr = KeyboardPage()->LightControl(led)->property("lightColour").toUInt();
        return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    }
    uint32_t StoredKeyColour(int group, int led) const {
        const Json::Value c = Stored(
            Slot(), "CustomLightMode/LightColorInfo/" + std::to_string(group) + "/" + std::to_string(led));
        return c["Red"].asUInt() << 16 | c["Green"].asUInt() << 8 | c["Blue"].asUInt();
    }
    void ChooseFunction(int number) { Choose("keyset_function_combo", KeyPanel()->FindFunctionItem(number)); }

    // ---- the tabs' drivers (each also serves the coverage check) ----
    void SweepCustomColours();
    void SweepKeys();
    void SweepMacros();
    void SweepSystem();
};

// ---- lighting ----

TEST_F(KeyboardSweep, LightingAgreesOnPageFileAndKeyboardAndAfterARestart) {
    SweepLightingAcrossARestart(
        kKeyboard, [this] { return keyboard->ActiveBlock(); }, [this] { return keyboard->ActiveBlock(); });
}

// Custom colours of mode 8: what the strips show is what the keyboard lights and what the
// profile's colour group keeps.
void KeyboardSweep::SweepCustomColours() {
    DeviceSlot* slot = Open(kKeyboard, "deng_Op_tab");
    const int leds[] = {0, 1, 2, 5, 64, 110};
    auto agree = [&](int group, const char* step) {
        SCOPED_TRACE(step);
        for (int led : leds) {
            EXPECT_EQ(DeviceKeyColour(led), ShownKeyColour(led)) << "keyboard and page, LED " << led;
            EXPECT_EQ(StoredKeyColour(group, led), ShownKeyColour(led)) << "profile and page, LED " << led;
        }
        EXPECT_EQ(Stored(slot, "CustomLightMode/CustomLightModeGroupIndex").asInt(), group);
    };
    // Switching to the mode sends the keys' colours the strips show (white when none was
    // painted), not a black frame.
    Choose("light_combo_modeSelect", kCustomColourMode);
    ASSERT_EQ(keyboard->ActiveBlock()[1], kCustomColourMode);
    agree(0, "mode 8 chosen");

    Choose("light_combo_custommodeSelect", 2);
    Click("color_option_4");  // #00FFFF
    Click("key_5");
    EXPECT_EQ(ShownKeyColour(5), 0x00FFFFu);
    agree(2, "a key painted");

    // A band from the panel's corner over Esc and F1.
    Drove("keyboard_device_key_light");
    QWidget* keys = Control("keyboard_device_key_light");
    const QPoint from(1, 1);
    const QPoint to = KeyboardPage()->KeyControl(1)->geometry().center();
    QTest::mousePress(keys, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(keys, (from + to) / 2);
    QTest::mouseMove(keys, to);
    QTest::mouseRelease(keys, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(ShownKeyColour(0), 0x00FFFFu);
    EXPECT_EQ(ShownKeyColour(1), 0x00FFFFu);
    agree(2, "a band painted");

    Choose("light_combo_custommodeSelect", 3);
    Click("color_option_0");  // #FF0000
    Click("custom_bright_color_btn");
    EXPECT_EQ(ShownKeyColour(110), 0xFF0000u);
    agree(3, "all keys filled");
    Click("custom_off_color_btn");
    EXPECT_EQ(ShownKeyColour(110), 0u);
    agree(3, "all keys off");

    // Back to group 2: its own colours are shown, stored and sent.
    Choose("light_combo_custommodeSelect", 2);
    EXPECT_EQ(ShownKeyColour(5), 0x00FFFFu);
    agree(2, "group 2 again");
}

TEST_F(KeyboardSweep, CustomKeyColoursAgreeOnPageFileAndKeyboardAndAfterARestart) {
    SweepCustomColours();
    std::vector<std::string> strips = {"light_combo_custommodeSelect"};
    for (int led : {0, 1, 2, 5, 64, 110}) strips.push_back("light_" + std::to_string(led));
    const Snapshot before = SnapshotOf(page, strips);
    const Bytes frame = keyboard->LightFrame();

    Restart();
    Open(kKeyboard, "deng_Op_tab");
    EXPECT_EQ(SnapshotOf(page, strips), before);
    EXPECT_EQ(keyboard->LightFrame(), frame);
}

// ---- keys ----

void KeyboardSweep::SweepKeys() {
    DeviceSlot* slot = Open(kKeyboard, "key_Op_tab");
    Click("key_" + std::to_string(kLedA));
    ASSERT_TRUE(Control("KeySetControlItem")->isVisible());
    Drove("key_*");

    // A number typed then Enter commits as one typed then left; the steps use both.
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"mouse button: second item",
         [&] {
             ChooseFunction(1);
             Choose("keyset_mousekey_combo", 1);
         }},
        {"horizontal scroll: second direction",
         [&] {
             ChooseFunction(2);
             Choose("keyset_mouseswing_combo", 1);
         }},
        {"horizontal scroll: count typed, left", [&] { TypeAndLeave("keyset_mouseswing_num_edit", "5"); }},
        {"horizontal scroll: delay typed, Enter", [&] { TypeAndEnter("keyset_mouseswing_delay_edit", "3"); }},
        {"horizontal scroll: speed typed, left", [&] { TypeAndLeave("keyset_mouseswing_speed_edit", "7"); }},
        {"wheel: second direction",
         [&] {
             ChooseFunction(3);
             Choose("keyset_mousewheel_combo", 1);
         }},
        {"wheel: count typed, left", [&] { TypeAndLeave("keyset_mousewheel_num_edit", "4"); }},
        {"wheel: delay typed, left", [&] { TypeAndLeave("keyset_mousewheel_delay_edit", "2"); }},
        {"wheel: speed typed, Enter", [&] { TypeAndEnter("keyset_mousewheel_speed_edit", "6"); }},
        {"rapid fire: interval typed, left",
         [&] {
             ChooseFunction(5);
             TypeAndLeave("keyset_mousefire_interval_edit", "40");
         }},
        {"rapid fire: count typed, Enter", [&] { TypeAndEnter("keyset_mousefire_num_edit", "3"); }},
        {"media: play/pause",
         [&] {
             ChooseFunction(7);
             Choose("keyset_media_combo", 1);
         }},
        {"system key: second",
         [&] {
             ChooseFunction(8);
             Choose("keyset_system_combo", 1);
         }},
        {"key combination: second",
         [&] {
             ChooseFunction(11);
             Choose("keyset_combokey_combo", 1);
         }},
        {"keyboard key: B pressed in the field",
         [&] {
             ChooseFunction(6);
             Drove("keyset_keyboard_text_edit");
             auto* edit = Control("keyset_keyboard_text_edit");
             QTest::mouseClick(edit, Qt::LeftButton);
             QTest::keyClick(edit, Qt::Key_B);
             Click("key_butt_keysave");
         }},
        {"keyboard key: with Ctrl",
         [&] {
             Click("key_ComBox_check_1");
             Click("key_butt_keysave");
         }},
        {"default shown, then cancelled",
         [&] {
             Click("key_butt_keydefalut");
             Click("key_butt_keycancel");
         }},
        {"default applied",
         [&] {
             Click("key_butt_keydefalut");
             Click("key_butt_keysave");
         }},
    };
    // The packed code each step leaves on the key: type, parameter 1, parameter 2. A scroll
    // keeps delay and speed in parameter 1 (delay x 16 + speed), direction and count in
    // parameter 2 (right: 0x80 + count; a wheel turned down counts below zero); rapid fire
    // keeps its interval in parameter 1 and its count in parameter 2.
    const int expected[] = {
        0x100400, 0x110080, 0x110085, 0x113085, 0x113785, 0x120080, 0x1200FC, 0x1220FC, 0x1226FC,
        0x142800, 0x142803, 0x30CD00, 0x400200, 0x200111, 0x200005, 0x200105, 0x200105, 0x200004,
    };
    ASSERT_EQ(std::size(expected), steps.size());
    int previous = DeviceKeyCode(kLedA);
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].first);
        ClearFrames();
        steps[i].second();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !slot->device->IoBusy(); }, 3000));
        const int stored = Stored(slot, "KeyList/" + std::to_string(kLedA) + "/Assignment").asInt();
        EXPECT_EQ(DeviceKeyCode(kLedA), stored) << std::hex << "keyboard and profile";
        EXPECT_EQ(stored, expected[i]) << std::hex << "stored 0x" << stored;
        // The key's label names what it does now.
        const QString tip = KeyboardPage()->KeyControl(kLedA)->toolTip();
        if (stored != previous) {
            EXPECT_FALSE(tip.isEmpty());
        }
        previous = stored;
    }
}

TEST_F(KeyboardSweep, KeyAssignmentsAgreeOnPageFileAndKeyboardAndAfterARestart) {
    SweepKeys();
    // Leave a non-default assignment for the restart.
    ChooseFunction(7);
    Choose("keyset_media_combo", 1);
    ASSERT_EQ(DeviceKeyCode(kLedA), 0x30CD00);
    const std::vector<std::string> keys = {"key_5", "key_64", "key_65"};
    const Snapshot before = SnapshotOf(page, keys);
    const Bytes table = keyboard->KeyTable();

    Restart();
    Open(kKeyboard, "key_Op_tab");
    EXPECT_EQ(SnapshotOf(page, keys), before);
    EXPECT_EQ(keyboard->KeyTable(), table);
    Click("key_64");
    EXPECT_EQ(GetCurSel(Control("keyset_function_combo")), KeyPanel()->FindFunctionItem(7));
    EXPECT_EQ(GetCurSel(Control("keyset_media_combo")), 1);
}

// ---- macros ----

void KeyboardSweep::SweepMacros() {
    DeviceSlot* slot = Open(kKeyboard, "macro_Op_tab");
    // "New" takes the name typed in the name box.
    TypeAndLeave("macro_edit_macroname", "Burst");
    Click("macro_btn_name_add");
    const std::string config = slot->device->DataFolder() + "macro.config";
    EXPECT_EQ(ReadJson(config)["MacroInfo"][0]["MacroName"].asString(), "Burst");
    EXPECT_EQ(GetItemCount(Control("macro_name_list")), 1);
    Drove("macro_name_list");

    auto insert = [&](const char* word, bool down, const char* delay) {
        Choose("macro_event_key_combo", static_cast<int>(*macros::FindWordRow(word)));
        Choose("macro_event_action_combo", down ? 0 : 1);
        TypeAndLeave("macro_tab_macrodelay_edit", QLatin1String(delay));
        Click("macro_btn_event_insert");
    };
    insert("a", true, "30");
    insert("a", false, "20");
    insert("b", true, "10");
    insert("b", false, "0");
    // The last two rows go up to the top, then the first is deleted.
    auto* rows = qobject_cast<QListWidget*>(Control("macro_action_list"));
    ASSERT_NE(rows, nullptr);
    Drove("macro_action_list");
    rows->setCurrentRow(3);
    Click("macro_btn_uptop");
    rows->setCurrentRow(0);
    Click("macro_btn_delete");
    Click("macro_btn_save");

    const Json::Value events = ReadJson(MacroPanel()->Store().MacroFile(0))["Events"];
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0]["Action"].asString(), "down");
    EXPECT_EQ(events[0]["Delay"].asString(), "30");
    EXPECT_EQ(events[2]["Action"].asString(), "down");
    EXPECT_EQ(events[2]["Delay"].asString(), "10");
    EXPECT_EQ(rows->count(), 3) << "the list shows what the file holds";
    // The keyboard holds the macro: magic, one macro, its three events in order.
    const Bytes image = keyboard->MacroImage();
    ASSERT_GE(image.size(), 5u);
    EXPECT_EQ(image[0], 0xAA);
    EXPECT_EQ(image[1], 0x55);
    EXPECT_EQ(image[4], 1);
    const Bytes aDown{0x1E, 0x00, 0x8A, 0x04}, aUp{0x14, 0x00, 0x0A, 0x04}, bDown{0x0A, 0x00, 0x8A, 0x05};
    Bytes three(aDown);
    three.insert(three.end(), aUp.begin(), aUp.end());
    three.insert(three.end(), bDown.begin(), bDown.end());
    EXPECT_NE(std::search(image.begin(), image.end(), three.begin(), three.end()), image.end());

    // The A key runs it, repeated three times.
    Click("key_Op_tab");
    Click("key_" + std::to_string(kLedA));
    ChooseFunction(9);
    Choose("keyset_macro_combo", 0);
    Choose("keyset_macro_over_combo", 4);
    TypeAndLeave("keyset_macro_cycle_edit", "3");
    const int stored = Stored(slot, "KeyList/" + std::to_string(kLedA) + "/Assignment").asInt();
    EXPECT_EQ(DeviceKeyCode(kLedA), stored);
    EXPECT_EQ(stored >> 16, 0x71) << "a repeated macro";
    EXPECT_TRUE(KeyboardPage()->KeyControl(kLedA)->toolTip().contains(QStringLiteral("Burst")));

    // A second macro recorded from the keyboard: C pressed and released on the window. The
    // clicks on Start and Stop are no part of it.
    Click("macro_Op_tab");
    TypeAndLeave("macro_edit_macroname", "Typed");
    Click("macro_btn_name_add");
    Click("macro_btn_starredio");
    QTest::keyClick(wnd.get(), Qt::Key_C);
    Click("macro_btn_stopredio");
    const Json::Value recorded = ReadJson(MacroPanel()->Store().MacroFile(1))["Events"];
    ASSERT_EQ(recorded.size(), 2u) << recorded.toStyledString();
    for (unsigned i = 0; i < 2; ++i) {
        EXPECT_EQ(recorded[i]["Type"].asInt(), 10) << i;
        EXPECT_EQ(recorded[i]["Button"].asInt(), 6) << i;  // C
        EXPECT_EQ(recorded[i]["Action"].asString(), i == 0 ? "down" : "up") << i;
    }
    EXPECT_EQ(ReadJson(config)["MacroInfo"][1]["MacroName"].asString(), "Typed");
    ASSERT_GE(keyboard->MacroImage().size(), 5u);
    EXPECT_EQ(keyboard->MacroImage()[4], 2) << "the keyboard holds both macros";
}

TEST_F(KeyboardSweep, MacroAgreesOnPageFilesAndKeyboardAndAfterARestart) {
    SweepMacros();
    const Bytes image = keyboard->MacroImage();
    const Bytes table = keyboard->KeyTable();
    Click("macro_Op_tab");
    Choose("macro_name_list", 0);
    const int rowsBefore = GetItemCount(Control("macro_action_list"));

    Restart();
    Open(kKeyboard, "macro_Op_tab");
    Choose("macro_name_list", 0);
    EXPECT_EQ(GetItemCount(Control("macro_name_list")), 2);  // "Burst" and "Typed"
    EXPECT_EQ(GetItemCount(Control("macro_action_list")), rowsBefore);
    EXPECT_EQ(keyboard->MacroImage(), image);
    EXPECT_EQ(keyboard->KeyTable(), table);
    EXPECT_TRUE(KeyboardPage()->KeyControl(kLedA)->toolTip().contains(QStringLiteral("Burst")));
}

// ---- system values ----

struct SystemCase {
    const char* control;
    int input;          // the slider's position; options and flags are clicked
    const char* stage;  // member of "SystemStages"
    int stored;
    int blockByte;  // -1: the host's own value, never sent
};

void KeyboardSweep::SweepSystem() {
    DeviceSlot* slot = Open(kKeyboard, "system_Op_tab");
    const bool win = Selected("winlockflag_option"), w = Selected("wflag_option"),
               six = Selected("6flag_option");
    const SystemCase cases[] = {
        {"polling_rate_option_2", 0, "PollingRate", 2, 22},
        {"polling_rate_option_0", 0, "PollingRate", 0, 22},
        {"polling_rate_option_1", 0, "PollingRate", 1, 22},
        {"polling_rate_option_3", 0, "PollingRate", 3, 22},
        {"winlockflag_option", 0, "WinFlag", !win, 21},
        {"wflag_option", 0, "WFlag", !w, 19},
        {"6flag_option", 0, "Key6Flag", !six, 20},
        {"6flag_option", 0, "Key6Flag", six, 20},
        {"6flag_option", 0, "Key6Flag", !six, 20},
        {"repeat_delay_check_2", 0, "RepeatDelay", 2, -1},
        {"repeat_delay_check_0", 0, "RepeatDelay", 0, -1},
        {"repeat_delay_check_1", 0, "RepeatDelay", 1, -1},
        {"repeat_delay_check_3", 0, "RepeatDelay", 3, -1},
        {"repeat_rate_slider", 7, "Repeat", 7, -1},
    };
    for (const SystemCase& c : cases) {
        SCOPED_TRACE(c.control);
        ClearFrames();
        if (std::string(c.control) == "repeat_rate_slider")
            DragAndRelease(c.control, c.input);
        else
            Click(c.control);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !slot->device->IoBusy(); }, 3000));
        EXPECT_EQ(Stored(slot, std::string("SystemStages/") + c.stage).asInt(), c.stored);
        const std::vector<Bytes> writes = MemoryWrites(*keyboard);
        if (c.blockByte < 0) {
            EXPECT_TRUE(writes.empty()) << "the host's value goes to no device";
            continue;
        }
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(writes[0].at(static_cast<size_t>(c.blockByte)), c.stored);
        EXPECT_EQ(keyboard->ActiveBlock().at(static_cast<size_t>(c.blockByte)), c.stored);
    }
    EXPECT_EQ(KeyboardPage()->SelectedPollingRate(), 3);
    EXPECT_EQ(KeyboardPage()->SelectedRepeatDelay(), 3);
    EXPECT_TRUE(GetText(Control("repeat_delay_time_label1")).endsWith(QStringLiteral("1000ms")));
    EXPECT_EQ(Value("repeat_rate_slider"), 7);
}

TEST_F(KeyboardSweep, SystemValuesAgreeOnPageFileAndKeyboardAndAfterARestart) {
    SweepSystem();
    const std::vector<std::string> shown = {
        "polling_rate_option_0", "polling_rate_option_1", "polling_rate_option_2", "polling_rate_option_3",
        "winlockflag_option",    "wflag_option",          "6flag_option",          "repeat_delay_check_0",
        "repeat_delay_check_1",  "repeat_delay_check_2",  "repeat_delay_check_3",  "repeat_rate_slider"};
    const Snapshot before = SnapshotOf(page, shown);
    const Bytes block = keyboard->ActiveBlock();

    Restart();
    Open(kKeyboard, "system_Op_tab");
    EXPECT_EQ(SnapshotOf(page, shown), before);
    EXPECT_EQ(keyboard->ActiveBlock(), block);
}

// ---- coverage ----

TEST_F(KeyboardSweep, EveryControlOfThePageIsDrivenOrSaysWhyNot) {
    SweepLighting(kKeyboard, [this] { return keyboard->ActiveBlock(); });
    SweepCustomColours();
    SweepKeys();
    SweepMacros();
    SweepSystem();
    for (const char* tab : {"deng_Op_tab", "key_Op_tab", "macro_Op_tab", "system_Op_tab"}) Drove(tab);
    std::vector<NotDriven> notDriven = LightingNotDriven();
    const std::vector<NotDriven> own = {
        {"light_*", "the LED strips under the keys: lamps that take no clicks"},
        {"repeat_input_richedit", "a field to try the repeat rate in; its text is never kept"},
        {"reset_repeat_btn", "empties the repeat test field; no setting"},
        {"keyset_mousedpi_combo", "DPI actions are hidden for keyboard keys"},
        {"keyset_gunkey_combo", "gun presets are hidden for keyboard keys"},
        {"key_ComBox_check_*", "the other modifiers take the same route as Ctrl (key_ComBox_check_1)"},
        {"keyset_option_*", "the option lists' own items, chosen through their combos"},
        {"macro_btn_name_sub", "macro file command: the macro page tests drive it"},
        {"macro_btn_name_edit", "macro file command: the macro page tests drive it"},
        {"macro_btn_name_copy", "macro file command: the macro page tests drive it"},
        {"macro_btn_import", "macro file command: the macro page tests drive it"},
        {"macro_btn_export", "macro file command: the macro page tests drive it"},
        {"macro_btn_cancel", "drops unsaved macro edits: the macro page tests drive it"},
        {"macro_btn_up", "row order: the same route as macro_btn_uptop"},
        {"macro_btn_down", "row order: the same route as macro_btn_uptop"},
        {"macro_btn_downbottom", "row order: the same route as macro_btn_uptop"},
        {"macro_btn_deleteall", "row delete: the same route as macro_btn_delete"},
        {"macro_btn_event_set", "row edit: the same route as macro_btn_event_insert"},
        {"macro_check_nodelay", "recording option: the capture tests drive it"},
        {"macro_check_time", "recording option: the capture tests drive it"},
        {"macro_fixed_time_edit", "recording option: the capture tests drive it"},
        {"macro_inset_move*", "pointer moves of a mouse macro: the macro page tests drive them"},
        {"mouse_x_*", "pointer moves of a mouse macro: the macro page tests drive them"},
        {"mouse_y_*", "pointer moves of a mouse macro: the macro page tests drive them"},
        {"macro_tab_macroaction_edit", "shows the chosen row's event; edited through the combos"},
        {"macro_delay", "a row's delay: the macro page tests drive it"},
    };
    notDriven.insert(notDriven.end(), own.begin(), own.end());
    for (const NotDriven& tab :
         HiddenTabs({"cursor_Op_tab", "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}))
        notDriven.push_back(tab);
    CheckCoverage("keyboard", notDriven);
}

}  // namespace
}  // namespace kinds_sweep
