#include "macros/key_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace macros {
namespace {

using namespace KeyCategory;

constexpr KeyRow kKeyRows[] = {
    // Modifiers: parameter 1 is the modifier bit, parameter 2 is 0.
    {0xA2, kKeyboard, 0x01, 0, "keyboard_key_LCtrl", "ctrl", "Left Ctrl"},
    {0xA0, kKeyboard, 0x02, 0, "keyboard_key_LShift", "shift", "Left Shift"},
    {0xA4, kKeyboard, 0x04, 0, "keyboard_key_LAlt", "alt", "Left Alt"},
    {0x5B, kKeyboard, 0x08, 0, "keyboard_key_LWin", "win", "Left Win"},
    {0xA3, kKeyboard, 0x10, 0, "keyboard_key_RCtrl", "rctrl", "Right Ctrl"},
    {0xA1, kKeyboard, 0x20, 0, "keyboard_key_RShift", "rshift", "Right Shift"},
    {0xA5, kKeyboard, 0x40, 0, "keyboard_key_RAlt", "ralt", "Right Alt"},
    {0x5C, kKeyboard, 0x80, 0, "keyboard_key_RWin", "rwin", "Right Win"},
    // Letters.
    {0x41, kKeyboard, 0, 0x04, "keyboard_key_A", "a", "A"},
    {0x42, kKeyboard, 0, 0x05, "keyboard_key_B", "b", "B"},
    {0x43, kKeyboard, 0, 0x06, "keyboard_key_C", "c", "C"},
    {0x44, kKeyboard, 0, 0x07, "keyboard_key_D", "d", "D"},
    {0x45, kKeyboard, 0, 0x08, "keyboard_key_E", "e", "E"},
    {0x46, kKeyboard, 0, 0x09, "keyboard_key_F", "f", "F"},
    {0x47, kKeyboard, 0, 0x0A, "keyboard_key_G", "g", "G"},
    {0x48, kKeyboard, 0, 0x0B, "keyboard_key_H", "h", "H"},
    {0x49, kKeyboard, 0, 0x0C, "keyboard_key_I", "i", "I"},
    {0x4A, kKeyboard, 0, 0x0D, "keyboard_key_J", "j", "J"},
    {0x4B, kKeyboard, 0, 0x0E, "keyboard_key_K", "k", "K"},
    {0x4C, kKeyboard, 0, 0x0F, "keyboard_key_L", "l", "L"},
    {0x4D, kKeyboard, 0, 0x10, "keyboard_key_M", "m", "M"},
    {0x4E, kKeyboard, 0, 0x11, "keyboard_key_N", "n", "N"},
    {0x4F, kKeyboard, 0, 0x12, "keyboard_key_O", "o", "O"},
    {0x50, kKeyboard, 0, 0x13, "keyboard_key_P", "p", "P"},
    {0x51, kKeyboard, 0, 0x14, "keyboard_key_Q", "q", "Q"},
    {0x52, kKeyboard, 0, 0x15, "keyboard_key_R", "r", "R"},
    {0x53, kKeyboard, 0, 0x16, "keyboard_key_S", "s", "S"},
    {0x54, kKeyboard, 0, 0x17, "keyboard_key_T", "t", "T"},
    {0x55, kKeyboard, 0, 0x18, "keyboard_key_U", "u", "U"},
    {0x56, kKeyboard, 0, 0x19, "keyboard_key_V", "v", "V"},
    {0x57, kKeyboard, 0, 0x1A, "keyboard_key_W", "w", "W"},
    {0x58, kKeyboard, 0, 0x1B, "keyboard_key_X", "x", "X"},
    {0x59, kKeyboard, 0, 0x1C, "keyboard_key_Y", "y", "Y"},
    {0x5A, kKeyboard, 0, 0x1D, "keyboard_key_Z", "z", "Z"},
    // Digits 1-9, 0.
    {0x31, kKeyboard, 0, 0x1E, "keyboard_key_1", "1", "1"},
    {0x32, kKeyboard, 0, 0x1F, "keyboard_key_2", "2", "2"},
    {0x33, kKeyboard, 0, 0x20, "keyboard_key_3", "3", "3"},
    {0x34, kKeyboard, 0, 0x21, "keyboard_key_4", "4", "4"},
    {0x35, kKeyboard, 0, 0x22, "keyboard_key_5", "5", "5"},
    {0x36, kKeyboard, 0, 0x23, "keyboard_key_6", "6", "6"},
    {0x37, kKeyboard, 0, 0x24, "keyboard_key_7", "7", "7"},
    {0x38, kKeyboard, 0, 0x25, "keyboard_key_8", "8", "8"},
    {0x39, kKeyboard, 0, 0x26, "keyboard_key_9", "9", "9"},
    {0x30, kKeyboard, 0, 0x27, "keyboard_key_0", "0", "0"},
    {0x0D, kKeyboard, 0, 0x28, "keyboard_key_Enter", "enter", "Enter"},
    {0x1B, kKeyboard, 0, 0x29, "keyboard_key_Esc", "esc", "Esc"},
    {0x08, kKeyboard, 0, 0x2A, "keyboard_key_BackSpace", "backspace", "Backspace"},
    {0x09, kKeyboard, 0, 0x2B, "keyboard_key_Tab", "tab", "Tab"},
    {0x20, kKeyboard, 0, 0x2C, "keyboard_key_Space", "space", "Space"},
    {0xBD, kKeyboard, 0, 0x2D, "keyboard_key_-", "minus", "-"},
    {0xBB, kKeyboard, 0, 0x2E, "keyboard_key_=", "equal", "="},
    {0xDB, kKeyboard, 0, 0x2F, "keyboard_key_[", "leftbracket", "["},
    {0xDD, kKeyboard, 0, 0x30, "keyboard_key_]", "rightbracket", "]"},
    {0xDC, kKeyboard, 0, 0x31, "keyboard_key_xiegang", "backslash", "\\"},
    {0xBA, kKeyboard, 0, 0x33, "keyboard_key_;", "semicolon", ";"},
    {0xDE, kKeyboard, 0, 0x34, "keyboard_key_'", "apostrophe", "'"},
    {0xC0, kKeyboard, 0, 0x35, "keyboard_key_`", "grave", "`"},
    {0xBC, kKeyboard, 0, 0x36, "keyboard_key_<", "comma", ","},
    {0xBE, kKeyboard, 0, 0x37, "keyboard_key_.", "dot", "."},
    {0xBF, kKeyboard, 0, 0x38, "keyboard_key_/", "slash", "/"},
    {0x14, kKeyboard, 0, 0x39, "keyboard_key_Caplk", "capslock", "Caps Lock"},
    // F1-F12.
    {0x70, kKeyboard, 0, 0x3A, "keyboard_key_F1", "f1", "F1"},
    {0x71, kKeyboard, 0, 0x3B, "keyboard_key_F2", "f2", "F2"},
    {0x72, kKeyboard, 0, 0x3C, "keyboard_key_F3", "f3", "F3"},
    {0x73, kKeyboard, 0, 0x3D, "keyboard_key_F4", "f4", "F4"},
    {0x74, kKeyboard, 0, 0x3E, "keyboard_key_F5", "f5", "F5"},
    {0x75, kKeyboard, 0, 0x3F, "keyboard_key_F6", "f6", "F6"},
    {0x76, kKeyboard, 0, 0x40, "keyboard_key_F7", "f7", "F7"},
    {0x77, kKeyboard, 0, 0x41, "keyboard_key_F8", "f8", "F8"},
    {0x78, kKeyboard, 0, 0x42, "keyboard_key_F9", "f9", "F9"},
    {0x79, kKeyboard, 0, 0x43, "keyboard_key_F10", "f10", "F10"},
    {0x7A, kKeyboard, 0, 0x44, "keyboard_key_F11", "f11", "F11"},
    {0x7B, kKeyboard, 0, 0x45, "keyboard_key_F12", "f12", "F12"},
    // Navigation block.
    {0x2C, kKeyboard, 0, 0x46, "keyboard_key_Print Scr", "printscreen", "Print Screen"},
    {0x91, kKeyboard, 0, 0x47, "keyboard_key_Scroll Lock", "scrolllock", "Scroll Lock"},
    {0x13, kKeyboard, 0, 0x48, "keyboard_key_Pause", "pause", "Pause"},
    {0x2D, kKeyboard, 0, 0x49, "keyboard_key_Insert", "insert", "Insert"},
    {0x24, kKeyboard, 0, 0x4A, "keyboard_key_Home", "home", "Home"},
    {0x21, kKeyboard, 0, 0x4B, "keyboard_key_Page Up", "pageup", "Page Up"},
    {0x2E, kKeyboard, 0, 0x4C, "keyboard_key_Delete", "delete", "Delete"},
    {0x23, kKeyboard, 0, 0x4D, "keyboard_key_End", "end", "End"},
    {0x22, kKeyboard, 0, 0x4E, "keyboard_key_Page Down", "pagedown", "Page Down"},
    {0x27, kKeyboard, 0, 0x4F, "keyboard_key_Right", "right-arrow", "Right"},
    {0x25, kKeyboard, 0, 0x50, "keyboard_key_Left", "left-arrow", "Left"},
    {0x28, kKeyboard, 0, 0x51, "keyboard_key_Down", "down-arrow", "Down"},
    {0x26, kKeyboard, 0, 0x52, "keyboard_key_Up", "up-arrow", "Up"},
    // Numeric keypad.
    {0x90, kKeyboard, 0, 0x53, "keyboard_key_Num Lock", "numlock", "Num Lock"},
    {0x6F, kKeyboard, 0, 0x54, "keyboard_key_Num /", "kp-slash", "Num /"},
    {0x6A, kKeyboard, 0, 0x55, "keyboard_key_Num *", "kp-asterisk", "Num *"},
    {0x6D, kKeyboard, 0, 0x56, "keyboard_key_Num -", "kp-minus", "Num -"},
    {0x6B, kKeyboard, 0, 0x57, "keyboard_key_Num +", "kp-plus", "Num +"},
    {0x0101, kKeyboard, 0, 0x58, "keyboard_key_Num Enter", "kp-enter", "Num Enter"},
    {0x61, kKeyboard, 0, 0x59, "keyboard_key_Num 1", "kp1", "Num 1"},
    {0x62, kKeyboard, 0, 0x5A, "keyboard_key_Num 2", "kp2", "Num 2"},
    {0x63, kKeyboard, 0, 0x5B, "keyboard_key_Num 3", "kp3", "Num 3"},
    {0x64, kKeyboard, 0, 0x5C, "keyboard_key_Num 4", "kp4", "Num 4"},
    {0x65, kKeyboard, 0, 0x5D, "keyboard_key_Num 5", "kp5", "Num 5"},
    {0x66, kKeyboard, 0, 0x5E, "keyboard_key_Num 6", "kp6", "Num 6"},
    {0x67, kKeyboard, 0, 0x5F, "keyboard_key_Num 7", "kp7", "Num 7"},
    {0x68, kKeyboard, 0, 0x60, "keyboard_key_Num 8", "kp8", "Num 8"},
    {0x69, kKeyboard, 0, 0x61, "keyboard_key_Num 9", "kp9", "Num 9"},
    {0x60, kKeyboard, 0, 0x62, "keyboard_key_Num 0", "kp0", "Num 0"},
    {0x6E, kKeyboard, 0, 0x63, "keyboard_key_Decimal", "kp-dot", "Num ."},
    {0x5D, kKeyboard, 0, 0x65, "keyboard_key_App", "menu", "Menu"},
    // International keys.
    {0xE2, kKeyboard, 0, 0x64, "keyboard_key_K45", "intl-backslash", "ISO \\"},
    {0xC1, kKeyboard, 0, 0x87, "keyboard_key_K56", "ro", "Ro"},
    {0xFF, kKeyboard, 0, 0x89, "keyboard_key_K14", "yen", "Yen"},
    {0xC2, kKeyboard, 0, 0x85, "keyboard_key_K107", "kp-comma", "Num ,"},
    {0xEB, kKeyboard, 0, 0x8B, "keyboard_key_K131", "muhenkan", "Muhenkan"},
    {0xFF, kKeyboard, 0, 0x8A, "keyboard_key_K132", "henkan", "Henkan"},
    {0xFF, kKeyboard, 0, 0x88, "keyboard_key_K133", "katakana-hiragana", "Katakana/Hiragana"},
    {0xE9, kKeyboard, 0, 0x91, "keyboard_key_K150", "hanja", "Hanja"},
    {0xFF, kKeyboard, 0, 0x90, "keyboard_key_K151", "hangul", "Hangul"},
    // Consumer keys: parameter 1 and 2 are the usage, low byte first.
    {0xB7, kConsumer, 0x92, 0x01, "keyboard_key_Launch App2", "calculator", "Calculator"},
    {0xAC, kConsumer, 0x23, 0x02, "keyboard_key_Browaer Home", "browser-home", "Browser Home"},
    {0xB3, kConsumer, 0xCD, 0x00, "keyboard_key_Media Play Pause", "play-pause", "Play/Pause"},
    {0xAA, kConsumer, 0x21, 0x02, "keyboard_key_Browser Search", "browser-search", "Browser Search"},
    {0xB4, kConsumer, 0x8A, 0x01, "keyboard_key_Launch Mail", "mail", "Mail"},
    {0xAF, kConsumer, 0xE9, 0x00, "keyboard_key_Volume Up", "volume-up", "Volume Up"},
    {0xAD, kConsumer, 0xE2, 0x00, "keyboard_key_Volume Mute", "mute", "Mute"},
    {0xB2, kConsumer, 0xB7, 0x00, "keyboard_key_Media Stop", "stop", "Stop"},
    {0xAE, kConsumer, 0xEA, 0x00, "keyboard_key_Volume Down", "volume-down", "Volume Down"},
    {0xAB, kConsumer, 0x2A, 0x02, "keyboard_key_Browser Favorites", "browser-favorites", "Browser Favorites"},
    {0xA7, kConsumer, 0x25, 0x02, "keyboard_key_Browser ForWard", "browser-forward", "Browser Forward"},
    {0xA6, kConsumer, 0x24, 0x02, "keyboard_key_Browser Back", "browser-back", "Browser Back"},
    {0xB1, kConsumer, 0xB6, 0x00, "keyboard_key_Media Prev Track", "previous-track", "Previous Track"},
    {0xB0, kConsumer, 0xB5, 0x00, "keyboard_key_Media Next Track", "next-track", "Next Track"},
    {0xB6, kConsumer, 0x94, 0x01, "keyboard_key_Computer", "computer", "Computer"},
    {0xA8, kConsumer, 0x27, 0x02, "keyboard_key_Browser Refresh", "browser-refresh", "Browser Refresh"},
    {0xA9, kConsumer, 0x26, 0x02, "wed_stop", "browser-stop", "Browser Stop"},
    {0xB5, kConsumer, 0x83, 0x01, "keyboard_key_Launch Media Select", "media-player", "Media Player"},
    // System controls.
    {0x0103, kSystem, 0x01, 0, "keyboard_key_Power", "power", "Power"},
    {0x0104, kSystem, 0x02, 0, "keyboard_key_Sleep", "sleep", "Sleep"},
    {0x0105, kSystem, 0x04, 0, "keyboard_key_Wakeup", "wake", "Wake"},
    // Device keys.
    {0, kDeviceMacro, 0xA2, 1, "keyboard_key_M1", "m1", "M1"},
    {0, kDeviceMacro, 0xA2, 2, "keyboard_key_M2", "m2", "M2"},
    {0, kDeviceMacro, 0xA2, 3, "keyboard_key_M3", "m3", "M3"},
    {0, kDeviceMacro, 0xA2, 4, "keyboard_key_M4", "m4", "M4"},
    {0, kDeviceMacro, 0xA2, 5, "keyboard_key_M5", "m5", "M5"},
    {0, kDeviceFunction, 0x01, 0, "keyboard_key_FN", "fn", "Fn"},
    {0, kDeviceFunction, 0x1B, 0, "keyboard_key_GM", "gm", "Game Mode"},
    // F13-F24: usages 0x68-0x73 of the keyboard page, which macros and key assignments
    // carry like any other keyboard key.
    {0x7C, kKeyboard, 0, 0x68, "keyboard_key_F13", "f13", "F13"},
    {0x7D, kKeyboard, 0, 0x69, "keyboard_key_F14", "f14", "F14"},
    {0x7E, kKeyboard, 0, 0x6A, "keyboard_key_F15", "f15", "F15"},
    {0x7F, kKeyboard, 0, 0x6B, "keyboard_key_F16", "f16", "F16"},
    {0x80, kKeyboard, 0, 0x6C, "keyboard_key_F17", "f17", "F17"},
    {0x81, kKeyboard, 0, 0x6D, "keyboard_key_F18", "f18", "F18"},
    {0x82, kKeyboard, 0, 0x6E, "keyboard_key_F19", "f19", "F19"},
    {0x83, kKeyboard, 0, 0x6F, "keyboard_key_F20", "f20", "F20"},
    {0x84, kKeyboard, 0, 0x70, "keyboard_key_F21", "f21", "F21"},
    {0x85, kKeyboard, 0, 0x71, "keyboard_key_F22", "f22", "F22"},
    {0x86, kKeyboard, 0, 0x72, "keyboard_key_F23", "f23", "F23"},
    {0x87, kKeyboard, 0, 0x73, "keyboard_key_F24", "f24", "F24"},
};
static_assert(std::size(kKeyRows) == kKeyRowCount);

constexpr ScanRow kScanRows[] = {
    {0x1D, 0},
    {0x2A, 0},
    {0x38, 0},
    {0x5B, 1},
    {0x1D, 1},
    {0x36, 1},
    {0x38, 1},
    {0x5C, 1},
    // A-Z
    {0x1E, 0},
    {0x30, 0},
    {0x2E, 0},
    {0x20, 0},
    {0x12, 0},
    {0x21, 0},
    {0x22, 0},
    {0x23, 0},
    {0x17, 0},
    {0x24, 0},
    {0x25, 0},
    {0x26, 0},
    {0x32, 0},
    {0x31, 0},
    {0x18, 0},
    {0x19, 0},
    {0x10, 0},
    {0x13, 0},
    {0x1F, 0},
    {0x14, 0},
    {0x16, 0},
    {0x2F, 0},
    {0x11, 0},
    {0x2D, 0},
    {0x15, 0},
    {0x2C, 0},
    // 1-9, 0
    {0x02, 0},
    {0x03, 0},
    {0x04, 0},
    {0x05, 0},
    {0x06, 0},
    {0x07, 0},
    {0x08, 0},
    {0x09, 0},
    {0x0A, 0},
    {0x0B, 0},
    // Enter .. Caps Lock
    {0x1C, 0},
    {0x01, 0},
    {0x0E, 0},
    {0x0F, 0},
    {0x39, 0},
    {0x0C, 0},
    {0x0D, 0},
    {0x1A, 0},
    {0x1B, 0},
    {0x2B, 0},
    {0x27, 0},
    {0x28, 0},
    {0x29, 0},
    {0x33, 0},
    {0x34, 0},
    {0x35, 0},
    {0x3A, 0},
    // F1-F12
    {0x3B, 0},
    {0x3C, 0},
    {0x3D, 0},
    {0x3E, 0},
    {0x3F, 0},
    {0x40, 0},
    {0x41, 0},
    {0x42, 0},
    {0x43, 0},
    {0x44, 0},
    {0x57, 0},
    {0x58, 0},
    // Print Scr .. Up
    {0x37, 1},
    {0x46, 0},
    {0x45, 0},
    {0x52, 1},
    {0x47, 1},
    {0x49, 1},
    {0x53, 1},
    {0x4F, 1},
    {0x51, 1},
    {0x4D, 1},
    {0x4B, 1},
    {0x50, 1},
    {0x48, 1},
    // Num Lock .. App
    {0x45, 1},
    {0x35, 1},
    {0x37, 0},
    {0x4A, 0},
    {0x4E, 0},
    {0x1C, 1},
    {0x4F, 0},
    {0x50, 0},
    {0x51, 0},
    {0x4B, 0},
    {0x4C, 0},
    {0x4D, 0},
    {0x47, 0},
    {0x48, 0},
    {0x49, 0},
    {0x52, 0},
    {0x53, 0},
    {0x5D, 1},
    // International keys
    {0x56, 0},
    {0x73, 0},
    {0x7D, 0},
    {0x7E, 0},
    {0x7B, 0},
    {0x79, 0},
    {0x70, 0},
    {0x71, 0},
    {0x72, 0},
};
static_assert(std::size(kScanRows) == kScanRowCount);

// The scan codes of F13-F24 (rows 141-152), in row order.
constexpr ScanRow kLateScanRows[] = {
    {0x64, 0}, {0x65, 0}, {0x66, 0}, {0x67, 0}, {0x68, 0}, {0x69, 0},
    {0x6A, 0}, {0x6B, 0}, {0x6C, 0}, {0x6D, 0}, {0x6E, 0}, {0x76, 0},
};
static_assert(kFirstLateKeyRow + std::size(kLateScanRows) == kKeyRowCount);

constexpr std::uint8_t kMouseCategory = 0x10;
constexpr std::uint8_t kMoveCategory = 0x15;
constexpr std::uint8_t kWheelCategory = 0x12;
constexpr MouseActionRow kMouseActions[] = {
    {0x0201, kMouseCategory, 0x01, 0x81, "mouse_key_left"},
    {0x0202, kMouseCategory, 0x01, 0x01, "mouse_key_left"},
    {0x0204, kMouseCategory, 0x02, 0x81, "mouse_key_right"},
    {0x0205, kMouseCategory, 0x02, 0x01, "mouse_key_right"},
    {0x0207, kMouseCategory, 0x04, 0x81, "mouse_key_middle"},
    {0x0208, kMouseCategory, 0x04, 0x01, "mouse_key_middle"},
    {0x020B, kMouseCategory, 0x10, 0x81, "mouse_key_forward"},
    {0x020C, kMouseCategory, 0x10, 0x01, "mouse_key_forward"},
    {0x020B, kMouseCategory, 0x08, 0x81, "mouse_key_back"},
    {0x020C, kMouseCategory, 0x08, 0x01, "mouse_key_back"},
    {0x0004, kMoveCategory, 0, 0x84, "mouse_move_to_left_text"},
    {0x0004, kMoveCategory, 0, 0x04, "mouse_move_to_right_text"},
    {0x0005, kMoveCategory, 0, 0x85, "mouse_move_to_up_text"},
    {0x0005, kMoveCategory, 0, 0x05, "mouse_move_to_down_text"},
    {0x020A, kWheelCategory, 0, 0x00, "mouse_cursor_text"},
};
static_assert(std::size(kMouseActions) == kMouseActionRowCount);

constexpr std::size_t kButtonMessageRows = 6;  // rows 0-5: left, right, middle
constexpr std::size_t kForwardDownRow = 6;
constexpr std::size_t kBackDownRow = 8;

template <class Pred>
std::optional<std::size_t> FindRow(std::size_t from, std::size_t to, Pred pred) {
    for (std::size_t i = from; i < to; ++i)
        if (pred(kKeyRows[i])) return i;
    return std::nullopt;
}

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::span<const KeyRow> KeyRows() {
    return kKeyRows;
}
std::span<const ScanRow> ScanRows() {
    return kScanRows;
}
std::span<const MouseActionRow> MouseActionRows() {
    return kMouseActions;
}

std::optional<std::size_t> FindScanRow(std::uint8_t scan, bool extended) {
    const std::uint8_t ext = extended ? 1 : 0;
    for (std::size_t i = 0; i < kScanRowCount; ++i)
        if (kScanRows[i].scan == scan && kScanRows[i].extended == ext) return i;
    for (std::size_t i = 0; i < std::size(kLateScanRows); ++i)
        if (kLateScanRows[i].scan == scan && kLateScanRows[i].extended == ext) return kFirstLateKeyRow + i;
    return std::nullopt;
}

std::vector<std::size_t> ScannedKeyRows() {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < kScanRowCount; ++i) rows.push_back(i);
    for (std::size_t i = kFirstLateKeyRow; i < kKeyRowCount; ++i) rows.push_back(i);
    return rows;
}

std::optional<std::size_t> FindUsageRow(std::uint8_t usage) {
    return FindRow(kFirstStandardRow, kKeyRowCount, [&](const KeyRow& r) {
        return r.category == kKeyboard && r.param1 == 0 && r.param2 == usage;
    });
}

std::optional<std::size_t> FindModifierRow(std::uint8_t bit) {
    return FindRow(0, kModifierRowCount, [&](const KeyRow& r) { return r.param1 == bit && r.param2 == 0; });
}

std::optional<std::size_t> FindConsumerRow(std::uint16_t usage) {
    return FindRow(0, kKeyRowCount, [&](const KeyRow& r) {
        return r.category == kConsumer && (r.param1 | r.param2 << 8) == usage;
    });
}

std::optional<std::size_t> FindSystemRow(std::uint8_t bit) {
    return FindRow(0, kKeyRowCount,
                   [&](const KeyRow& r) { return r.category == kSystem && r.param1 == bit; });
}

std::optional<std::size_t> FindWordRow(std::string_view word) {
    return FindRow(0, kKeyRowCount, [&](const KeyRow& r) { return SameWord(r.word, word); });
}

std::optional<std::size_t> FindVirtualKeyRow(std::uint16_t code) {
    if (code == 0) return std::nullopt;
    return FindRow(0, kKeyRowCount, [&](const KeyRow& r) { return r.code == code; });
}

std::optional<std::size_t> FindMouseActionRow(std::uint16_t message, int xButton) {
    for (std::size_t i = 0; i < kButtonMessageRows; ++i)
        if (kMouseActions[i].message == message) return i;
    if (message != MouseMessage::kXDown && message != MouseMessage::kXUp) return std::nullopt;
    const std::size_t up = message == MouseMessage::kXUp ? 1 : 0;
    if (xButton == kXButtonForward) return kForwardDownRow + up;
    if (xButton == kXButtonBack) return kBackDownRow + up;
    return std::nullopt;
}

}  // namespace macros
