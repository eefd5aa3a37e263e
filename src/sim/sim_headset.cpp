#include "sim/sim_headset.h"

namespace {

constexpr uint8_t kDeviceClassHeadset = 7;
constexpr std::array<SimLightingDevice::FactorySlot, SimLightingDevice::kSlotCount> kFactorySlots = {{
    {1, 4, 3, 0, 0, 0x00, 0x80, 0xFF, 0x51},
    {2, 2, 0, 1, 1, 0xFF, 0x00, 0x80, 0x52},
    {5, 3, 4, 0, 0, 0x10, 0x20, 0x30, 0x53},
    {0, 0, 2, 1, 0, 0x00, 0x00, 0x00, 0x54},
}};
// Running on battery at 80 %.
constexpr SimLightingDevice::PowerRecordBytes kFactoryPower = {80, 0, 0, 0, 0, 0};

}  // namespace

SimHeadsetModel SimHeadsetModel::Headset() {
    return SimHeadsetModel{};
}

SimHeadset::SimHeadset(SimHeadsetModel model)
    : SimLightingDevice(kCommandInterface, kDeviceClassHeadset, kFactorySlots, kFactoryPower),
      model_(std::move(model)) {}
