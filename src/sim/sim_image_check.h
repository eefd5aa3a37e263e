#pragma once
// Checks a macro or shoot-data image as the device receives it (little-endian):
//   0 magic AA 55 | 2 total length, header included | 4 entry count N | 6-15 zero |
//   16 N entry offsets (u16, from the image start) | entries, one after the other
// Each entry: event count E (u16), 2 zero bytes, E events of 4 bytes. The entries must
// follow each other from 16 + 2N without gaps, the last ending at the total length,
// and the image must fit in `capacity` bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Empty when the image is sound, else a one-line reason.
std::string CheckDeviceImage(const std::vector<uint8_t>& image, size_t capacity);
