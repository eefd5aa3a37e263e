#pragma once
// The records the input hooks hand to a window with each hook message, and the keyboard and
// mouse message numbers that travel as wParam beside them. lParam is a pointer to one of the
// records, valid only during the synchronous send; a handler copies what it needs.
//
// Every field is 32 bits wide, in the order given, so the layout is the same on every build.
#include <cstdint>

#include "macros/hook_record.h"

namespace macros {

// wParam of a keyboard hook message.
namespace KeyboardMessage {
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kSysKeyDown = 0x0104;  // a key pressed while Alt is held
inline constexpr std::uint32_t kSysKeyUp = 0x0105;
}  // namespace KeyboardMessage

// wParam of a mouse hook message (the up message of a button is its down message + 1).
namespace MouseHookMessage {
inline constexpr std::uint32_t kLeftDown = 0x0201;
inline constexpr std::uint32_t kLeftUp = 0x0202;
inline constexpr std::uint32_t kRightDown = 0x0204;
inline constexpr std::uint32_t kRightUp = 0x0205;
inline constexpr std::uint32_t kMiddleDown = 0x0207;
inline constexpr std::uint32_t kMiddleUp = 0x0208;
inline constexpr std::uint32_t kXDown = 0x020B;
inline constexpr std::uint32_t kXUp = 0x020C;
}  // namespace MouseHookMessage

inline constexpr std::uint32_t kKeyFlagExtended = 0x01;  // bit 0 of KeyboardHookRecord::flags

// lParam of a keyboard hook message.
struct KeyboardHookRecord {
    std::uint32_t virtualKey = 0;  // virtual-key code
    std::uint32_t scanCode = 0;    // set-1 scan code
    std::uint32_t flags = 0;       // bit 0: extended key
    std::uint32_t time = 0;        // monotonic milliseconds when the key was taken in
    std::uint32_t extraInfo = 0;   // always 0 here
};
static_assert(sizeof(KeyboardHookRecord) == 5 * sizeof(std::uint32_t));

inline constexpr unsigned kXButtonShift = 16;  // X button number in the high 16 bits of mouseData

// lParam of a mouse hook message. The first six fields keep the layout mouse hook records
// have always had; `time` follows them so the delay is measured where the event was taken in.
struct MouseHookRecord {
    std::int32_t x = 0;  // cursor position on the screen
    std::int32_t y = 0;
    std::uint32_t window = 0;       // not used: always 0
    std::uint32_t hitTestCode = 0;  // not used: always 0
    std::uint32_t extraInfo = 0;    // always 0 here
    std::uint32_t mouseData = 0;    // high 16 bits: X button number (1 back, 2 forward)
    std::uint32_t time = 0;         // monotonic milliseconds when the button was taken in
};
static_assert(sizeof(MouseHookRecord) == 7 * sizeof(std::uint32_t));

// True for the two down messages of the keyboard.
bool IsKeyDownMessage(std::uint32_t message);

// A hook message and its record as the recorder takes them.
HookRecord FromKeyboardHook(std::uint32_t message, const KeyboardHookRecord& record);
HookRecord FromMouseHook(std::uint32_t message, const MouseHookRecord& record);

// The other way: the message and record a hook sends for a captured event.
std::uint32_t KeyboardMessageOf(const HookRecord& record);  // kKeyDown or kKeyUp
KeyboardHookRecord ToKeyboardHookRecord(const HookRecord& record);
MouseHookRecord ToMouseHookRecord(const HookRecord& record);

}  // namespace macros
