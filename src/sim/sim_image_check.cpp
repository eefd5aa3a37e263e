#include "sim/sim_image_check.h"

#include <algorithm>
#include "sim/sim_frame.h"

namespace {
constexpr size_t kHeaderSize = 16;
constexpr size_t kTotalLength = 2;
constexpr size_t kEntryCount = 4;
constexpr size_t kReservedStart = 6;
constexpr size_t kEntryHeaderSize = 4;
constexpr size_t kEventSize = 4;
}  // namespace

std::string CheckDeviceImage(const std::vector<uint8_t>& image, size_t capacity) {
    using simframe::ReadU16;
    const size_t size = image.size();
    if (size > capacity)
        return "image of " + std::to_string(size) + " bytes exceeds the " + std::to_string(capacity) +
               " bytes of memory";
    if (size < kHeaderSize) return "image of " + std::to_string(size) + " bytes is shorter than its header";
    if (image[0] != 0xAA || image[1] != 0x55) return "image does not start with AA 55";
    const size_t total = ReadU16(&image[kTotalLength]);
    if (total != size)
        return "total length " + std::to_string(total) + " differs from the " + std::to_string(size) +
               " bytes received";
    if (!std::all_of(image.begin() + kReservedStart, image.begin() + kHeaderSize,
                     [](uint8_t b) { return b == 0; }))
        return "reserved header bytes are not zero";
    const size_t entries = ReadU16(&image[kEntryCount]);
    size_t expected = kHeaderSize + 2 * entries;
    if (expected > size)
        return "offset table of " + std::to_string(entries) + " entries reaches past the image";
    for (size_t i = 0; i < entries; ++i) {
        const size_t offset = ReadU16(&image[kHeaderSize + 2 * i]);
        if (offset != expected)
            return "entry " + std::to_string(i) + " at offset " + std::to_string(offset) + ", expected " +
                   std::to_string(expected);
        if (offset + kEntryHeaderSize > size)
            return "entry " + std::to_string(i) + " header reaches past the image";
        if (image[offset + 2] != 0 || image[offset + 3] != 0)
            return "entry " + std::to_string(i) + " reserved bytes are not zero";
        expected = offset + kEntryHeaderSize + kEventSize * ReadU16(&image[offset]);
        if (expected > size) return "entry " + std::to_string(i) + " events reach past the image";
    }
    if (expected != size) return std::to_string(size - expected) + " bytes follow the last entry";
    return {};
}
