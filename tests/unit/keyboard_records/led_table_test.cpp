#include <gtest/gtest.h>

#include <vector>

#include "devices/keyboard/keyboard_led_table.h"

using namespace keyboard;

namespace {

std::vector<uint8_t> TableOf(const std::vector<KeyCode>& codes) {
    std::vector<uint8_t> bytes;
    for (const KeyCode& c : codes) bytes.insert(bytes.end(), {c.type, c.param1, c.param2});
    return bytes;
}

}  // namespace

TEST(LedIdentityTable, SpotRowsAcrossTheBoard) {
    struct Row {
        size_t led;
        KeyCode code;
    };
    const Row rows[] = {
        {0, {0x20, 0x00, 0x29}},   {16, {0xA0, 0x1B, 0x00}},  {17, {0xA0, 0x24, 0x00}},
        {18, {0x20, 0x00, 0x00}},  {62, {0x20, 0x00, 0x00}},  {64, {0x20, 0x00, 0x04}},
        {84, {0x20, 0x02, 0x00}},  {95, {0x20, 0x20, 0x00}},  {104, {0x20, 0x00, 0x00}},
        {110, {0xA0, 0x01, 0x00}}, {120, {0xD0, 0xA2, 0x01}}, {124, {0xD0, 0xA2, 0x05}},
        {125, {0x20, 0x80, 0x00}},
    };
    for (const Row& row : rows) EXPECT_EQ(LedIdentityTable()[row.led], row.code) << "LED " << row.led;
}

TEST(LedIdentityTable, OnlyTheFiveBlankLedsShareACode) {
    const auto& table = LedIdentityTable();
    std::vector<size_t> blanks;
    for (size_t i = 0; i < kLedCount; ++i) {
        if (table[i] == kEmptyKeyCode) {
            blanks.push_back(i);
            continue;
        }
        for (size_t j = i + 1; j < kLedCount; ++j)
            EXPECT_FALSE(table[i] == table[j]) << "LEDs " << i << " and " << j;
    }
    EXPECT_EQ(blanks, (std::vector<size_t>{18, 19, 20, 62, 104}));
}

TEST(BuildLedKeyMap, MatchesDeviceKeysInAnyOrder) {
    // Device key 0 is the A key (LED 64), key 1 an unknown code, key 2 Esc (LED 0),
    // key 3 the function key (LED 110), key 4 the A key again.
    const auto table =
        TableOf({{0x20, 0, 0x04}, {0x33, 0x44, 0x55}, {0x20, 0, 0x29}, {0xA0, 0x01, 0}, {0x20, 0, 0x04}});
    const LedKeyMap map = BuildLedKeyMap(table, 5);
    EXPECT_EQ(map[64], 0) << "a repeated code maps to the first device key";
    EXPECT_EQ(map[0], 2);
    EXPECT_EQ(map[110], 3);
    size_t mapped = 0;
    for (uint8_t key : map) mapped += key != kNoKeySlot ? 1 : 0;
    EXPECT_EQ(mapped, 3u) << "the unknown code maps to no LED; LEDs the device lacks stay unmapped";
}

TEST(BuildLedKeyMap, EmptyCodeMapsNoLed) {
    const auto table = TableOf({{0x20, 0, 0}, {0x20, 0, 0x29}});
    const LedKeyMap map = BuildLedKeyMap(table, 2);
    for (size_t led : {18u, 19u, 20u, 62u, 104u}) EXPECT_EQ(map[led], kNoKeySlot) << "LED " << led;
    EXPECT_EQ(map[0], 1);
}

TEST(BuildLedKeyMap, KeyCountBeyondTheTableOrZero) {
    const auto table = TableOf({{0x20, 0, 0x29}, {0x20, 0, 0x3A}});
    EXPECT_EQ(BuildLedKeyMap(table, 1)[1], kNoKeySlot) << "only the first keyCount keys count";
    EXPECT_EQ(BuildLedKeyMap(table, 99)[1], 1) << "a count past the table is cut to it";
    for (uint8_t key : BuildLedKeyMap(table, 0)) EXPECT_EQ(key, kNoKeySlot);
    EXPECT_TRUE(KeyCountFits(170));
    EXPECT_FALSE(KeyCountFits(171));
}
