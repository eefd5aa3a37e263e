#include <gtest/gtest.h>

#include "devices/keyboard/keyboard_settings_block.h"

using namespace keyboard;

TEST(KeyboardBlock, EncodesEveryField) {
    KeyboardBlockSettings s;
    s.mode = 8;
    s.brightness = 3;
    s.speed = 1;
    s.direction = 2;
    s.colourful = 1;
    s.red = 0x11;
    s.green = 0x22;
    s.blue = 0x33;
    s.wFlag = 0x0101;
    s.key6Flag = 1;
    s.winFlag = 0x0100;
    s.pollingRate = 3;
    const KeyboardBlockBytes expected = {0x05, 8, 3, 3, 2, 1, 0x11, 0x22, 0x33, 0, 0, 0, 0,
                                         0,    0, 0, 0, 0, 0, 1,    1,    0,    3, 0, 0};
    EXPECT_EQ(EncodeKeyboardBlock(s, 0x05), expected);
}

TEST(KeyboardBlock, ModeAndSpeedLimits) {
    struct Case {
        uint8_t mode, speed, modeByte, speedByte;
    };
    const Case cases[] = {
        {24, 0, 24, 4},
        {25, 4, 0, 0},
        {200, 2, 0, 2},
        {3, 9, 3, 0},
    };
    for (const Case& c : cases) {
        KeyboardBlockSettings s;
        s.mode = c.mode;
        s.speed = c.speed;
        const KeyboardBlockBytes bytes = EncodeKeyboardBlock(s, 0);
        EXPECT_EQ(bytes[block::kLightMode], c.modeByte) << int(c.mode);
        EXPECT_EQ(bytes[block::kSpeed], c.speedByte) << int(c.speed);
    }
}

TEST(KeyboardBlock, ReadBackGivesTheProfileValuesAgain) {
    for (uint8_t speed = 0; speed <= kMaxLightSpeed; ++speed) {
        KeyboardBlockSettings s;
        s.mode = 17;
        s.speed = speed;
        s.red = 9;
        s.wFlag = 1;
        s.winFlag = 1;
        const KeyboardBlockBytes bytes = EncodeKeyboardBlock(s, 0);
        KeyboardBlockReadBack read;
        ASSERT_EQ(DecodeKeyboardBlock(bytes, 2, &read), 1);
        EXPECT_EQ(read.speed, speed);
        EXPECT_EQ(read.mode, 17);
        EXPECT_EQ(read.red, 9);
        EXPECT_EQ(read.wFlag, 1);
        EXPECT_EQ(read.key6Flag, 0);
        EXPECT_EQ(read.winFlag, 1);
        EXPECT_EQ(read.slot, 2);
        EXPECT_EQ(read.bytes[0], 2) << "byte 0 of the kept block is the active slot";
    }
}

TEST(KeyboardBlock, ShortOrWildReads) {
    KeyboardBlockReadBack read;
    read.mode = 77;
    const uint8_t shortBlock[24] = {};
    EXPECT_EQ(DecodeKeyboardBlock(shortBlock, 0, &read), 0);
    EXPECT_EQ(read.mode, 77) << "a short read leaves the output untouched";
    KeyboardBlockBytes wild{};
    wild[block::kSpeed] = 0xF0;
    ASSERT_EQ(DecodeKeyboardBlock(wild, 0, &read), 1);
    EXPECT_EQ(read.speed, 0) << "a speed byte above 4 must not wrap into a huge level";
}
