// "Restore defaults" on the keyboard's and the pad's pages: asked first with the mouse
// page's question; confirmed, the device receives its default settings, the profile file
// holds them and the page shows them.
#include "kbpad_window.h"
#include "shell/msg_wnd.h"

namespace {

constexpr int kKeyboard = 1;
constexpr int kMousePad = 3;

// The default data's lighting mode of a kind.
int DefaultMode(const char* file) {
    const Json::Value root = ReadJson(std::string(KVELM_TEST_PROGRAM_DIR) + "/DefaultData/" + file);
    return root["Device"][0]["LightInfo"]["SelectItem"].asInt();
}

using RestoreDefaults = KbPadWindow;

TEST_F(RestoreDefaults, ConfirmedDefaultsReachTheDeviceTheFileAndThePage) {
    struct Case {
        int kind;
        const char* defaults;  // the kind's default data file
        const char* tab;       // the function tab that holds the button, or nullptr
    };
    const Case cases[] = {
        {kKeyboard, "keyboard.Json", "system_Op_tab"},
        {kMousePad, "MousePad.Json", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.defaults);
        std::shared_ptr<SimCommandDevice> sim;
        if (c.kind == kKeyboard)
            sim = PlugAndRead(c.kind, std::make_shared<SimKeyboard>());
        else
            sim = PlugAndRead(c.kind, std::make_shared<SimPad>());
        DeviceSlot* slot = SlotOfKind(c.kind);
        ASSERT_NE(slot, nullptr);
        Select(slot);
        const int defaultMode = DefaultMode(c.defaults);
        const int otherMode = defaultMode == 3 ? 2 : 3;
        Choose(slot, "light_combo_modeSelect", otherMode);
        const auto storedMode = [slot] {
            return ReadJson(slot->device->GetProfileFile())["Device"][0]["LightInfo"]["SelectItem"].asInt();
        };
        ASSERT_EQ(storedMode(), otherMode);
        if (c.tab) SetSelected(PageControl(slot, c.tab), true, true);
        QWidget* button = PageControl(slot, "default_btn");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible());

        // Refused: nothing changes.
        sim->ClearFrames();
        CMsgWnd::ClearNextAnswers();
        CMsgWnd::SetNextAnswer(0);
        Click(button);
        EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_22"));
        EXPECT_TRUE(CMsgWnd::LastShown().cancelVisible);
        EXPECT_EQ(storedMode(), otherMode);
        EXPECT_TRUE(MemoryWrites(*sim).empty());

        CMsgWnd::SetNextAnswer(1);
        Click(button);
        EXPECT_EQ(storedMode(), defaultMode);
        const std::vector<Bytes> writes = MemoryWrites(*sim);
        ASSERT_FALSE(writes.empty());
        EXPECT_EQ(writes.back()[1], defaultMode) << "the mode byte of the settings the device got";
        EXPECT_EQ(GetCurSel(PageControl(slot, "light_combo_modeSelect")), defaultMode);
        EXPECT_EQ(slot->device->GetLightEffect().selectItem, defaultMode);
    }
}

}  // namespace
