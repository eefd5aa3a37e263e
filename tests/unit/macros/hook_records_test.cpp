#include "macros/hook_records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace macros {
namespace {

TEST(HookRecords, KeyboardRecordKeepsItsFieldOrderInMemory) {
    const KeyboardHookRecord record{0xA3, 0x1D, kKeyFlagExtended, 1234, 0};
    std::uint32_t words[5] = {};
    std::memcpy(words, &record, sizeof(words));
    EXPECT_EQ(words[0], 0xA3u);
    EXPECT_EQ(words[1], 0x1Du);
    EXPECT_EQ(words[2], 1u);
    EXPECT_EQ(words[3], 1234u);
}

TEST(HookRecords, MouseRecordCarriesPositionAndXButtonInTheSixthField) {
    HookRecord button;
    button.kind = HookKind::Button;
    button.down = true;
    button.message = MouseHookMessage::kXDown;
    button.xButton = 2;  // forward
    button.x = -20;
    button.y = 700;
    button.timeMs = 99;
    const MouseHookRecord record = ToMouseHookRecord(button);
    std::uint32_t words[7] = {};
    std::memcpy(words, &record, sizeof(words));
    EXPECT_EQ(static_cast<std::int32_t>(words[0]), -20);
    EXPECT_EQ(words[1], 700u);
    EXPECT_EQ(words[5] >> 16, 2u);
    EXPECT_EQ(words[5] & 0xFFFF, 0u);
    EXPECT_EQ(FromMouseHook(MouseHookMessage::kXDown, record), button);
}

TEST(HookRecords, KeyboardMessagesGiveDownAndUp) {
    const struct {
        std::uint32_t message;
        bool down;
    } cases[] = {
        {KeyboardMessage::kKeyDown, true},
        {KeyboardMessage::kSysKeyDown, true},
        {KeyboardMessage::kKeyUp, false},
        {KeyboardMessage::kSysKeyUp, false},
    };
    const KeyboardHookRecord record{0x41, 0x1E, 0, 5, 0};
    for (const auto& c : cases) {
        const HookRecord key = FromKeyboardHook(c.message, record);
        EXPECT_EQ(key.down, c.down) << std::hex << c.message;
        EXPECT_EQ(key.kind, HookKind::Key);
        EXPECT_EQ(key.scan, 0x1E);
        EXPECT_FALSE(key.extended);
        EXPECT_EQ(key.timeMs, 5u);
    }
}

TEST(HookRecords, KeyRoundTripKeepsExtendedFlag) {
    HookRecord key;
    key.down = false;
    key.virtualKey = 0x26;
    key.scan = 0x48;
    key.extended = true;
    key.timeMs = 42;
    EXPECT_EQ(KeyboardMessageOf(key), KeyboardMessage::kKeyUp);
    EXPECT_EQ(FromKeyboardHook(KeyboardMessageOf(key), ToKeyboardHookRecord(key)), key);
}

TEST(HookRecords, MouseUpMessagesAreNotDown) {
    for (std::uint32_t message : {MouseHookMessage::kLeftUp, MouseHookMessage::kRightUp,
                                  MouseHookMessage::kMiddleUp, MouseHookMessage::kXUp})
        EXPECT_FALSE(FromMouseHook(message, MouseHookRecord{}).down) << message;
    for (std::uint32_t message : {MouseHookMessage::kLeftDown, MouseHookMessage::kRightDown,
                                  MouseHookMessage::kMiddleDown, MouseHookMessage::kXDown})
        EXPECT_TRUE(FromMouseHook(message, MouseHookRecord{}).down) << message;
}

}  // namespace
}  // namespace macros
