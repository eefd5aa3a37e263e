#include "sim/sim_lighting_device.h"

#include <algorithm>

#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"

using namespace simframe;

namespace {

constexpr size_t kInfoDeviceClass = 0;
constexpr size_t kBlockMode = 1;

}  // namespace

SimLightingDevice::SimLightingDevice(int commandInterface, uint8_t deviceClass,
                                     const std::array<FactorySlot, kSlotCount>& factorySlots,
                                     const PowerRecordBytes& power)
    : SimCommandDevice(commandInterface),
      commandInterface_(commandInterface),
      settings_(kSettingsMemorySize, 0),
      power_(power) {
    info_[kInfoDeviceClass] = deviceClass;
    for (size_t slot = 0; slot < kSlotCount; ++slot)
        std::copy(factorySlots[slot].begin(), factorySlots[slot].end(),
                  settings_.begin() + static_cast<std::ptrdiff_t>(slot * kBlockSize + kBlockMode));
    settings_[0] = 0;
}

std::vector<uint8_t> SimLightingDevice::ReportDescriptor(int interfaceNumber) const {
    return interfaceNumber == commandInterface_ ? simdesc::DeviceControls() : std::vector<uint8_t>{};
}

uint8_t SimLightingDevice::Execute(const uint8_t* frame, uint8_t* answer) {
    switch (frame[kCommand]) {
    case kBeginConfig:
        SetInConfig(true);
        return kStatusOk;
    case kEndConfig:
        SetInConfig(false);
        return kStatusOk;
    case kReadInfo:
        return ReadBytes(info_.data(), info_.size(), frame, answer);
    case kReadMemory:
        return ReadBytes(settings_.data(), settings_.size(), frame, answer);
    case kWriteMemory:
        return WriteSlotMemory(settings_, kSlotCount, frame);
    case kLightFrame:
        return kStatusOk;
    case kReadSmallBlock:
        return ReadBytes(power_.data(), power_.size(), frame, answer);
    default:
        return Refuse("unknown command " + std::to_string(frame[kCommand]));
    }
}

std::array<uint8_t, SimLightingDevice::kInfoBlockSize> SimLightingDevice::InfoBlock() const {
    std::lock_guard guard(lock_);
    return info_;
}

std::vector<uint8_t> SimLightingDevice::SettingsMemory() const {
    std::lock_guard guard(lock_);
    return settings_;
}

void SimLightingDevice::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kSlotCount) continue;
        settings_[offset + i] = bytes[i];
    }
}

SimLightingDevice::PowerRecordBytes SimLightingDevice::PowerRecord() const {
    std::lock_guard guard(lock_);
    return power_;
}

void SimLightingDevice::SetPowerRecord(const PowerRecordBytes& record) {
    std::lock_guard guard(lock_);
    power_ = record;
}

std::vector<SimStatePart> SimLightingDevice::StateParts() {
    return {{"settings", &settings_, true, 0, static_cast<uint8_t>(kSlotCount)}};
}
