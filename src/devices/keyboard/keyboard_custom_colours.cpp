#include "devices/keyboard/keyboard_custom_colours.h"

namespace keyboard {

namespace {
constexpr std::uint32_t kBrightnessMask = 0xFF000000u;
}

std::uint32_t PackLedColour(const LedColour& c) {
    return std::uint32_t{c.red} | std::uint32_t{c.green} << 8 | std::uint32_t{c.blue} << 16 |
           std::uint32_t{c.brightness} << 24;
}

LedColour UnpackLedColour(std::uint32_t packed) {
    return {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
            static_cast<std::uint8_t>(packed >> 16), static_cast<std::uint8_t>(packed >> 24)};
}

void FillLedColours(std::vector<std::uint32_t>& entries, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue, bool on) {
    const std::uint32_t colour = on ? PackLedColour({red, green, blue, 0}) : 0u;
    for (std::uint32_t& entry : entries) entry = (entry & kBrightnessMask) | colour;
}

bool PaintLedColour(std::vector<std::uint32_t>& entries, std::size_t index, std::uint8_t red,
                    std::uint8_t green, std::uint8_t blue) {
    if (index >= entries.size()) return false;
    entries[index] = (entries[index] & kBrightnessMask) | PackLedColour({red, green, blue, 0});
    return true;
}

}  // namespace keyboard
