#pragma once
// The keyboard's 126 LEDs and the key matrix the device reports.
//
// Every LED of the on-screen keyboard belongs to the key that the device reports with one
// fixed key code (the LED identity). At start the device sends its key table (N key codes,
// 3 bytes each, in device key order); matching it against the identities tells which device
// key sits under which LED.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "devices/keyboard/keyboard_key_code.h"

namespace keyboard {

inline constexpr std::size_t kLedCount = 126;
// The function key's LED (identity A0 01 00).
inline constexpr std::size_t kFunctionKeyLed = 110;
// The device's key table is read into 512 bytes: at most 170 keys.
inline constexpr std::size_t kMaxKeyTableBytes = 512;
inline constexpr std::size_t kMaxDeviceKeys = kMaxKeyTableBytes / kKeyCodeLength;
// An LED whose key the device did not report.
inline constexpr std::uint8_t kNoKeySlot = 255;
static_assert(kMaxDeviceKeys < kNoKeySlot, "every device key index fits below the 'none' mark");

// Identity of every LED, indexed by LED.
const std::array<KeyCode, kLedCount>& LedIdentityTable();

// For each LED, the index of its device key, or kNoKeySlot.
using LedKeyMap = std::array<std::uint8_t, kLedCount>;

// True when a device reporting `keyCount` keys has a key table that fits 512 bytes.
bool KeyCountFits(std::size_t keyCount);

// Matches the device key table (the first keyCount x 3 bytes of keyTable) against the LED
// identities: LED j gets the first device key whose code equals its identity.
//   - a device key whose code is no LED's identity stays unmapped (its bytes are kept
//     whenever the key table is written back);
//   - an LED whose identity the device did not report gets kNoKeySlot;
//   - LEDs whose identity is the empty code 20 00 00 get kNoKeySlot as well: the empty code
//     names no key, and mapping the five of them to one unused device key would let their
//     assignments overwrite each other on that key.
// keyCount is limited to what keyTable holds and to 170.
LedKeyMap BuildLedKeyMap(std::span<const std::uint8_t> keyTable, std::size_t keyCount);

}  // namespace keyboard
