// Custom key colours of the keyboard's lighting mode 8: a colour chosen in the lighting
// panel painted on keys by clicks and by a rubber band, kept in the profile's colour group
// and sent to the keyboard as its light frame (command 18).
#include "kbpad_window.h"
#include "panels/light/light_control_ui.h"

namespace {

constexpr int kKeyboard = 1;
constexpr int kCustomMode = 8;
constexpr int kGroup = 2;
constexpr uint8_t kLightFrame = 0x12;

class CustomColours : public KbPadWindow {
protected:
    // The stored colour of LED `led` in group kGroup as 0xRRGGBB.
    uint32_t StoredColour(int led) const {
        const Json::Value colour = ReadJson(
            slot->device->GetProfileFile())["Device"][0]["CustomLightMode"]["LightColorInfo"][kGroup][led];
        return uint32_t(colour["Red"].asUInt()) << 16 | uint32_t(colour["Green"].asUInt()) << 8 |
               colour["Blue"].asUInt();
    }
    // The colour the keyboard holds for LED `led`'s key as 0xRRGGBB (its light frame).
    uint32_t KeyboardColour(int led) const {
        const Bytes frame = keyboard->LightFrame();
        const uint8_t key = slot->keyboard->LedKeyMap()[static_cast<size_t>(led)];
        const size_t at = size_t{keyboard->KeyLightPositions().at(key)} * 3;
        return uint32_t(frame.at(at)) << 16 | uint32_t(frame.at(at + 1)) << 8 | frame.at(at + 2);
    }
    // The commands of the frames since the last ClearFrames.
    Bytes Commands() const {
        Bytes commands;
        for (const Bytes& frame : keyboard->CommandFrames()) commands.push_back(frame[3]);
        return commands;
    }
    int LightFrameChunks() const {
        const Bytes commands = Commands();
        return static_cast<int>(std::count(commands.begin(), commands.end(), kLightFrame));
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

    keyboard->ClearFrames();
    Click(PageControl(slot, "key_5"));
    EXPECT_EQ(StoredColour(5), colour);
    EXPECT_EQ(StoredColour(6), 0u);
    // The keyboard got every key's colour: 122 keys x 3 bytes in 7 chunks between begin and end.
    EXPECT_EQ(Commands(), (Bytes{0x01, kLightFrame, kLightFrame, kLightFrame, kLightFrame, kLightFrame,
                                 kLightFrame, kLightFrame, 0x02}));
    EXPECT_EQ(KeyboardColour(5), colour);
    EXPECT_EQ(KeyboardColour(6), 0u);
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
    keyboard->ClearFrames();
    QTest::mousePress(keys, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(keys, (from + to) / 2);
    QTest::mouseMove(keys, to);
    QTest::mouseRelease(keys, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(StoredColour(0), colour);
    EXPECT_EQ(StoredColour(1), colour);
    EXPECT_EQ(StoredColour(2), 0u) << "F2 lies outside the band";
    EXPECT_EQ(StoredColour(5), colour);
    // One light frame for the whole band.
    EXPECT_EQ(LightFrameChunks(), 7);
    for (int led : {0, 1, 5}) EXPECT_EQ(KeyboardColour(led), colour) << led;
    EXPECT_EQ(KeyboardColour(2), 0u);
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
    for (int led : {0, 64, 110}) EXPECT_EQ(KeyboardColour(led), colour) << led;

    // Another group starts from its own stored colours; painting it leaves group 2 alone.
    Choose(slot, "light_combo_custommodeSelect", 1);
    Click(PageControl(slot, "custom_off_color_btn"));
    EXPECT_EQ(KeyboardColour(64), 0u);
    // Choosing a group sends its colours.
    Choose(slot, "light_combo_custommodeSelect", kGroup);
    EXPECT_EQ(StoredColour(64), colour);
    EXPECT_EQ(KeyboardColour(64), colour);
    Click(PageControl(slot, "custom_off_color_btn"));
    EXPECT_EQ(StoredColour(64), 0u);
    EXPECT_EQ(KeyboardColour(64), 0u);

    // Outside mode 8 the keyboard lights from its settings block: no light frame.
    Choose(slot, "light_combo_modeSelect", 3);
    keyboard->ClearFrames();
    Click(PageControl(slot, "custom_bright_color_btn"));
    EXPECT_EQ(LightFrameChunks(), 0);
}

TEST_F(CustomColours, PaintedColoursAreKeptAfterARestartOfTheWindow) {
    StartOnTheLightingPage();
    Choose(slot, "light_combo_modeSelect", kCustomMode);
    Choose(slot, "light_combo_custommodeSelect", kGroup);
    Click(PageControl(slot, "color_option_1"));
    const uint32_t first = slot->device->GetLightEffect().red << 16 |
                           slot->device->GetLightEffect().green << 8 | slot->device->GetLightEffect().blue;
    Click(PageControl(slot, "key_5"));
    ASSERT_EQ(StoredColour(5), first);

    // A new window with a keyboard that knows nothing of the colours.
    TearDown();
    SetUp();
    StartOnTheLightingPage();
    ASSERT_EQ(slot->device->GetLightEffect().selectItem, kCustomMode) << "the profile's mode";
    EXPECT_EQ(StoredColour(5), first);
    EXPECT_EQ(KeyboardColour(5), 0u);
    auto* page = dynamic_cast<CKeyboardPage*>(slot->keyboard->KeyboardPage());
    const uint32_t lowRed = (first >> 16) | (first & 0xFF00u) | (first & 0xFFu) << 16;
    EXPECT_EQ(page->LightControl(5)->property("lightColour").toUInt(), lowRed) << "the strips show them";

    // Painting another key sends the earlier colour along and keeps it in the profile.
    Click(PageControl(slot, "color_option_2"));
    const uint32_t second = slot->device->GetLightEffect().red << 16 |
                            slot->device->GetLightEffect().green << 8 | slot->device->GetLightEffect().blue;
    ASSERT_NE(second, first);
    Click(PageControl(slot, "key_6"));
    EXPECT_EQ(KeyboardColour(5), first);
    EXPECT_EQ(KeyboardColour(6), second);
    EXPECT_EQ(StoredColour(5), first);
    EXPECT_EQ(StoredColour(6), second);
}

// Entering mode 8 sends the group's colours and the key strips show the same ones at once;
// a key the group holds no colour for is off in the file, on the keyboard and on the page.
// Outside mode 8 the strips are white again.
TEST_F(CustomColours, EnteringTheCustomModeShowsWhatItSends) {
    StartOnTheLightingPage();
    auto* page = dynamic_cast<CKeyboardPage*>(slot->keyboard->KeyboardPage());
    ASSERT_NE(page, nullptr);
    // The strip's colour as 0xRRGGBB (the control keeps red in the low byte).
    const auto strip = [page](int led) {
        const uint32_t low = page->LightControl(led)->property("lightColour").toUInt();
        return (low >> 16) | (low & 0xFF00u) | (low & 0xFFu) << 16;
    };
    const auto stored = [this](int group, int led) {
        const Json::Value colour = ReadJson(
            slot->device->GetProfileFile())["Device"][0]["CustomLightMode"]["LightColorInfo"][group][led];
        return colour.isNull() ? 0xBADu
                               : uint32_t(colour["Red"].asUInt()) << 16 |
                                     uint32_t(colour["Green"].asUInt()) << 8 | colour["Blue"].asUInt();
    };
    Choose(slot, "light_combo_modeSelect", 3);
    ASSERT_EQ(strip(5), 0xFFFFFFu);

    keyboard->ClearFrames();
    Choose(slot, "light_combo_modeSelect", kCustomMode);
    const int inUse = slot->keyboard->Profile().GetCustomLightGroup();
    EXPECT_EQ(LightFrameChunks(), 7);
    for (int led : {0, 5, 64}) {
        EXPECT_EQ(KeyboardColour(led), stored(inUse, led)) << led;
        EXPECT_EQ(strip(led), stored(inUse, led)) << led;
    }

    // A group that holds nothing yet: every key is off, and stored so.
    constexpr int group = 4;  // the last of five, painted by no other test
    ASSERT_EQ(stored(group, 0), 0xBADu) << "the group holds nothing before";
    Choose(slot, "light_combo_custommodeSelect", group);
    for (int led : {0, 5, 64}) {
        EXPECT_EQ(stored(group, led), 0u) << led;
        EXPECT_EQ(KeyboardColour(led), 0u) << led;
        EXPECT_EQ(strip(led), 0u) << led;
    }

    Click(PageControl(slot, "color_option_1"));
    Click(PageControl(slot, "key_5"));
    const uint32_t colour = stored(group, 5);
    ASSERT_NE(colour, 0u);
    Choose(slot, "light_combo_modeSelect", 3);
    for (int led : {5, 6}) EXPECT_EQ(strip(led), 0xFFFFFFu) << led;

    keyboard->ClearFrames();
    Choose(slot, "light_combo_modeSelect", kCustomMode);
    EXPECT_EQ(LightFrameChunks(), 7);
    EXPECT_EQ(KeyboardColour(5), colour);
    EXPECT_EQ(strip(5), colour);
    EXPECT_EQ(KeyboardColour(6), 0u);
    EXPECT_EQ(strip(6), 0u);
}

}  // namespace
