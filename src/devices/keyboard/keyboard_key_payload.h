#pragma once
// The key assignment payload written with command 9: one key code per device key, in
// device key order (N x 3 bytes).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "devices/keyboard/keyboard_key_code.h"
#include "devices/keyboard/keyboard_led_table.h"

namespace keyboard {

// Starts from the device key table as read (its first keyCount x 3 bytes) and replaces the
// code of every device key that sits under an LED by that LED's assignment
// (ledAssignments[led]; an LED without a mapped key, or without a value, keeps the device's
// bytes). Keys under no LED keep exactly the bytes the device reported.
// keyCount is limited to what keyTable holds and to 170.
std::vector<std::uint8_t> BuildKeyAssignmentPayload(std::span<const std::uint8_t> keyTable,
                                                    std::size_t keyCount, const LedKeyMap& map,
                                                    std::span<const std::optional<KeyCode>> ledAssignments);

}  // namespace keyboard
