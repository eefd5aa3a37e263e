#pragma once
// What the power panel shows for a power status record (no widgets).
//
// The record is the device's 6-byte power status (devices/device_page.h): byte 0 battery
// level in percent, byte 1 power state (0 powered, 1 charging, 2 on battery), byte 3
// wireless link, byte 5 the phone lying on a mouse pad's charger. Bytes a shorter record
// lacks read as 0.
#include <cstddef>
#include <cstdint>
#include <string>

enum class ShowState { Unchanged, Shown, Hidden };

struct PowerStatusView {
    std::string valueText;  // "device_power_value": level followed by "%"
    int progressValue = 0;  // "device_Power_progress": 100 - level
    ShowState progress = ShowState::Unchanged;
    ShowState wirelessLogo = ShowState::Unchanged;  // "device_wuxian_logo" (mice only)
    std::string statusImage;                        // "device_power_status" background; empty: unchanged
    std::string phoneToolTip;                       // "device_phone_type" (mouse pads only); empty: unchanged
    std::string phoneImage;
};

// The view of a record of `length` bytes for a device of `kind` (2 mouse, 3 mouse pad).
PowerStatusView MakePowerStatusView(const uint8_t* record, size_t length, int kind);

// The image attribute of a skin image as the panel stores it: "file='power/x.png'".
std::string ImageAttribute(const std::string& file);
