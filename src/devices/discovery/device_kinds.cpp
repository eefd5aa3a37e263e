#include "devices/discovery/device_kinds.h"

#include "hid/protocol/supported_devices.h"

bool KindHasDeviceClass(uint16_t kind) {
    return kind == DeviceKind::kMouse || kind == DeviceKind::kMouseVariant || kind == DeviceKind::kKeyboard ||
           kind == DeviceKind::kMousePad || kind == DeviceKind::kHeadsetHs6533;
}

std::string_view DeviceIconSet(int kind, int subKind) {
    switch (kind) {
    case DeviceKind::kKeyboard:
        return "kb";
    case DeviceKind::kMouse:
        return "ms";
    case DeviceKind::kMousePad:
        if (subKind == kSubKindHardPad) return "hard_mp";
        if (subKind == kSubKindSoftPad) return "soft_mp";
        return {};
    case DeviceKind::kHeadsetIconOnly:
    case DeviceKind::kHeadsetHs6533:
        return "hd";
    case DeviceKind::kHubIconOnly:
        return "hub";
    default:
        return "unknow";
    }
}
