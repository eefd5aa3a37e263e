#include "devices/keyboard/keyboard_light_frame.h"

#include <algorithm>

#include "devices/keyboard/keyboard_custom_colours.h"

namespace keyboard {

std::vector<std::uint8_t> BuildLightFrame(std::span<const std::uint32_t> ledColours, const LedKeyMap& map,
                                          std::span<const std::uint8_t> lightPositions,
                                          std::size_t keyCount) {
    keyCount = std::min({keyCount, lightPositions.size(), kMaxDeviceKeys});
    std::vector<std::uint8_t> frame(keyCount * kLightRecordLength, 0);
    for (std::size_t led = 0; led < map.size() && led < ledColours.size(); ++led) {
        const std::size_t key = map[led];
        if (key >= keyCount) continue;  // unmapped LED (kNoKeySlot) or a key the device lost
        const std::size_t position = lightPositions[key];
        if (position >= keyCount) continue;
        const LedColour colour = UnpackLedColour(ledColours[led]);
        std::uint8_t* record = frame.data() + position * kLightRecordLength;
        record[0] = colour.red;
        record[1] = colour.green;
        record[2] = colour.blue;
    }
    return frame;
}

}  // namespace keyboard
