#include "macros/capture/linux_input_records.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include "macros/capture/capture_choice.h"
#include "macros/key_table.h"
#include "macros/linux_keys.h"

namespace capture {
namespace {

TEST(LinuxInputRecords, KeysCarryTheirStoredIdentity) {
    const struct {
        std::uint16_t code;
        std::uint16_t virtualKey;
        std::uint8_t scan;
        bool extended;
    } cases[] = {
        {KEY_A, 0x41, 0x1E, false},        {KEY_LEFTCTRL, 0xA2, 0x1D, false},
        {KEY_RIGHTCTRL, 0xA3, 0x1D, true}, {KEY_KPENTER, 0x0101, 0x1C, true},
        {KEY_CAPSLOCK, 0x14, 0x3A, false},
    };
    for (const auto& c : cases) {
        const auto record = RecordOfLinuxCode(c.code, true, 77);
        ASSERT_TRUE(record) << c.code;
        EXPECT_EQ(record->kind, macros::HookKind::Key);
        EXPECT_TRUE(record->down);
        EXPECT_EQ(record->virtualKey, c.virtualKey) << c.code;
        EXPECT_EQ(record->scan, c.scan) << c.code;
        EXPECT_EQ(record->extended, c.extended) << c.code;
        EXPECT_EQ(record->timeMs, 77u);
    }
}

// A USB keyboard's "Media" and "My Computer" keys arrive as KEY_CONFIG and KEY_FILE; they are
// the keys the key table names "Launch Media Select" and "Computer".
TEST(LinuxInputRecords, MediaAndMyComputerKeysReachTheirKeyTableRows) {
    const struct {
        std::uint16_t code;
        const char* word;
    } cases[] = {
        {KEY_CONFIG, "media-player"},
        {KEY_MEDIA, "media-player"},
        {KEY_FILE, "computer"},
        {KEY_COMPUTER, "computer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto record = RecordOfLinuxCode(c.code, true, 0);
        ASSERT_TRUE(record);
        const auto row = macros::FindVirtualKeyRow(record->virtualKey);
        ASSERT_TRUE(row);
        EXPECT_EQ(*row, *macros::FindWordRow(c.word));
        EXPECT_TRUE(record->extended);
    }
    // Going back from the scan code still finds the kernel's own names of the keys.
    EXPECT_EQ(macros::LinuxKeyOfScan(0x6D, true), KEY_MEDIA);
    EXPECT_EQ(macros::LinuxKeyOfScan(0x6B, true), KEY_COMPUTER);
}

TEST(LinuxInputRecords, XButtonsBecomeButtonMessages) {
    const struct {
        int xButton;
        bool down;
        std::uint16_t message;
        int xNumber;
    } cases[] = {
        {1, true, 0x0201, 0},  {1, false, 0x0202, 0}, {3, true, 0x0204, 0},
        {2, false, 0x0208, 0}, {8, true, 0x020B, 1},  {9, false, 0x020C, 2},
    };
    for (const auto& c : cases) {
        const auto code = LinuxButtonOfXButton(c.xButton);
        ASSERT_TRUE(code) << c.xButton;
        const auto record = RecordOfLinuxCode(*code, c.down, 0);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->kind, macros::HookKind::Button);
        EXPECT_EQ(record->down, c.down);
        EXPECT_EQ(record->message, c.message) << c.xButton;
        EXPECT_EQ(record->xButton, c.xNumber) << c.xButton;
    }
}

TEST(LinuxInputRecords, WheelAndUnknownCodesGiveNothing) {
    for (int xButton : {0, 4, 5, 6, 7, 10}) EXPECT_FALSE(LinuxButtonOfXButton(xButton)) << xButton;
    EXPECT_FALSE(RecordOfLinuxCode(KEY_MAX, true, 0));
    EXPECT_FALSE(RecordOfLinuxCode(BTN_TOUCH, true, 0));
}

TEST(ReleaseFilter, DropsOnlyASecondReleaseOfAKeyKnownUp) {
    ReleaseFilter filter;
    EXPECT_TRUE(filter.Pass(KEY_B, false)) << "held since before the capture: its release passes";
    EXPECT_TRUE(filter.Pass(KEY_A, true));
    EXPECT_TRUE(filter.Pass(KEY_A, true)) << "auto-repeat is the recorder's business";
    EXPECT_TRUE(filter.Pass(KEY_A, false));
    EXPECT_FALSE(filter.Pass(KEY_A, false));
    EXPECT_FALSE(filter.Pass(KEY_B, false));
    EXPECT_TRUE(filter.Pass(BTN_LEFT, true));
    EXPECT_TRUE(filter.Pass(BTN_LEFT, false));
    EXPECT_TRUE(filter.Pass(KEY_A, true));
    EXPECT_TRUE(filter.Pass(0xFFFF, false)) << "out of range codes pass";
}

TEST(CaptureChoice, RawEventsFirstExceptUnderWayland) {
    const struct {
        CaptureHost host;
        CaptureKind kind;
    } cases[] = {
        {{false, true, true}, CaptureKind::X11},   {{false, false, true}, CaptureKind::Evdev},
        {{true, true, true}, CaptureKind::Evdev},  {{true, true, false}, CaptureKind::X11},
        {{true, false, false}, CaptureKind::None}, {{false, false, false}, CaptureKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseCapture(c.host), c.kind) << c.host.wayland << c.host.x11Usable << c.host.evdevUsable;
}

}  // namespace
}  // namespace capture
