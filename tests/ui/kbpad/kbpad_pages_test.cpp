// The keyboard and the mouse pad in the window: their pages arrive with their devices, the
// keyboard's key buttons and system values, the pad's lighting reach the devices and the
// profiles.
#include <QAbstractSlider>

#include "kbpad_window.h"

namespace {

constexpr int kKeyboard = 1;
constexpr int kMousePad = 3;

using KbPadPages = KbPadWindow;

TEST_F(KbPadPages, PagesArriveWithTheirDevices) {
    DeviceSlot* keyboardSlot = SlotOfKind(kKeyboard);
    DeviceSlot* padSlot = SlotOfKind(kMousePad);
    ASSERT_NE(keyboardSlot, nullptr);
    ASSERT_NE(padSlot, nullptr);
    EXPECT_NE(keyboardSlot->keyboard, nullptr);
    EXPECT_NE(padSlot->pad, nullptr);
    EXPECT_FALSE(keyboardSlot->entry->IsShown());
    EXPECT_FALSE(padSlot->entry->IsShown());

    auto keyboard = std::make_shared<SimKeyboard>();
    keyboard->Plug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyboardSlot->entry->IsShown(); }, 3000));
    // The first read learns the key matrix: information block, key table, key light positions.
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyboardSlot->keyboard->KeyTableRead(); }, 5000));
    EXPECT_EQ(GetText(FindControl(keyboardSlot->entry, QStringLiteral("device_select_name"))),
              QStringLiteral("KV_ELM Gaming Keyboard"));
    EXPECT_EQ(wnd->SelectedSlot(), keyboardSlot) << "the only device shown is selected";

    // Every LED has its key button and its LED strip on the page.
    auto* page = dynamic_cast<CKeyboardPage*>(keyboardSlot->keyboard->KeyboardPage());
    ASSERT_NE(page, nullptr);
    for (int led = 0; led < 126; ++led) {
        ASSERT_NE(page->KeyControl(led), nullptr) << led;
        ASSERT_NE(page->LightControl(led), nullptr) << led;
    }
    // Key labels: the key's own name, and where it was reassigned, the new one.
    EXPECT_TRUE(page->KeyControl(64)->toolTip().startsWith(
        page->KeyControl(64)->property("toolTipTitle").toString()));
    EXPECT_FALSE(page->KeyControl(64)->property("toolTipTitle").toString().isEmpty()) << "key A has a name";

    auto pad = std::make_shared<SimPad>();
    pad->Plug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return padSlot->entry->IsShown(); }, 3000));
    EXPECT_EQ(GetText(FindControl(padSlot->entry, QStringLiteral("device_select_name"))),
              QStringLiteral("KV_ELM Mouse Pad"));
    EXPECT_EQ(wnd->SelectedSlot(), keyboardSlot) << "a second device does not take the selection";

    keyboard->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !keyboardSlot->entry->IsShown(); }, 3000));
    EXPECT_EQ(wnd->SelectedSlot(), padSlot);
}

TEST_F(KbPadPages, KeyboardSystemValuesReachTheKeyboardAndItsProfile) {
    auto keyboard = PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>());
    DeviceSlot* slot = SlotOfKind(kKeyboard);
    Select(slot);
    SetSelected(PageControl(slot, "system_Op_tab"), true, true);

    struct Case {
        const char* control;
        size_t blockByte;  // the byte of the 25-byte block that carries it
        int option;        // the polling option clicked; -1: a flag, toggled
        const char* profileKey;
    };
    const Case cases[] = {
        {"polling_rate_option_1", 22, 1, "PollingRate"},
        {"polling_rate_option_3", 22, 3, "PollingRate"},
        {"winlockflag_option", 21, -1, "WinFlag"},
        {"wflag_option", 19, -1, "WFlag"},
        {"6flag_option", 20, -1, "Key6Flag"},
        {"6flag_option", 20, -1, "Key6Flag"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        keyboard->ClearFrames();
        QWidget* control = PageControl(slot, c.control);
        const bool wasOn = IsSelected(control);
        Click(control);
        const int value = c.option >= 0 ? c.option : !wasOn;
        const std::vector<Bytes> writes = MemoryWrites(*keyboard);
        ASSERT_EQ(writes.size(), 1u);
        ASSERT_EQ(writes[0].size(), 25u);
        EXPECT_EQ(writes[0][c.blockByte], value);
        const Json::Value stages = ReadJson(slot->device->GetProfileFile())["Device"][0]["SystemStages"];
        EXPECT_EQ(stages[c.profileKey].asInt(), value);
    }

    // The repeat delay is the host's: saved and shown, nothing sent.
    keyboard->ClearFrames();
    Click(PageControl(slot, "repeat_delay_check_0"));
    keyboard->ClearFrames();
    Click(PageControl(slot, "repeat_delay_check_3"));
    EXPECT_TRUE(MemoryWrites(*keyboard).empty());
    EXPECT_EQ(ReadJson(slot->device->GetProfileFile())["Device"][0]["SystemStages"]["RepeatDelay"].asInt(),
              3);
    EXPECT_TRUE(GetText(PageControl(slot, "repeat_delay_time_label1")).endsWith(QStringLiteral("1000ms")));

    // "reset_repeat_btn" empties the repeat test field.
    SetText(PageControl(slot, "repeat_input_richedit"), QStringLiteral("aaaa"));
    Click(PageControl(slot, "reset_repeat_btn"));
    EXPECT_TRUE(GetText(PageControl(slot, "repeat_input_richedit")).isEmpty());
}

// The rate slider and the delay options are two settings: each shows its own stored value
// under its own label, so a chosen delay is never read off a slider standing at another value.
TEST_F(KbPadPages, RepeatRateAndDelayEachShowTheirOwnValue) {
    PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>());
    DeviceSlot* slot = SlotOfKind(kKeyboard);
    Select(slot);
    SetSelected(PageControl(slot, "system_Op_tab"), true, true);
    auto* slider = qobject_cast<QAbstractSlider*>(PageControl(slot, "repeat_rate_slider"));
    ASSERT_NE(slider, nullptr);
    const auto stages = [slot] {
        return ReadJson(slot->device->GetProfileFile())["Device"][0]["SystemStages"];
    };
    const auto rateText = [slot] { return GetText(PageControl(slot, "repeat_rate_label")); };

    Click(PageControl(slot, "repeat_delay_check_1"));
    EXPECT_TRUE(GetText(PageControl(slot, "repeat_delay_time_label1")).endsWith(QStringLiteral("500ms")));
    EXPECT_EQ(slider->value(), stages()["Repeat"].asInt());
    EXPECT_EQ(rateText(), QStringLiteral("Repeat rate ") + QString::number(slider->value()));

    // Dragged and released: the rate is kept and named; the delay stays.
    slider->setSliderDown(true);
    slider->setSliderPosition(12);
    slider->setSliderDown(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stages()["Repeat"].asInt() == 12; }, 3000));
    EXPECT_EQ(rateText(), QStringLiteral("Repeat rate 12"));
    EXPECT_TRUE(GetText(PageControl(slot, "repeat_delay_time_label1")).endsWith(QStringLiteral("500ms")));

    // Each label sits right above the control it names.
    const auto top = [slot](const char* name) {
        QWidget* control = PageControl(slot, name);
        return control->mapTo(slot->page, QPoint(0, 0)).y();
    };
    EXPECT_LT(top("repeat_rate_label"), top("repeat_rate_slider"));
    EXPECT_LT(top("repeat_rate_slider"), top("repeat_delay_time_label1"));
    EXPECT_LT(top("repeat_delay_time_label1"), top("repeat_delay_check_0"));
}

TEST_F(KbPadPages, PadLightingReachesThePadAndItsProfile) {
    auto pad = PlugAndRead(kMousePad, std::make_shared<SimPad>());
    DeviceSlot* slot = SlotOfKind(kMousePad);
    Select(slot);
    Choose(slot, "light_combo_modeSelect", 3);
    const std::vector<Bytes> writes = MemoryWrites(*pad);
    ASSERT_EQ(writes.size(), 1u);
    ASSERT_EQ(writes[0].size(), 21u);
    EXPECT_EQ(writes[0][1], 3) << "the mode byte of the lighting record";
    EXPECT_EQ(ReadJson(slot->device->GetProfileFile())["Device"][0]["LightInfo"]["SelectItem"].asInt(), 3);
}

}  // namespace
