#include "devices/keyboard/keyboard_led_table.h"

#include <algorithm>

namespace keyboard {

namespace {

constexpr KeyCode K(std::uint8_t usage) {
    return {kTypeKeyboardKey, 0x00, usage};
}
constexpr KeyCode M(std::uint8_t modifier) {
    return {kTypeKeyboardKey, modifier, 0x00};
}
constexpr KeyCode F(std::uint8_t code) {
    return {kTypeFunctionKey, code, 0x00};
}
constexpr KeyCode S(std::uint8_t code) {
    return {kTypeSideKey, 0xA2, code};
}

constexpr std::array<KeyCode, kLedCount> kIdentities = {
    K(0x29), K(0x3A), K(0x3B), K(0x3C), K(0x3D), K(0x3E),  // 0-5: Esc, F1-F5
    K(0x3F), K(0x40), K(0x41), K(0x42), K(0x43), K(0x44),  // 6-11: F6-F11
    K(0x45), K(0x46), K(0x47), K(0x48), F(0x1B), F(0x24),  // 12-17
    K(0x00), K(0x00), K(0x00), K(0x35), K(0x1E), K(0x1F),  // 18-23
    K(0x20), K(0x21), K(0x22), K(0x23), K(0x24), K(0x25),  // 24-29
    K(0x26), K(0x27), K(0x2D), K(0x2E), K(0x2A), K(0x49),  // 30-35
    K(0x4A), K(0x4B), K(0x53), K(0x54), K(0x55), K(0x56),  // 36-41
    K(0x2B), K(0x14), K(0x1A), K(0x08), K(0x15), K(0x17),  // 42-47
    K(0x1C), K(0x18), K(0x0C), K(0x12), K(0x13), K(0x2F),  // 48-53
    K(0x30), K(0x31), K(0x4C), K(0x4D), K(0x4E), K(0x5F),  // 54-59
    K(0x60), K(0x61), K(0x00), K(0x39), K(0x04), K(0x16),  // 60-65
    K(0x07), K(0x09), K(0x0A), K(0x0B), K(0x0D), K(0x0E),  // 66-71
    K(0x0F), K(0x33), K(0x34), K(0x28), K(0x5C), K(0x5D),  // 72-77
    K(0x5E), K(0x8A), K(0x8B), K(0x90), K(0x91), K(0x88),  // 78-83
    M(0x02), K(0x1D), K(0x1B), K(0x06), K(0x19), K(0x05),  // 84-89
    K(0x11), K(0x10), K(0x36), K(0x37), K(0x38), M(0x20),  // 90-95
    K(0x52), K(0x59), K(0x5A), K(0x5B), K(0x87), K(0x89),  // 96-101
    K(0x64), K(0x85), K(0x00), M(0x01), M(0x08), M(0x04),  // 102-107
    K(0x2C), M(0x40), F(0x01), K(0x65), M(0x10), K(0x50),  // 108-113
    K(0x51), K(0x4F), K(0x62), K(0x63), K(0x58), K(0x57),  // 114-119
    S(0x01), S(0x02), S(0x03), S(0x04), S(0x05), M(0x80),  // 120-125
};

}  // namespace

const std::array<KeyCode, kLedCount>& LedIdentityTable() {
    return kIdentities;
}

bool KeyCountFits(std::size_t keyCount) {
    return keyCount * kKeyCodeLength <= kMaxKeyTableBytes;
}

LedKeyMap BuildLedKeyMap(std::span<const std::uint8_t> keyTable, std::size_t keyCount) {
    keyCount = std::min({keyCount, keyTable.size() / kKeyCodeLength, kMaxDeviceKeys});
    LedKeyMap map;
    map.fill(kNoKeySlot);
    for (std::size_t led = 0; led < kLedCount; ++led) {
        const KeyCode& identity = kIdentities[led];
        if (identity == kEmptyKeyCode) continue;
        for (std::size_t key = 0; key < keyCount; ++key) {
            const std::uint8_t* code = &keyTable[key * kKeyCodeLength];
            if (code[0] == identity.type && code[1] == identity.param1 && code[2] == identity.param2) {
                map[led] = static_cast<std::uint8_t>(key);
                break;
            }
        }
    }
    return map;
}

}  // namespace keyboard
