// Custom key colours of the keyboard's lighting mode 8: a colour chosen in the lighting
// panel painted on keys by clicks and by a rubber band, kept in the profile's colour group.
#include "kbpad_window.h"
#include "panels/light/light_control_ui.h"

namespace {

constexpr int kKeyboard = 1;
constexpr int kCustomMode = 8;
constexpr int kGroup = 2;

class CustomColours : public KbPadWindow {
protected:
    // The stored colour of LED `led` in group kGroup as 0xRRGGBB.
    uint32_t StoredColour(int led) const {
        const Json::Value colour = ReadJson(
            slot->device->GetProfileFile())["Device"][0]["CustomLightMode"]["LightColorInfo"][kGroup][led];
        return uint32_t(colour["Red"].asUInt()) << 16 | uint32_t(colour["Green"].asUInt()) << 8 |
               colour["Blue"].asUInt();
    }
    void StartOnTheLightingPage() {
        keyboard = PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>());
        slot = SlotOfKind(kKeyboard);
        Select(slot);
        SetSelected(PageControl(slot, "deng_Op_tab"), true, true);
        ASSERT_EQ(slot->device->GetFunctionMode(), 1);
    }

    std::shared_ptr<SimKeyboard> keyboard;
    DeviceSlot* slot = nullptr;
};

TEST_F(CustomColours, KeysPaintedByClickAndBandAreKeptInTheGroup) {
    StartOnTheLightingPage();
    // Painting outside mode 8 changes nothing.
    Choose(slot, "light_combo_modeSelect", 3);
    const std::string before = ReadJson(slot->device->GetProfileFile()).toStyledString();
    Click(PageControl(slot, "key_5"));
    EXPECT_EQ(ReadJson(slot->device->GetProfileFile()).toStyledString(), before);

    // Mode 8 goes to the keyboard in its settings block.
    keyboard->ClearFrames();
    Choose(slot, "light_combo_modeSelect", kCustomMode);
    std::vector<Bytes> writes = MemoryWrites(*keyboard);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0][1], kCustomMode);

    Choose(slot, "light_combo_custommodeSelect", kGroup);
    auto* panel = qobject_cast<CLightControlUI*>(PageControl(slot, "LightControlItem"));
    ASSERT_NE(panel, nullptr);
    const uint32_t colour = panel->GetSwatchColour(1) & 0xFFFFFFu;
    Click(PageControl(slot, "color_option_1"));
    ASSERT_EQ(slot->device->GetLightEffect().selectItem, kCustomMode) << "a colour keeps the mode";

    Click(PageControl(slot, "key_5"));
    EXPECT_EQ(StoredColour(5), colour);
    EXPECT_EQ(StoredColour(6), 0u);
    EXPECT_EQ(
        ReadJson(slot->device->GetProfileFile())["Device"][0]["CustomLightMode"]["CustomLightModeGroupIndex"]
            .asInt(),
        kGroup);
    // The LED strip under the key shows it.
    auto* page = dynamic_cast<CKeyboardPage*>(slot->keyboard->KeyboardPage());
    const uint32_t lowRed = (colour >> 16) | (colour & 0xFF00u) | (colour & 0xFFu) << 16;
    EXPECT_EQ(page->LightControl(5)->property("lightColour").toUInt(), lowRed);
    EXPECT_EQ(page->LightControl(6)->property("lightColour").toUInt(), 0u);

    // A band from the panel's corner over Esc and F1 paints both.
    QWidget* keys = PageControl(slot, "keyboard_device_key_light");
    const QPoint from(1, 1);
    const QPoint to = page->KeyControl(1)->geometry().center();
    QTest::mousePress(keys, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(keys, (from + to) / 2);
    QTest::mouseMove(keys, to);
    QTest::mouseRelease(keys, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(StoredColour(0), colour);
    EXPECT_EQ(StoredColour(1), colour);
    EXPECT_EQ(StoredColour(2), 0u) << "F2 lies outside the band";
    EXPECT_EQ(StoredColour(5), colour);
}

TEST_F(CustomColours, FillAndClearAndGroupsStayApart) {
    StartOnTheLightingPage();
    Choose(slot, "light_combo_modeSelect", kCustomMode);
    Choose(slot, "light_combo_custommodeSelect", kGroup);
    Click(PageControl(slot, "color_option_2"));
    const uint32_t colour = slot->device->GetLightEffect().red << 16 |
                            slot->device->GetLightEffect().green << 8 | slot->device->GetLightEffect().blue;
    ASSERT_NE(colour, 0u);
    Click(PageControl(slot, "custom_bright_color_btn"));
    for (int led : {0, 64, 125}) EXPECT_EQ(StoredColour(led), colour) << led;

    // Another group starts from its own stored colours; painting it leaves group 2 alone.
    Choose(slot, "light_combo_custommodeSelect", 1);
    Click(PageControl(slot, "custom_off_color_btn"));
    Choose(slot, "light_combo_custommodeSelect", kGroup);
    EXPECT_EQ(StoredColour(64), colour);
    Click(PageControl(slot, "custom_off_color_btn"));
    EXPECT_EQ(StoredColour(64), 0u);
}

}  // namespace
