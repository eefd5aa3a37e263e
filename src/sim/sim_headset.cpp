#include "sim/sim_headset.h"

#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"

using namespace simframe;

namespace {

constexpr size_t kInfoDeviceClass = 0;
constexpr uint8_t kDeviceClassHeadset = 7;
constexpr size_t kBlockMode = 1;
// Lighting of the four factory slots: mode, brightness, device speed byte, direction,
// colourful, R, G, B, then a further byte that only the device interprets.
constexpr uint8_t kFactorySlots[SimHeadset::kSlotCount][9] = {
    {1, 4, 3, 0, 0, 0x00, 0x80, 0xFF, 0x51},
    {2, 2, 0, 1, 1, 0xFF, 0x00, 0x80, 0x52},
    {5, 3, 4, 0, 0, 0x10, 0x20, 0x30, 0x53},
    {0, 0, 2, 1, 0, 0x00, 0x00, 0x00, 0x54},
};
// Running on battery at 80 %.
constexpr std::array<uint8_t, SimHeadset::kPowerRecordSize> kFactoryPower = {80, 0, 0, 0, 0, 0};

}  // namespace

SimHeadsetModel SimHeadsetModel::Headset() {
    return SimHeadsetModel{};
}

SimHeadset::SimHeadset(SimHeadsetModel model)
    : SimCommandDevice(kCommandInterface),
      model_(std::move(model)),
      settings_(kSettingsMemorySize, 0),
      power_(kFactoryPower) {
    info_[kInfoDeviceClass] = kDeviceClassHeadset;
    for (size_t slot = 0; slot < kSlotCount; ++slot)
        std::copy(std::begin(kFactorySlots[slot]), std::end(kFactorySlots[slot]),
                  settings_.begin() + static_cast<std::ptrdiff_t>(slot * kBlockSize + kBlockMode));
    settings_[0] = 0;
}

std::vector<uint8_t> SimHeadset::ReportDescriptor(int interfaceNumber) const {
    return interfaceNumber == kCommandInterface ? simdesc::DeviceControls() : std::vector<uint8_t>{};
}

uint8_t SimHeadset::Execute(const uint8_t* frame, uint8_t* answer) {
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

std::vector<uint8_t> SimHeadset::SettingsMemory() const {
    std::lock_guard guard(lock_);
    return settings_;
}

void SimHeadset::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kSlotCount) continue;
        settings_[offset + i] = bytes[i];
    }
}

std::array<uint8_t, SimHeadset::kPowerRecordSize> SimHeadset::PowerRecord() const {
    std::lock_guard guard(lock_);
    return power_;
}

void SimHeadset::SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record) {
    std::lock_guard guard(lock_);
    power_ = record;
}
