// Colour edits are clamped to 0..255; skin colours and 0xAARRGGBB values.
#include <gtest/gtest.h>

#include "panels/light/model/light_colour.h"

namespace {

TEST(ColourComponent, TextIsClampedAndRewritten) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},    {"7", 7},     {"255", 255}, {"256", 255}, {"300", 255},
        {"", 0},     {"   ", 0},   {"abc", 0},   {"-5", 0},    {"+12", 12},
        {" 42", 42}, {"12ab", 12}, {"007", 7},   {"999", 255}, {"99999999999999999999", 255},
    };
    for (const auto& [text, value] : cases) {
        const ColourComponent c = ClampColourComponent(text);
        EXPECT_EQ(c.value, value) << '"' << text << '"';
        EXPECT_EQ(c.text, std::to_string(value)) << '"' << text << '"';
    }
}

TEST(SkinColour, AcceptedForms) {
    const std::pair<const char*, uint32_t> good[] = {
        {"#FF0000", 0xFFFF0000u},
        {"#00ff80", 0xFF00FF80u},
        {"#80102030", 0x80102030u},
        {"0xFF0A141E", 0xFF0A141Eu},
    };
    for (const auto& [text, argb] : good) {
        uint32_t value = 0;
        EXPECT_TRUE(ParseSkinColour(text, &value)) << text;
        EXPECT_EQ(value, argb) << text;
    }
    for (const char* bad : {"", "#", "FF0000", "#FF00", "#FF00000", "#GG0000", "red", "0x12345"}) {
        uint32_t value = 0x12345678u;
        EXPECT_FALSE(ParseSkinColour(bad, &value)) << bad;
        EXPECT_EQ(value, 0x12345678u) << bad;
    }
}

TEST(SkinColour, OpaqueValueOfAComponentTriple) {
    EXPECT_EQ(OpaqueArgb({10, 20, 30}), 0xFF0A141Eu);
    EXPECT_EQ(RgbOfArgb(0x800A141Eu), (Rgb{10, 20, 30}));
}

}  // namespace
