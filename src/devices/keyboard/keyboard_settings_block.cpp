#include "devices/keyboard/keyboard_settings_block.h"

#include <algorithm>

namespace keyboard {

KeyboardBlockBytes EncodeKeyboardBlock(const KeyboardBlockSettings& s, std::uint8_t slotByte) {
    using namespace block;
    KeyboardBlockBytes bytes{};
    bytes[kSlot] = slotByte;
    bytes[kLightMode] = s.mode >= kFirstHostLightMode ? 0 : s.mode;
    bytes[kBrightness] = s.brightness;
    // A speed above the scale would wrap round to a large byte; it counts as the fastest.
    bytes[kSpeed] = static_cast<std::uint8_t>(kMaxLightSpeed - std::min(s.speed, kMaxLightSpeed));
    bytes[kDirection] = s.direction;
    bytes[kColourful] = s.colourful;
    bytes[kRed] = s.red;
    bytes[kGreen] = s.green;
    bytes[kBlue] = s.blue;
    bytes[kWFlag] = static_cast<std::uint8_t>(s.wFlag);
    bytes[kKey6Flag] = static_cast<std::uint8_t>(s.key6Flag);
    bytes[kWinFlag] = static_cast<std::uint8_t>(s.winFlag);
    bytes[kPollingRate] = static_cast<std::uint8_t>(s.pollingRate);
    return bytes;
}

int DecodeKeyboardBlock(std::span<const std::uint8_t> bytes, std::uint8_t slot, KeyboardBlockReadBack* out) {
    using namespace block;
    if (bytes.size() < kLength || out == nullptr) return 0;
    KeyboardBlockReadBack read;
    std::copy_n(bytes.begin(), kLength, read.bytes.begin());
    read.bytes[kSlot] = slot;
    read.slot = slot;
    read.mode = bytes[kLightMode];
    read.brightness = bytes[kBrightness];
    read.speed =
        bytes[kSpeed] > kMaxLightSpeed ? 0 : static_cast<std::uint8_t>(kMaxLightSpeed - bytes[kSpeed]);
    read.colourful = bytes[kColourful];
    read.red = bytes[kRed];
    read.green = bytes[kGreen];
    read.blue = bytes[kBlue];
    read.wFlag = bytes[kWFlag];
    read.key6Flag = bytes[kKey6Flag];
    read.winFlag = bytes[kWinFlag];
    read.pollingRate = bytes[kPollingRate];
    *out = read;
    return 1;
}

}  // namespace keyboard
