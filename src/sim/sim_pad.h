#pragma once
// Firmware simulator of the lighted mouse pad (hard or soft): the lighting firmware of
// sim_lighting_device.h on interface 1, device class 3. Its factory power record says
// charging at 60 % with a phone on the charger.
#include <cstdint>
#include <string>

#include "sim/sim_lighting_device.h"

struct SimPadModel {
    std::string name = "pad";
    // The shipped pad rows carry no ids; the simulator brings a row with these
    // (sim_devices.h, SimulatedDeviceRowsJson).
    uint16_t vendorId = kSimVendorId;
    uint16_t productId = kSimPadProductId;

    static SimPadModel Pad();
};

class SimPad : public SimLightingDevice {
public:
    static constexpr int kCommandInterface = 1;

    explicit SimPad(SimPadModel model = SimPadModel::Pad());

    std::string Name() const override { return model_.name; }
    uint16_t VendorId() const override { return model_.vendorId; }
    uint16_t ProductId() const override { return model_.productId; }

private:
    const SimPadModel model_;
};
