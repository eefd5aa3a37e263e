#pragma once
// The tables that name keys and mouse actions in macros and key assignments.
//
// Key table: 153 rows of (code, category, parameter 1, parameter 2, name key). The code is
// the Windows virtual-key code (0x0101 keypad Enter, 0x0103-0x0105 system keys, 0 for
// device-only keys); the category is also the assignment type of a key assignment. The
// first 113 rows have a second table with the set-1 scan code and extended flag the
// keyboard capture reports, used to match live keys. Rows 141-152 are F13-F24, keyboard
// keys after the others so that no row moves, with scan codes of their own.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace macros {

namespace KeyCategory {
inline constexpr std::uint8_t kKeyboard = 0x20;  // p1 modifier bit, p2 HID keyboard usage
inline constexpr std::uint8_t kConsumer = 0x30;  // p1/p2 consumer usage low/high byte
inline constexpr std::uint8_t kSystem = 0x40;    // p1 system control bit
inline constexpr std::uint8_t kDeviceFunction = 0xA0;
inline constexpr std::uint8_t kDeviceMacro = 0xD0;
}  // namespace KeyCategory

struct KeyRow {
    std::uint16_t code;     // virtual-key code
    std::uint8_t category;  // KeyCategory
    std::uint8_t param1;
    std::uint8_t param2;
    std::string_view nameKey;  // language text id of the key's name
    std::string_view word;     // what a person types for it ("ctrl", "a", "volume-up")
    std::string_view label;    // English name ("Left Ctrl", "Page Up")
};

struct ScanRow {
    std::uint8_t scan;
    std::uint8_t extended;  // 0 or 1
};

inline constexpr std::size_t kKeyRowCount = 153;
inline constexpr std::size_t kScanRowCount = 113;
inline constexpr std::size_t kFirstLateKeyRow = 141;  // F13-F24, with scan codes too
inline constexpr std::size_t kModifierRowCount = 8;   // rows 0-7
inline constexpr std::size_t kFirstStandardRow = 8;

std::span<const KeyRow> KeyRows();
std::span<const ScanRow> ScanRows();

// First key row with this scan code and extended flag (rows 0-112, then F13-F24).
std::optional<std::size_t> FindScanRow(std::uint8_t scan, bool extended);
// The key rows a live key can match, in table order: rows 0-112 and F13-F24.
std::vector<std::size_t> ScannedKeyRows();
// First row from row 8 on with category 0x20, parameter 1 = 0 and parameter 2 = usage.
std::optional<std::size_t> FindUsageRow(std::uint8_t usage);
// First of rows 0-7 whose modifier bit is `bit`.
std::optional<std::size_t> FindModifierRow(std::uint8_t bit);
// First consumer row (category 0x30) with this 16-bit usage.
std::optional<std::size_t> FindConsumerRow(std::uint16_t usage);
// First system row (category 0x40) with this control bit.
std::optional<std::size_t> FindSystemRow(std::uint8_t bit);
// Row whose word equals `word` (letter case ignored).
std::optional<std::size_t> FindWordRow(std::string_view word);
// First row with this virtual-key code (0 never matches).
std::optional<std::size_t> FindVirtualKeyRow(std::uint16_t code);

// Mouse action table: 15 rows of (message, category, button bit, type byte, name key).
struct MouseActionRow {
    std::uint16_t message;  // mouse message
    std::uint8_t category;
    std::uint8_t bit;       // button bit
    std::uint8_t typeByte;  // event type, bit 7 set for "down"
    std::string_view nameKey;
};
inline constexpr std::size_t kMouseActionRowCount = 15;
std::span<const MouseActionRow> MouseActionRows();

namespace MouseMessage {
inline constexpr std::uint16_t kMove = 0x0200;
inline constexpr std::uint16_t kLeftDown = 0x0201;
inline constexpr std::uint16_t kLeftUp = 0x0202;
inline constexpr std::uint16_t kRightDown = 0x0204;
inline constexpr std::uint16_t kRightUp = 0x0205;
inline constexpr std::uint16_t kMiddleDown = 0x0207;
inline constexpr std::uint16_t kMiddleUp = 0x0208;
inline constexpr std::uint16_t kXDown = 0x020B;
inline constexpr std::uint16_t kXUp = 0x020C;
}  // namespace MouseMessage

// X button numbers of the extra mouse buttons.
inline constexpr int kXButtonBack = 1;
inline constexpr int kXButtonForward = 2;

// The mouse action row for a button message (rows 0-5), or for an X button message with its
// X button number (rows 6-9: 2 forward, 1 back); none for anything else.
std::optional<std::size_t> FindMouseActionRow(std::uint16_t message, int xButton);

}  // namespace macros
