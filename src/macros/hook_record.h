#pragma once
// One captured input event, as every capture backend delivers it: a key with its
// virtual-key code, set-1 scan code and extended flag, or a mouse button with its mouse
// message (down messages; the up message is down + 1) and X button number. `timeMs` is read
// from a monotonic millisecond clock when the event is taken in.
#include <cstdint>

namespace macros {

enum class HookKind { Key, Button };

struct HookRecord {
    HookKind kind = HookKind::Key;
    bool down = false;
    std::uint16_t virtualKey = 0;  // keys
    std::uint8_t scan = 0;         // keys
    bool extended = false;         // keys
    std::uint16_t message = 0;     // buttons: the mouse message of this press or release
    int xButton = 0;               // buttons: 1 back, 2 forward, 0 others
    int x = 0, y = 0;              // buttons: cursor position on the screen, when known
    std::uint32_t timeMs = 0;
    bool operator==(const HookRecord&) const = default;
};

// Milliseconds of the monotonic clock (wraps like a 32-bit tick counter).
std::uint32_t MonotonicMilliseconds();

}  // namespace macros
