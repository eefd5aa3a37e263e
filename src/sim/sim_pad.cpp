#include "sim/sim_pad.h"

#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"

using namespace simframe;

namespace {

constexpr size_t kInfoDeviceClass = 0;
constexpr uint8_t kDeviceClassPad = 3;
constexpr size_t kBlockMode = 1;
// Lighting of the four factory slots: mode, brightness, device speed byte, direction,
// colourful, R, G, B, then a further byte that only the device interprets.
constexpr uint8_t kFactorySlots[SimPad::kSlotCount][9] = {
    {2, 4, 2, 0, 0, 0xFF, 0x00, 0x00, 0x11},
    {3, 3, 1, 1, 1, 0x00, 0xFF, 0x00, 0x22},
    {4, 2, 0, 0, 0, 0x00, 0x00, 0xFF, 0x33},
    {8, 1, 4, 1, 0, 0x40, 0x50, 0x60, 0x44},
};
// Charging at 60 %, a phone of type 1 on the charger.
constexpr std::array<uint8_t, SimPad::kPowerRecordSize> kFactoryPower = {60, 1, 0, 0, 0, 1};

}  // namespace

SimPadModel SimPadModel::Pad() {
    return SimPadModel{};
}

SimPad::SimPad(SimPadModel model)
    : SimCommandDevice(kCommandInterface),
      model_(std::move(model)),
      settings_(kSettingsMemorySize, 0),
      power_(kFactoryPower) {
    info_[kInfoDeviceClass] = kDeviceClassPad;
    for (size_t slot = 0; slot < kSlotCount; ++slot)
        std::copy(std::begin(kFactorySlots[slot]), std::end(kFactorySlots[slot]),
                  settings_.begin() + static_cast<std::ptrdiff_t>(slot * kBlockSize + kBlockMode));
    settings_[0] = 0;
}

std::vector<uint8_t> SimPad::ReportDescriptor(int interfaceNumber) const {
    return interfaceNumber == kCommandInterface ? simdesc::DeviceControls() : std::vector<uint8_t>{};
}

uint8_t SimPad::Execute(const uint8_t* frame, uint8_t* answer) {
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

std::array<uint8_t, SimPad::kInfoBlockSize> SimPad::InfoBlock() const {
    std::lock_guard guard(lock_);
    return info_;
}

std::vector<uint8_t> SimPad::SettingsMemory() const {
    std::lock_guard guard(lock_);
    return settings_;
}

void SimPad::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kSlotCount) continue;
        settings_[offset + i] = bytes[i];
    }
}

std::array<uint8_t, SimPad::kPowerRecordSize> SimPad::PowerRecord() const {
    std::lock_guard guard(lock_);
    return power_;
}

void SimPad::SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record) {
    std::lock_guard guard(lock_);
    power_ = record;
}
