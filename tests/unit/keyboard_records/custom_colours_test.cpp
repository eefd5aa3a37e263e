#include <gtest/gtest.h>

#include <vector>

#include "devices/keyboard/keyboard_custom_colours.h"

using namespace keyboard;

TEST(CustomColours, PackKeepsByteOrder) {
    const LedColour c{0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(PackLedColour(c), 0x44332211u);
    EXPECT_EQ(UnpackLedColour(0x44332211u), c);
}

TEST(CustomColours, FillAndPaintKeepBrightness) {
    std::vector<uint32_t> entries = {0xFF000000u, 0x80123456u, 0x00ABCDEFu};
    FillLedColours(entries, 1, 2, 3, true);
    EXPECT_EQ(entries, (std::vector<uint32_t>{0xFF030201u, 0x80030201u, 0x00030201u}));
    FillLedColours(entries, 1, 2, 3, false);
    EXPECT_EQ(entries, (std::vector<uint32_t>{0xFF000000u, 0x80000000u, 0u}));
    EXPECT_TRUE(PaintLedColour(entries, 1, 0xAA, 0xBB, 0xCC));
    EXPECT_EQ(entries[1], 0x80CCBBAAu);
    EXPECT_FALSE(PaintLedColour(entries, 3, 1, 1, 1));
    EXPECT_EQ(entries, (std::vector<uint32_t>{0xFF000000u, 0x80CCBBAAu, 0u}));
}
