#pragma once
// Images as a host builds them for the device: header (AA 55, total, N, 10 zero bytes),
// N offsets, then per entry its event count, 2 zero bytes and 4-byte events.
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes BuildImage(const std::vector<int>& eventCounts) {
    size_t total = 16 + 2 * eventCounts.size();
    for (int count : eventCounts) total += 4 + 4 * static_cast<size_t>(count);
    Bytes image(16, 0);
    auto put16 = [&image](size_t at, size_t value) {
        image[at] = static_cast<uint8_t>(value);
        image[at + 1] = static_cast<uint8_t>(value >> 8);
    };
    image[0] = 0xAA;
    image[1] = 0x55;
    put16(2, total);
    put16(4, eventCounts.size());
    image.resize(16 + 2 * eventCounts.size());
    size_t offset = image.size();
    for (size_t i = 0; i < eventCounts.size(); ++i) {
        put16(16 + 2 * i, offset);
        offset += 4 + 4 * static_cast<size_t>(eventCounts[i]);
    }
    for (size_t i = 0; i < eventCounts.size(); ++i) {
        image.push_back(static_cast<uint8_t>(eventCounts[i]));
        image.push_back(static_cast<uint8_t>(eventCounts[i] >> 8));
        image.push_back(0);
        image.push_back(0);
        for (int e = 0; e < eventCounts[i]; ++e)  // delay 300, key down, button from the entry
            for (uint8_t b : {uint8_t{0x2C}, uint8_t{0x01}, uint8_t{0x81}, static_cast<uint8_t>(0x41 + i)})
                image.push_back(b);
    }
    return image;
}
