#include "devices/pad/pad_lighting_record.h"

#include <algorithm>

namespace pad {

int DecodePadLighting(std::span<const std::uint8_t> block, std::uint8_t slot, PadLightingRecord* out) {
    using namespace lighting;
    if (block.size() < kLength || out == nullptr) return 0;
    PadLightingRecord record{};
    std::copy_n(block.begin(), kLength, record.begin());
    record[kSlot] = slot;
    record[kSpeed] =
        block[kSpeed] > kMaxLightSpeed ? 0 : static_cast<std::uint8_t>(kMaxLightSpeed - block[kSpeed]);
    *out = record;
    return 1;
}

PadLightingRecord EncodePadLightingWrite(const PadLightingRecord& record) {
    PadLightingRecord bytes = record;
    bytes[lighting::kSpeed] =
        static_cast<std::uint8_t>(kMaxLightSpeed - std::min(record[lighting::kSpeed], kMaxLightSpeed));
    return bytes;
}

void ApplyPadLightChoice(const PadLightChoice& choice, PadLightingRecord& record) {
    using namespace lighting;
    record[kMode] = choice.mode;
    record[kBrightness] = choice.brightness;
    record[kSpeed] = choice.speed;
    record[kDirection] = choice.direction;
    record[kColourful] = choice.colourful;
    record[kRed] = choice.red;
    record[kGreen] = choice.green;
    record[kBlue] = choice.blue;
}

}  // namespace pad
