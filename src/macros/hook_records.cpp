#include "macros/hook_records.h"

#include "macros/key_table.h"

namespace macros {

static_assert(MouseHookMessage::kLeftDown == MouseMessage::kLeftDown);
static_assert(MouseHookMessage::kXUp == MouseMessage::kXUp);

namespace {
constexpr std::uint32_t kXButtonMask = 0xFFFF;
}

bool IsKeyDownMessage(std::uint32_t message) {
    return message == KeyboardMessage::kKeyDown || message == KeyboardMessage::kSysKeyDown;
}

HookRecord FromKeyboardHook(std::uint32_t message, const KeyboardHookRecord& record) {
    HookRecord out;
    out.kind = HookKind::Key;
    out.down = IsKeyDownMessage(message);
    out.virtualKey = static_cast<std::uint16_t>(record.virtualKey);
    out.scan = static_cast<std::uint8_t>(record.scanCode);
    out.extended = (record.flags & kKeyFlagExtended) != 0;
    out.timeMs = record.time;
    return out;
}

HookRecord FromMouseHook(std::uint32_t message, const MouseHookRecord& record) {
    HookRecord out;
    out.kind = HookKind::Button;
    out.down = message == MouseHookMessage::kLeftDown || message == MouseHookMessage::kRightDown ||
               message == MouseHookMessage::kMiddleDown || message == MouseHookMessage::kXDown;
    out.message = static_cast<std::uint16_t>(message);
    out.xButton = static_cast<int>((record.mouseData >> kXButtonShift) & kXButtonMask);
    out.x = record.x;
    out.y = record.y;
    out.timeMs = record.time;
    return out;
}

std::uint32_t KeyboardMessageOf(const HookRecord& record) {
    return record.down ? KeyboardMessage::kKeyDown : KeyboardMessage::kKeyUp;
}

KeyboardHookRecord ToKeyboardHookRecord(const HookRecord& record) {
    KeyboardHookRecord out;
    out.virtualKey = record.virtualKey;
    out.scanCode = record.scan;
    out.flags = record.extended ? kKeyFlagExtended : 0;
    out.time = record.timeMs;
    return out;
}

MouseHookRecord ToMouseHookRecord(const HookRecord& record) {
    MouseHookRecord out;
    out.x = record.x;
    out.y = record.y;
    out.mouseData = static_cast<std::uint32_t>(record.xButton) << kXButtonShift;
    out.time = record.timeMs;
    return out;
}

}  // namespace macros
