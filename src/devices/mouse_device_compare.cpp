#include <algorithm>
#include <span>
#include "devices/mouse_device.h"
#include "hid/protocol/protocol_codes.h"

int CVornakelMouseDevice::CompareSettingsWithProfile(bool* same) {
    CDeviceProtocol& channel = commandChannel_;
    if (!same || !profile_.Tree().isObject()) return kResultBadArgument;
    if (!channel.opened) return kResultNoAnswer;
    if (IsWireless() && !channel.QueryLink()) return kResultNoAnswer;
    uint8_t active = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&active, 1), 0);
    if (result != kResultOk) return result;
    std::array<uint8_t, mouse::record::kReadLength> held{};
    result = channel.ReadMemory(held, static_cast<uint16_t>(active * mouse::record::kRecordStride));
    if (result != kResultOk) return result;
    // Byte 0 reads back the active record's number, not what was written there.
    const mouse::MouseSettingsBytes wanted = mouse::EncodeMouseSettingsRecord(BuildSettings());
    *same = std::equal(held.begin() + 1, held.end(), wanted.begin() + 1);
    return kResultOk;
}
