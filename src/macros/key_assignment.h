#pragma once
// Key assignment codes: three bytes (type, parameter 1, parameter 2) per button or key, the
// functions of the key assignment panel, their option tables, and the rules that turn the
// panel's choices into an assignment and back.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace macros {

struct Assignment {
    std::uint8_t type = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
    bool operator==(const Assignment&) const = default;
};

namespace AssignType {
inline constexpr std::uint8_t kDisabled = 0x00;
inline constexpr std::uint8_t kMouseButton = 0x10;
inline constexpr std::uint8_t kSwing = 0x11;
inline constexpr std::uint8_t kWheel = 0x12;
inline constexpr std::uint8_t kDpi = 0x13;
inline constexpr std::uint8_t kRapidFire = 0x14;
inline constexpr std::uint8_t kKeyboard = 0x20;
inline constexpr std::uint8_t kMedia = 0x30;
inline constexpr std::uint8_t kSystem = 0x40;
inline constexpr std::uint8_t kMacro = 0x70;
inline constexpr std::uint8_t kMacroRepeat = 0x71;
inline constexpr std::uint8_t kGunPreset = 0x72;
inline constexpr std::uint8_t kDeviceFunction = 0xA0;
inline constexpr std::uint8_t kKeyCombination = 0xB0;
}  // namespace AssignType

// Function numbers of the panel (the user data of the function combo items).
enum class KeyFunction {
    Default = 0,
    MouseButton = 1,
    Swing = 2,
    Wheel = 3,
    Dpi = 4,
    RapidFire = 5,
    Keyboard = 6,
    Media = 7,
    System = 8,
    Macro = 9,
    GunPreset = 10,
    KeyCombination = 11,
    None = -1,
};

struct OptionRow {
    Assignment assignment;
    std::string_view word;  // what a person types for it
};

// The option table of functions 1, 4, 7, 8 and 11 (empty for the others).
std::span<const OptionRow> OptionTable(KeyFunction function);
// Row of `assignment` in the function's option table, -1 when none matches.
int FindOptionRow(KeyFunction function, const Assignment& assignment);
// The row's assignment; none for a row that does not exist (nothing selected).
std::optional<Assignment> OptionAssignment(KeyFunction function, int row);

// Modifier options of the keyboard function: 0 none, 1 Ctrl, 2 Shift, 3 Alt, 4 Win.
inline constexpr int kModifierOptionCount = 5;
inline constexpr std::uint8_t kModifierOptionBits[kModifierOptionCount] = {0x00, 0x01, 0x02, 0x04, 0x08};
// Option of key table modifier row r (0-7): left and right variants give the same option.
int ModifierOptionOfRow(std::size_t row);
// Option shown for parameter 1: 0 when it is not exactly one modifier bit.
int ModifierOptionOfBits(std::uint8_t bits);

// Scroll functions: direction 1 is right (swing) or down (wheel).
struct ScrollChoice {
    int direction = 0;  // 0 or 1
    int delay = 0;      // 0..15
    int speed = 0;      // 0..15
    int count = 0;      // 0..127
    bool operator==(const ScrollChoice&) const = default;
};
Assignment BuildSwing(const ScrollChoice& choice);
Assignment BuildWheel(const ScrollChoice& choice);
ScrollChoice ReadScroll(const Assignment& assignment);

inline constexpr int kMacroModeCount = 4;     // playback modes 0-3 of type 0x70
inline constexpr int kMacroRepeatOption = 4;  // the "over" item that means a repeat count
inline constexpr int kMaxMacroRepeat = 255;
// Macro `index` of `macroCount` with the "over" option (0-3 mode, 4 repeat `repeat`, limited to
// 1..255). None when the index is not a macro of the list.
std::optional<Assignment> BuildMacro(int index, int macroCount, int over, long long repeat);

// The function shown for an assignment: Default when it equals the key's default, else by
// type (0xB0 shows the key combination function); None for a type no function shows.
KeyFunction FunctionOf(const Assignment& assignment, const Assignment& defaults);

// Key capture: the key table row of a captured scan code. A modifier gives its own bit with
// no key; another key keeps the modifier bits `heldBits` and gives its usage. None for a
// key that is not a keyboard key.
std::optional<Assignment> CapturedKey(std::uint8_t scan, bool extended, std::uint8_t heldBits);

// The last left button: true when button `button` is the only one whose current
// assignment is the left button (10 01 00); it must keep that assignment.
inline constexpr Assignment kLeftButton{AssignType::kMouseButton, 0x01, 0x00};
bool IsLastLeftButton(std::span<const Assignment> current, std::size_t button);

}  // namespace macros
