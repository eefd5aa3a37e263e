#include "devices/keyboard/keyboard_key_payload.h"

#include <algorithm>

namespace keyboard {

std::vector<std::uint8_t> BuildKeyAssignmentPayload(std::span<const std::uint8_t> keyTable,
                                                    std::size_t keyCount, const LedKeyMap& map,
                                                    std::span<const std::optional<KeyCode>> ledAssignments) {
    keyCount = std::min({keyCount, keyTable.size() / kKeyCodeLength, kMaxDeviceKeys});
    std::vector<std::uint8_t> payload(
        keyTable.begin(), keyTable.begin() + static_cast<std::ptrdiff_t>(keyCount * kKeyCodeLength));
    const std::size_t leds = std::min(ledAssignments.size(), kLedCount);
    for (std::size_t led = 0; led < leds; ++led) {
        const std::size_t key = map[led];
        if (key == kNoKeySlot || key >= keyCount || !ledAssignments[led]) continue;
        const KeyCode& code = *ledAssignments[led];
        payload[key * kKeyCodeLength + 0] = code.type;
        payload[key * kKeyCodeLength + 1] = code.param1;
        payload[key * kKeyCodeLength + 2] = code.param2;
    }
    return payload;
}

}  // namespace keyboard
