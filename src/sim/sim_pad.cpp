#include "sim/sim_pad.h"

namespace {

constexpr uint8_t kDeviceClassPad = 3;
constexpr std::array<SimLightingDevice::FactorySlot, SimLightingDevice::kSlotCount> kFactorySlots = {{
    {2, 4, 2, 0, 0, 0xFF, 0x00, 0x00, 0x11},
    {3, 3, 1, 1, 1, 0x00, 0xFF, 0x00, 0x22},
    {4, 2, 0, 0, 0, 0x00, 0x00, 0xFF, 0x33},
    {8, 1, 4, 1, 0, 0x40, 0x50, 0x60, 0x44},
}};
// Charging at 60 %, a phone of type 1 on the charger.
constexpr SimLightingDevice::PowerRecordBytes kFactoryPower = {60, 1, 0, 0, 0, 1};

}  // namespace

SimPadModel SimPadModel::Pad() {
    return SimPadModel{};
}

SimPad::SimPad(SimPadModel model)
    : SimLightingDevice(kCommandInterface, kDeviceClassPad, kFactorySlots, kFactoryPower),
      model_(std::move(model)) {}
