#include "hid/protocol/supported_devices.h"

HidDeviceInfo ToHidDeviceInfo(const SupportedInterface& row) {
    HidDeviceInfo info;
    info.vendorId = row.vendorId;
    info.productId = row.productId;
    info.interfaceNumber = row.interfaceNumber;
    info.collectionNumber = row.collectionNumber;
    info.deviceKind = row.deviceKind;
    info.deviceSubKind = row.deviceSubKind;
    info.usagePage = row.usagePage;
    info.usage = row.usage;
    return info;
}

const char* DeviceKindName(uint16_t kind) {
    switch (kind) {
    case DeviceKind::kKeyboard:
        return "keyboard";
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant:
        return "mouse";
    case DeviceKind::kMousePad:
        return "mouse pad";
    case DeviceKind::kHeadsetIconOnly:
        return "headset";
    case DeviceKind::kHubIconOnly:
        return "hub";
    case DeviceKind::kHeadsetHs6533:
        return "headset (HS6533)";
    default:
        return "unknown";
    }
}
