#pragma once
// The keyboard's settings block in device memory.
//
// The device keeps settings blocks of 25 bytes each at offset (slot x 25); byte 0 of the
// memory holds the number of the active slot. The host reads the active slot's block and
// always writes its block at offset 0.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace keyboard {

namespace block {
inline constexpr std::size_t kSlot = 0;        // written: the slot byte (0); read: active slot
inline constexpr std::size_t kLightMode = 1;   // built-in effect; host presets go out as 0
inline constexpr std::size_t kBrightness = 2;  // brightness level 0-4
inline constexpr std::size_t kSpeed = 3;       // 4 - speed level
inline constexpr std::size_t kDirection = 4;   // written only
inline constexpr std::size_t kColourful = 5;   // colourful flag 0 or 1
inline constexpr std::size_t kRed = 6;
inline constexpr std::size_t kGreen = 7;
inline constexpr std::size_t kBlue = 8;
inline constexpr std::size_t kReserved9 = 9;     // 9-18 zero
inline constexpr std::size_t kWFlag = 19;        // W lock flag (low byte)
inline constexpr std::size_t kKey6Flag = 20;     // 6-key rollover flag (low byte)
inline constexpr std::size_t kWinFlag = 21;      // Windows key lock flag (low byte)
inline constexpr std::size_t kPollingRate = 22;  // polling rate option 0-3 (low byte), written only
inline constexpr std::size_t kReserved23 = 23;   // 23-24 zero
inline constexpr std::size_t kLength = 25;       // bytes of one block, and distance between blocks
static_assert(kReserved23 + 2 == kLength, "the block ends after two reserved bytes");
}  // namespace block

// Modes from this value on are the host's light presets; the device only knows 0-24.
inline constexpr std::uint8_t kFirstHostLightMode = 25;
// Largest speed level; the device stores the level turned over.
inline constexpr std::uint8_t kMaxLightSpeed = 4;
// The mode whose key colours the user paints.
inline constexpr std::uint8_t kCustomColourMode = 8;

// What the block carries, as the device object's model holds it.
struct KeyboardBlockSettings {
    std::uint8_t mode = 0;
    std::uint8_t brightness = 0;
    std::uint8_t speed = 0;  // speed level 0-4 (above 4 counts as 4)
    std::uint8_t direction = 0;
    std::uint8_t colourful = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint16_t wFlag = 0;  // low bytes are sent
    std::uint16_t key6Flag = 0;
    std::uint16_t winFlag = 0;
    std::uint16_t pollingRate = 0;
};

using KeyboardBlockBytes = std::array<std::uint8_t, block::kLength>;

// Builds the block: byte 0 = slotByte; mode 25 and above as 0; byte 3 = 4 - speed; the flags'
// and the polling rate's low bytes; every reserved byte 0.
KeyboardBlockBytes EncodeKeyboardBlock(const KeyboardBlockSettings& settings, std::uint8_t slotByte);

// What the host takes from a block read back.
struct KeyboardBlockReadBack {
    KeyboardBlockBytes bytes{};  // as read, byte 0 replaced by the active slot
    std::uint8_t slot = 0;
    std::uint8_t mode = 0;
    std::uint8_t brightness = 0;
    std::uint8_t speed = 0;  // already turned back: 4 - byte 3 (a byte above 4 reads as 0)
    std::uint8_t colourful = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint16_t wFlag = 0;
    std::uint16_t key6Flag = 0;
    std::uint16_t winFlag = 0;
    std::uint8_t pollingRate = 0;  // shown, never taken into the profile
};

// Decodes a block read from slot `slot`. Returns 1 and fills `out`; 0 when fewer than 25
// bytes are given (`out` untouched).
int DecodeKeyboardBlock(std::span<const std::uint8_t> bytes, std::uint8_t slot, KeyboardBlockReadBack* out);

}  // namespace keyboard
