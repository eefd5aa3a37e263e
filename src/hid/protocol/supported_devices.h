#pragma once
// The values of the supported-interface rows: device kinds, sub-kinds, the two collections
// a supported interface can be, and the row record itself. The rows are data: the device
// table of devices/discovery derives them from its device rows.
#include <cstdint>
#include "hid/hid_device_info.h"

// Device kinds (HidDeviceInfo::deviceKind).
namespace DeviceKind {
constexpr uint16_t kKeyboard = 1;
constexpr uint16_t kMouse = 2;
constexpr uint16_t kMousePad = 3;
constexpr uint16_t kHeadsetIconOnly = 4;
constexpr uint16_t kHubIconOnly = 5;
constexpr uint16_t kMouseVariant = 6;  // handled as a mouse, on a slow (wireless) link
constexpr uint16_t kHeadsetHs6533 = 7;
}  // namespace DeviceKind

// Device sub-kinds (HidDeviceInfo::deviceSubKind).
constexpr uint16_t kSubKindCommand = 0;      // the device's command interface
constexpr uint16_t kSubKindSecondary = 255;  // a secondary interface (consumer control)
constexpr uint16_t kSubKindHardPad = 0;      // mouse pads
constexpr uint16_t kSubKindSoftPad = 1;

// The two collections a supported interface can be.
constexpr uint16_t kCommandUsagePage = 0xFF1C;
constexpr uint16_t kCommandUsage = 0x0092;
constexpr uint16_t kConsumerUsagePage = 0x000C;
constexpr uint16_t kConsumerUsage = 0x0001;

constexpr uint16_t kMakerVendorId = 0x320F;

struct SupportedInterface {
    uint16_t vendorId;
    uint16_t productId;
    uint16_t interfaceNumber;
    uint16_t collectionNumber;
    uint16_t deviceKind;
    uint16_t deviceSubKind;
    uint16_t usagePage;
    uint16_t usage;
};

// A row as an interface record: kind, sub-kind and ids filled, not attached, no path.
HidDeviceInfo ToHidDeviceInfo(const SupportedInterface& row);

// "keyboard", "mouse", "mouse pad", "headset", "hub", "headset (HS6533)"; "unknown" else.
const char* DeviceKindName(uint16_t kind);
