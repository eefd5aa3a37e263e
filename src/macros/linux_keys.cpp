#include "macros/linux_keys.h"

#include <linux/input-event-codes.h>

#include "macros/key_table.h"

namespace macros {
namespace {

constexpr bool kExt = true;
constexpr bool kBase = false;

constexpr LinuxKeyRow kRows[] = {
    {KEY_LEFTCTRL, {0xA2, 0x1D, kBase}},
    {KEY_LEFTSHIFT, {0xA0, 0x2A, kBase}},
    {KEY_LEFTALT, {0xA4, 0x38, kBase}},
    {KEY_LEFTMETA, {0x5B, 0x5B, kExt}},
    {KEY_RIGHTCTRL, {0xA3, 0x1D, kExt}},
    {KEY_RIGHTSHIFT, {0xA1, 0x36, kExt}},
    {KEY_RIGHTALT, {0xA5, 0x38, kExt}},
    {KEY_RIGHTMETA, {0x5C, 0x5C, kExt}},
    {KEY_A, {0x41, 0x1E, kBase}},
    {KEY_B, {0x42, 0x30, kBase}},
    {KEY_C, {0x43, 0x2E, kBase}},
    {KEY_D, {0x44, 0x20, kBase}},
    {KEY_E, {0x45, 0x12, kBase}},
    {KEY_F, {0x46, 0x21, kBase}},
    {KEY_G, {0x47, 0x22, kBase}},
    {KEY_H, {0x48, 0x23, kBase}},
    {KEY_I, {0x49, 0x17, kBase}},
    {KEY_J, {0x4A, 0x24, kBase}},
    {KEY_K, {0x4B, 0x25, kBase}},
    {KEY_L, {0x4C, 0x26, kBase}},
    {KEY_M, {0x4D, 0x32, kBase}},
    {KEY_N, {0x4E, 0x31, kBase}},
    {KEY_O, {0x4F, 0x18, kBase}},
    {KEY_P, {0x50, 0x19, kBase}},
    {KEY_Q, {0x51, 0x10, kBase}},
    {KEY_R, {0x52, 0x13, kBase}},
    {KEY_S, {0x53, 0x1F, kBase}},
    {KEY_T, {0x54, 0x14, kBase}},
    {KEY_U, {0x55, 0x16, kBase}},
    {KEY_V, {0x56, 0x2F, kBase}},
    {KEY_W, {0x57, 0x11, kBase}},
    {KEY_X, {0x58, 0x2D, kBase}},
    {KEY_Y, {0x59, 0x15, kBase}},
    {KEY_Z, {0x5A, 0x2C, kBase}},
    {KEY_1, {0x31, 0x02, kBase}},
    {KEY_2, {0x32, 0x03, kBase}},
    {KEY_3, {0x33, 0x04, kBase}},
    {KEY_4, {0x34, 0x05, kBase}},
    {KEY_5, {0x35, 0x06, kBase}},
    {KEY_6, {0x36, 0x07, kBase}},
    {KEY_7, {0x37, 0x08, kBase}},
    {KEY_8, {0x38, 0x09, kBase}},
    {KEY_9, {0x39, 0x0A, kBase}},
    {KEY_0, {0x30, 0x0B, kBase}},
    {KEY_ENTER, {0x0D, 0x1C, kBase}},
    {KEY_ESC, {0x1B, 0x01, kBase}},
    {KEY_BACKSPACE, {0x08, 0x0E, kBase}},
    {KEY_TAB, {0x09, 0x0F, kBase}},
    {KEY_SPACE, {0x20, 0x39, kBase}},
    {KEY_MINUS, {0xBD, 0x0C, kBase}},
    {KEY_EQUAL, {0xBB, 0x0D, kBase}},
    {KEY_LEFTBRACE, {0xDB, 0x1A, kBase}},
    {KEY_RIGHTBRACE, {0xDD, 0x1B, kBase}},
    {KEY_BACKSLASH, {0xDC, 0x2B, kBase}},
    {KEY_SEMICOLON, {0xBA, 0x27, kBase}},
    {KEY_APOSTROPHE, {0xDE, 0x28, kBase}},
    {KEY_GRAVE, {0xC0, 0x29, kBase}},
    {KEY_COMMA, {0xBC, 0x33, kBase}},
    {KEY_DOT, {0xBE, 0x34, kBase}},
    {KEY_SLASH, {0xBF, 0x35, kBase}},
    {KEY_CAPSLOCK, {0x14, 0x3A, kBase}},
    {KEY_F1, {0x70, 0x3B, kBase}},
    {KEY_F2, {0x71, 0x3C, kBase}},
    {KEY_F3, {0x72, 0x3D, kBase}},
    {KEY_F4, {0x73, 0x3E, kBase}},
    {KEY_F5, {0x74, 0x3F, kBase}},
    {KEY_F6, {0x75, 0x40, kBase}},
    {KEY_F7, {0x76, 0x41, kBase}},
    {KEY_F8, {0x77, 0x42, kBase}},
    {KEY_F9, {0x78, 0x43, kBase}},
    {KEY_F10, {0x79, 0x44, kBase}},
    {KEY_F11, {0x7A, 0x57, kBase}},
    {KEY_F12, {0x7B, 0x58, kBase}},
    {KEY_F13, {0x7C, 0x64, kBase}},
    {KEY_F14, {0x7D, 0x65, kBase}},
    {KEY_F15, {0x7E, 0x66, kBase}},
    {KEY_F16, {0x7F, 0x67, kBase}},
    {KEY_F17, {0x80, 0x68, kBase}},
    {KEY_F18, {0x81, 0x69, kBase}},
    {KEY_F19, {0x82, 0x6A, kBase}},
    {KEY_F20, {0x83, 0x6B, kBase}},
    {KEY_F21, {0x84, 0x6C, kBase}},
    {KEY_F22, {0x85, 0x6D, kBase}},
    {KEY_F23, {0x86, 0x6E, kBase}},
    {KEY_F24, {0x87, 0x76, kBase}},
    {KEY_SYSRQ, {0x2C, 0x37, kExt}},
    {KEY_SCROLLLOCK, {0x91, 0x46, kBase}},
    {KEY_PAUSE, {0x13, 0x45, kBase}},
    {KEY_INSERT, {0x2D, 0x52, kExt}},
    {KEY_HOME, {0x24, 0x47, kExt}},
    {KEY_PAGEUP, {0x21, 0x49, kExt}},
    {KEY_DELETE, {0x2E, 0x53, kExt}},
    {KEY_END, {0x23, 0x4F, kExt}},
    {KEY_PAGEDOWN, {0x22, 0x51, kExt}},
    {KEY_RIGHT, {0x27, 0x4D, kExt}},
    {KEY_LEFT, {0x25, 0x4B, kExt}},
    {KEY_DOWN, {0x28, 0x50, kExt}},
    {KEY_UP, {0x26, 0x48, kExt}},
    {KEY_NUMLOCK, {0x90, 0x45, kExt}},
    {KEY_KPSLASH, {0x6F, 0x35, kExt}},
    {KEY_KPASTERISK, {0x6A, 0x37, kBase}},
    {KEY_KPMINUS, {0x6D, 0x4A, kBase}},
    {KEY_KPPLUS, {0x6B, 0x4E, kBase}},
    {KEY_KPENTER, {0x0101, 0x1C, kExt}},
    {KEY_KP1, {0x61, 0x4F, kBase}},
    {KEY_KP2, {0x62, 0x50, kBase}},
    {KEY_KP3, {0x63, 0x51, kBase}},
    {KEY_KP4, {0x64, 0x4B, kBase}},
    {KEY_KP5, {0x65, 0x4C, kBase}},
    {KEY_KP6, {0x66, 0x4D, kBase}},
    {KEY_KP7, {0x67, 0x47, kBase}},
    {KEY_KP8, {0x68, 0x48, kBase}},
    {KEY_KP9, {0x69, 0x49, kBase}},
    {KEY_KP0, {0x60, 0x52, kBase}},
    {KEY_KPDOT, {0x6E, 0x53, kBase}},
    {KEY_COMPOSE, {0x5D, 0x5D, kExt}},
    {KEY_102ND, {0xE2, 0x56, kBase}},
    {KEY_RO, {0xC1, 0x73, kBase}},
    {KEY_YEN, {0xFF, 0x7D, kBase}},
    {KEY_KPCOMMA, {0xC2, 0x7E, kBase}},
    {KEY_MUHENKAN, {0xEB, 0x7B, kBase}},
    {KEY_HENKAN, {0xFF, 0x79, kBase}},
    {KEY_KATAKANAHIRAGANA, {0xFF, 0x70, kBase}},
    {KEY_HANJA, {0xE9, 0x71, kBase}},
    {KEY_HANGEUL, {0xFF, 0x72, kBase}},
    // Media and browser keys (extended scan codes).
    {KEY_MUTE, {0xAD, 0x20, kExt}},
    {KEY_VOLUMEDOWN, {0xAE, 0x2E, kExt}},
    {KEY_VOLUMEUP, {0xAF, 0x30, kExt}},
    {KEY_NEXTSONG, {0xB0, 0x19, kExt}},
    {KEY_PREVIOUSSONG, {0xB1, 0x10, kExt}},
    {KEY_STOPCD, {0xB2, 0x24, kExt}},
    {KEY_PLAYPAUSE, {0xB3, 0x22, kExt}},
    {KEY_MAIL, {0xB4, 0x6C, kExt}},
    {KEY_MEDIA, {0xB5, 0x6D, kExt}},
    {KEY_COMPUTER, {0xB6, 0x6B, kExt}},
    {KEY_CALC, {0xB7, 0x21, kExt}},
    {KEY_BACK, {0xA6, 0x6A, kExt}},
    {KEY_FORWARD, {0xA7, 0x69, kExt}},
    {KEY_REFRESH, {0xA8, 0x67, kExt}},
    {KEY_STOP, {0xA9, 0x68, kExt}},
    {KEY_SEARCH, {0xAA, 0x65, kExt}},
    {KEY_BOOKMARKS, {0xAB, 0x66, kExt}},
    {KEY_HOMEPAGE, {0xAC, 0x32, kExt}},
    {KEY_POWER, {0x0103, 0x5E, kExt}},
    {KEY_SLEEP, {0x0104, 0x5F, kExt}},
    {KEY_WAKEUP, {0x0105, 0x63, kExt}},
    // The kernel reports a USB keyboard's "Media" key (consumer usage 0x0183) as KEY_CONFIG
    // and its "My Computer" key (0x0194) as KEY_FILE: the same keys as the two rows above,
    // which come first so that a scan code still finds KEY_MEDIA and KEY_COMPUTER.
    {KEY_CONFIG, {0xB5, 0x6D, kExt}},
    {KEY_FILE, {0xB6, 0x6B, kExt}},
};

constexpr LinuxButtonRow kButtons[] = {
    {BTN_LEFT, MouseMessage::kLeftDown, 0},
    {BTN_RIGHT, MouseMessage::kRightDown, 0},
    {BTN_MIDDLE, MouseMessage::kMiddleDown, 0},
    {BTN_SIDE, MouseMessage::kXDown, kXButtonBack},
    {BTN_EXTRA, MouseMessage::kXDown, kXButtonForward},
    {BTN_BACK, MouseMessage::kXDown, kXButtonBack},
    {BTN_FORWARD, MouseMessage::kXDown, kXButtonForward},
};

}  // namespace

std::span<const LinuxKeyRow> LinuxKeyRows() {
    return kRows;
}
std::span<const LinuxButtonRow> LinuxButtonRows() {
    return kButtons;
}

std::optional<KeyIdentity> IdentityOfLinuxKey(std::uint16_t linuxCode) {
    for (const LinuxKeyRow& row : kRows)
        if (row.linuxCode == linuxCode) return row.identity;
    return std::nullopt;
}

std::optional<std::uint16_t> LinuxKeyOfScan(std::uint8_t scan, bool extended) {
    for (const LinuxKeyRow& row : kRows)
        if (row.identity.scan == scan && row.identity.extended == extended) return row.linuxCode;
    return std::nullopt;
}

std::optional<LinuxButtonRow> ButtonOfLinuxCode(std::uint16_t linuxCode) {
    for (const LinuxButtonRow& row : kButtons)
        if (row.linuxCode == linuxCode) return row;
    return std::nullopt;
}

}  // namespace macros
