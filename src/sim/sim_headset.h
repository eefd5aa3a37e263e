#pragma once
// Firmware simulator of the headset's HID side: the lighting firmware of
// sim_lighting_device.h on interface 3, device class 7, running on battery (its power
// record's last byte stays 0). The audio side is simulated by SimulatedAudioLibrary
// (devices/audio).
#include <cstdint>
#include <string>

#include "sim/sim_lighting_device.h"

struct SimHeadsetModel {
    std::string name = "headset";
    // The shipped headset row carries no ids: the simulator brings its own row with these.
    uint16_t vendorId = kSimVendorId;
    uint16_t productId = kSimHeadsetProductId;

    static SimHeadsetModel Headset();
};

class SimHeadset : public SimLightingDevice {
public:
    static constexpr int kCommandInterface = 3;

    explicit SimHeadset(SimHeadsetModel model = SimHeadsetModel::Headset());

    std::string Name() const override { return model_.name; }
    uint16_t VendorId() const override { return model_.vendorId; }
    uint16_t ProductId() const override { return model_.productId; }

private:
    const SimHeadsetModel model_;
};
