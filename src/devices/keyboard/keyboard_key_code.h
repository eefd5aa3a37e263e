#pragma once
// A key code: the keyboard's own 3-byte encoding of what one key does.
//   byte 0  code type (0x20 keyboard key, 0xA0 function key, 0xD0 programmable side key,
//           0x70/0x71 macro)
//   byte 1  type 0x20: modifier mask; 0x70/0x71: macro index; otherwise a code of the type
//   byte 2  type 0x20: HID keyboard usage (0 for a pure modifier); otherwise a code of the type
#include <cstddef>
#include <cstdint>

namespace keyboard {

inline constexpr std::size_t kKeyCodeLength = 3;

inline constexpr std::uint8_t kTypeKeyboardKey = 0x20;
inline constexpr std::uint8_t kTypeFunctionKey = 0xA0;
inline constexpr std::uint8_t kTypeSideKey = 0xD0;
inline constexpr std::uint8_t kTypeMacro = 0x70;
inline constexpr std::uint8_t kTypeMacroRepeated = 0x71;

struct KeyCode {
    std::uint8_t type = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
    bool operator==(const KeyCode&) const = default;
};
static_assert(sizeof(KeyCode) == kKeyCodeLength, "a key code is 3 bytes on the wire");

// The code of a keyboard key with no usage and no modifier: it names no key at all.
inline constexpr KeyCode kEmptyKeyCode{kTypeKeyboardKey, 0, 0};

}  // namespace keyboard
