#pragma once
// The keyboard's per-key colour frame, written with command 18 while the keyboard lights in
// its custom colour mode (8).
//
// The frame has one 3-byte record per light position, positions 0 .. N-1 for a keyboard of
// N device keys (N x 3 bytes):
//   byte 3p + 0  red     of the key lit at position p
//   byte 3p + 1  green
//   byte 3p + 2  blue
// Device key k lights at position lightPositions[k] (the table read with command 27); LED j
// of the on-screen keyboard is device key map[j]. Positions that no LED's key names (keys
// without a LED, unmapped LEDs) stay black. The brightness byte of the LED colours is not
// sent: the keyboard's brightness level is the one of its settings block.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "devices/keyboard/keyboard_led_table.h"

namespace keyboard {

inline constexpr std::size_t kLightRecordLength = 3;

// ledColours: per LED the packed colour (red in the low byte, keyboard_custom_colours.h);
// LEDs past its end count as black. keyCount is limited to the positions table and to 170;
// a key whose position is keyCount or more is not lit.
std::vector<std::uint8_t> BuildLightFrame(std::span<const std::uint32_t> ledColours, const LedKeyMap& map,
                                          std::span<const std::uint8_t> lightPositions, std::size_t keyCount);

}  // namespace keyboard
