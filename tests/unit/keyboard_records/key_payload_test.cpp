#include <gtest/gtest.h>

#include <vector>

#include "devices/keyboard/keyboard_key_payload.h"

using namespace keyboard;

TEST(KeyAssignmentPayload, ReplacesOnlyKeysUnderMappedLeds) {
    // Device keys: Esc (LED 0), an unknown code, F1 (LED 1).
    const std::vector<uint8_t> table = {0x20, 0, 0x29, 0x99, 0x88, 0x77, 0x20, 0, 0x3A};
    const LedKeyMap map = BuildLedKeyMap(table, 3);
    std::vector<std::optional<KeyCode>> assignments(kLedCount);
    assignments[0] = KeyCode{0x70, 2, 0};      // Esc runs macro 2
    assignments[64] = KeyCode{0x20, 0, 0x05};  // LED 64 (A) is not on this device
    const std::vector<uint8_t> payload = BuildKeyAssignmentPayload(table, 3, map, assignments);
    EXPECT_EQ(payload, (std::vector<uint8_t>{0x70, 2, 0, 0x99, 0x88, 0x77, 0x20, 0, 0x3A}));
}

TEST(KeyAssignmentPayload, ShortListAndNoKeys) {
    const std::vector<uint8_t> table = {0x20, 0, 0x29, 0x20, 0, 0x3A};
    const LedKeyMap map = BuildLedKeyMap(table, 2);
    const std::vector<std::optional<KeyCode>> one = {KeyCode{0x30, 0xE9, 0}};
    EXPECT_EQ(BuildKeyAssignmentPayload(table, 2, map, one),
              (std::vector<uint8_t>{0x30, 0xE9, 0, 0x20, 0, 0x3A}));
    EXPECT_TRUE(BuildKeyAssignmentPayload(table, 0, BuildLedKeyMap(table, 0), one).empty());
}
