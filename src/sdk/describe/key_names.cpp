#include "sdk/describe/key_names.h"

#include <array>
#include <cstdio>
#include <utility>

namespace sdk {

namespace {

// HID keyboard usages with names, beside the letters, digits and F keys worked out below.
constexpr std::array<std::pair<std::uint8_t, const char*>, 20> kUsageNames{{
    {0x28, "Enter"},         {0x29, "Escape"},    {0x2A, "Backspace"},   {0x2B, "Tab"},
    {0x2C, "Space"},         {0x2D, "Minus"},     {0x2E, "Equals"},      {0x2F, "Left Bracket"},
    {0x30, "Right Bracket"}, {0x31, "Backslash"}, {0x33, "Semicolon"},   {0x34, "Quote"},
    {0x35, "Back Tick"},     {0x36, "Comma"},     {0x37, "Period"},      {0x38, "Slash"},
    {0x39, "Caps Lock"},     {0x4C, "Delete"},    {0x4F, "Right Arrow"}, {0x50, "Left Arrow"},
}};
constexpr std::array<const char*, 8> kModifierNames{"Left Control", "Left Shift",    "Left Alt",
                                                    "Left Windows", "Right Control", "Right Shift",
                                                    "Right Alt",    "Right Windows"};

std::string UsageName(std::uint8_t usage) {
    if (usage >= 0x04 && usage <= 0x1D) return std::string(1, static_cast<char>('A' + usage - 0x04));
    if (usage >= 0x1E && usage <= 0x26) return std::string(1, static_cast<char>('1' + usage - 0x1E));
    if (usage == 0x27) return "0";
    if (usage >= 0x3A && usage <= 0x45) return "F" + std::to_string(usage - 0x3A + 1);
    for (const auto& [known, name] : kUsageNames)
        if (known == usage) return name;
    return {};
}

}  // namespace

std::string KeyLedName(const keyboard::KeyCode& code) {
    std::string name;
    if (code.type == keyboard::kTypeKeyboardKey && code.param2 != 0) {
        name = UsageName(code.param2);
    } else if (code.type == keyboard::kTypeKeyboardKey && code.param1 != 0) {
        for (std::size_t bit = 0; bit < kModifierNames.size(); ++bit)
            if (code.param1 == (1u << bit)) name = kModifierNames[bit];
    } else if (code.type == keyboard::kTypeFunctionKey && code.param1 == 0x01) {
        name = "Fn";
    }
    if (name.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%02X %02X %02X", code.type, code.param1, code.param2);
        name = hex;
    }
    return "Key: " + name;
}

}  // namespace sdk
