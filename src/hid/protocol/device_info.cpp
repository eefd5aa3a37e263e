#include "hid/protocol/device_info.h"

namespace {
uint16_t ReadU16(const DeviceInfoBlock& block, size_t at) {
    return static_cast<uint16_t>(block[at] | (block[at + 1] << 8));
}
}  // namespace

DeviceInfo DecodeDeviceInfo(const DeviceInfoBlock& block) {
    DeviceInfo info;
    info.keySlots = block[DeviceInfoByte::kKeySlots];
    info.macroUnits = block[DeviceInfoByte::kMacroUnits];
    info.macroMemoryBytes = info.macroUnits * kMacroMemoryUnit;
    info.sensor = ReadU16(block, DeviceInfoByte::kSensor);
    info.dpiStep = block[DeviceInfoByte::kDpiStep];
    info.largestSliderPosition = ReadU16(block, DeviceInfoByte::kLargestSliderPosition);
    info.smallestDpi = ReadU16(block, DeviceInfoByte::kSmallestDpi);
    return info;
}
