#pragma once
// The mouse pad's lighting record.
//
// The pad keeps 25-byte settings blocks at offset (slot x 25); byte 0 of its memory holds
// the active slot. The host reads the first 21 bytes of the active block and writes its
// 21-byte record at offset (index x 64); every caller writes index 0. The record is held
// with the speed in the profile's scale; the device stores 4 - speed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pad {

namespace lighting {
inline constexpr std::size_t kSlot = 0;        // the active slot as read
inline constexpr std::size_t kMode = 1;        // lighting mode
inline constexpr std::size_t kBrightness = 2;  // brightness level
inline constexpr std::size_t kSpeed = 3;       // speed level (device: 4 - level)
inline constexpr std::size_t kDirection = 4;   // direction of the effect
inline constexpr std::size_t kColourful = 5;   // colourful flag
inline constexpr std::size_t kRed = 6;
inline constexpr std::size_t kGreen = 7;
inline constexpr std::size_t kBlue = 8;
inline constexpr std::size_t kFurther = 9;       // 9-20 kept as read
inline constexpr std::size_t kLength = 21;       // bytes of the record
inline constexpr std::size_t kBlockStride = 25;  // distance between the device's blocks
inline constexpr std::size_t kWriteStride = 64;  // a write lands at index x 64
static_assert(kFurther + 12 == kLength, "twelve further bytes end the record");
static_assert(kLength <= kBlockStride, "the record is read from the head of a block");
}  // namespace lighting

inline constexpr std::uint8_t kMaxLightSpeed = 4;

using PadLightingRecord = std::array<std::uint8_t, lighting::kLength>;

// The lighting choice of a profile, as it enters the record.
struct PadLightChoice {
    std::uint8_t mode = 0;
    std::uint8_t brightness = 0;
    std::uint8_t speed = 0;
    std::uint8_t direction = 0;
    std::uint8_t colourful = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The record from a block read from `slot` (at least 21 bytes; fewer give 0 and `out` stays):
// the first 21 bytes, byte 0 = slot, byte 3 turned back (a device byte above 4 reads as 0).
int DecodePadLighting(std::span<const std::uint8_t> block, std::uint8_t slot, PadLightingRecord* out);

// The 21 bytes as they are written: the record with byte 3 turned over (4 - speed; a speed
// above 4 counts as 4).
PadLightingRecord EncodePadLightingWrite(const PadLightingRecord& record);

// Puts the profile's choice into bytes 1-8; the others stay. The direction goes along: the
// panel offers it, so the device must hold what the page shows.
void ApplyPadLightChoice(const PadLightChoice& choice, PadLightingRecord& record);

}  // namespace pad
