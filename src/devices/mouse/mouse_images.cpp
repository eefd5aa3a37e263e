#include "devices/mouse/mouse_images.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "devices/mouse/leading_decimal.h"
#include "util/json_value.h"

namespace mouse {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::size_t offset, std::size_t value) {
    out[offset] = static_cast<std::uint8_t>(value & 0xFF);
    out[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// "Delay" is decimal text in macro files and a JSON integer in shoot files.
long long DelayValue(const Json::Value& delay) {
    if (delay.isString()) return ParseLeadingDecimal(JsonString(delay));
    if (delay.isNumeric() || delay.isBool()) {
        const double d = JsonDouble(delay);
        return std::isfinite(d) ? static_cast<long long>(std::clamp(d, -1.0, 65536.0)) : 0;
    }
    return 0;
}

// Letter case is ignored, as the shoot panel shows "DOWN" as left or up.
bool IsDown(const Json::Value& event) {
    const std::string action = JsonStringAt(event, "Action");
    const std::string_view down = "down";
    return action.size() == down.size() &&
           std::equal(action.begin(), action.end(), down.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

std::array<std::uint8_t, image::kEventLength> EventBytes(const MacroEventRecord& event) {
    return {static_cast<std::uint8_t>(event.delay & 0xFF), static_cast<std::uint8_t>(event.delay >> 8),
            event.type, event.button};
}

MacroEventRecord EncodeMacroEvent(const Json::Value& event) {
    MacroEventRecord record;
    if (!JsonIsObject(event)) return record;
    record.delay =
        static_cast<std::uint16_t>(std::clamp<long long>(DelayValue(JsonMember(event, "Delay")), 0, 0xFFFF));
    record.type = static_cast<std::uint8_t>(JsonIntAt(event, "Type") & 0xFF);
    if (IsDown(event)) record.type |= kEventDownBit;
    record.button = static_cast<std::uint8_t>(std::clamp(JsonIntAt(event, "Button"), 0, 0xFF));
    return record;
}

std::size_t DeviceImageLength(const std::vector<std::size_t>& eventCounts) {
    std::size_t length = image::kHeaderLength;
    for (std::size_t count : eventCounts)
        length += image::kOffsetEntryLength + image::kEntryHeaderLength + image::kEventLength * count;
    return length;
}

int BuildDeviceImage(const std::vector<std::vector<MacroEventRecord>>& entries,
                     std::vector<std::uint8_t>* out) {
    if (out == nullptr) return 0;
    std::vector<std::size_t> counts;
    counts.reserve(entries.size());
    for (const auto& entry : entries) counts.push_back(entry.size());
    const std::size_t total = DeviceImageLength(counts);
    if (total > image::kMaxImageLength) return 0;

    std::vector<std::uint8_t> bytes(total, 0);
    PutU16(bytes, image::kMagicOffset, image::kMagic);
    PutU16(bytes, image::kLengthOffset, total);
    PutU16(bytes, image::kCountOffset, entries.size());
    std::size_t entryOffset = image::kHeaderLength + image::kOffsetEntryLength * entries.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        PutU16(bytes, image::kHeaderLength + image::kOffsetEntryLength * i, entryOffset);
        PutU16(bytes, entryOffset, entries[i].size());  // the two bytes after the count stay 0
        std::size_t at = entryOffset + image::kEntryHeaderLength;
        for (const MacroEventRecord& event : entries[i]) {
            const auto eventBytes = EventBytes(event);
            std::copy(eventBytes.begin(), eventBytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
            at += image::kEventLength;
        }
        entryOffset = at;
    }
    *out = std::move(bytes);
    return 1;
}

std::size_t MacroCapacityBytes(std::uint8_t macroMemoryUnits) {
    return static_cast<std::size_t>(macroMemoryUnits) * image::kMacroMemoryUnit;
}

int MacroOverflowUnits(std::size_t totalLength, std::size_t capacity) {
    if (totalLength <= capacity) return 0;
    return static_cast<int>((totalLength - capacity) / image::kEventLength) + 1;
}

}  // namespace mouse
