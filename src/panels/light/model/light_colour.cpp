#include "panels/light/model/light_colour.h"

namespace {

constexpr int kComponentMax = 255;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

ColourComponent ClampColourComponent(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Counting stops at the maximum, so any number of digits cannot overflow.
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kComponentMax) value = kComponentMax + 1;
    }
    if (negative) value = 0;
    if (value > kComponentMax) value = kComponentMax;
    return {value, std::to_string(value)};
}

bool ParseSkinColour(std::string_view text, uint32_t* argb) {
    if (text.starts_with('#'))
        text.remove_prefix(1);
    else if (text.starts_with("0x") || text.starts_with("0X"))
        text.remove_prefix(2);
    else
        return false;
    if (text.size() != 6 && text.size() != 8) return false;
    uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        value = (value << 4) | uint32_t(digit);
    }
    if (text.size() == 6) value |= 0xFF000000u;
    *argb = value;
    return true;
}
