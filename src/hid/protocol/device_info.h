#pragma once
// The 34-byte device information block read with command 3 (ReadDeviceInfo). Every device
// reads it first. Fields the program interprets (u16 values little-endian):
//   byte 5       number of key slots (the key block holds 3 bytes per slot)
//   byte 6       macro memory in units of 128 bytes
//   bytes 9-10   mice: sensor code (0x3389, 0x3327, 0x3360 are known)
//   byte 11      mice: DPI per slider step
//   bytes 12-13  mice: largest DPI slider position
//   bytes 14-15  mice: smallest DPI, the DPI at slider position 0
// The other bytes travel with the block uninterpreted.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr size_t kDeviceInfoSize = 34;
using DeviceInfoBlock = std::array<uint8_t, kDeviceInfoSize>;

namespace DeviceInfoByte {
constexpr size_t kKeySlots = 5;
constexpr size_t kMacroUnits = 6;
constexpr size_t kSensor = 9;
constexpr size_t kDpiStep = 11;
constexpr size_t kLargestSliderPosition = 12;
constexpr size_t kSmallestDpi = 14;
}  // namespace DeviceInfoByte

constexpr uint32_t kMacroMemoryUnit = 128;

constexpr uint16_t kSensor3389 = 0x3389;
constexpr uint16_t kSensor3327 = 0x3327;
constexpr uint16_t kSensor3360 = 0x3360;

struct DeviceInfo {
    uint8_t keySlots = 0;
    uint8_t macroUnits = 0;         // byte 6 as stored
    uint32_t macroMemoryBytes = 0;  // macroUnits x 128: the largest macro image accepted
    uint16_t sensor = 0;
    uint8_t dpiStep = 0;
    uint16_t largestSliderPosition = 0;
    uint16_t smallestDpi = 0;
    friend bool operator==(const DeviceInfo&, const DeviceInfo&) = default;
};

DeviceInfo DecodeDeviceInfo(const DeviceInfoBlock& block);
