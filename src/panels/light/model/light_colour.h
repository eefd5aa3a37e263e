#pragma once
// Colours of the lighting panel: components typed into the colour edits, and colours
// as 0xAARRGGBB values (the palette, the colour button and the swatches).
#include <cstdint>
#include <string>
#include <string_view>

struct ColourComponent {
    int value = 0;     // 0..255
    std::string text;  // what the edit shows afterwards: the decimal value
};

// A colour edit's text read as a decimal integer (leading blanks, an optional sign, then
// digits; the first other character ends it). Above 255 gives 255; an empty text, a text
// without digits and a negative number give 0.
ColourComponent ClampColourComponent(std::string_view text);

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// 0xFF000000 + red * 65536 + green * 256 + blue.
constexpr uint32_t OpaqueArgb(Rgb c) {
    return 0xFF000000u | (uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | uint32_t(c.blue);
}
constexpr Rgb RgbOfArgb(uint32_t argb) {
    return Rgb{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)};
}

// A colour written in a skin: "#RRGGBB", "#AARRGGBB" or "0xAARRGGBB" (hex digits in any
// case). A colour without alpha is opaque. False, with *argb untouched, for anything else.
bool ParseSkinColour(std::string_view text, uint32_t* argb);
