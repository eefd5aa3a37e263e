#pragma once
// Custom key colours of lighting mode 8: one 4-byte entry per LED (red, green, blue,
// brightness), kept in the device object as a packed word with red in the low byte, and
// stored in the profile as colour groups (one colour per LED).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace keyboard {

struct LedColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t brightness = 0;  // "Alpha" in the profile
    bool operator==(const LedColour&) const = default;
};

// Byte 0 red, 1 green, 2 blue, 3 brightness.
std::uint32_t PackLedColour(const LedColour& colour);
LedColour UnpackLedColour(std::uint32_t packed);

// Sets red, green and blue of every entry to the colour (on) or to black (off); every
// entry's brightness stays.
void FillLedColours(std::vector<std::uint32_t>& entries, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue, bool on);
// Sets red, green and blue of entry `index` (brightness stays). False, and nothing changes,
// when the index is outside the entries.
bool PaintLedColour(std::vector<std::uint32_t>& entries, std::size_t index, std::uint8_t red,
                    std::uint8_t green, std::uint8_t blue);

}  // namespace keyboard
