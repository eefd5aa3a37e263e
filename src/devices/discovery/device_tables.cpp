#include "devices/discovery/device_tables.h"

#include <array>
#include "hid/protocol/supported_devices.h"

namespace {

constexpr std::string_view kEntryXml = "XML\\CustomControlXML\\DeviceOption.xml";
constexpr std::string_view kOptionGroup = "tab_header_device";
constexpr std::string_view kPowerContainer = "device_power_switch";

constexpr std::array<DeviceDefinitionRow, 5> kDefinitions{{
    // name         entry XML  group          power container  type  vendor  product kind sub-kind
    {"mouse", kEntryXml, kOptionGroup, kPowerContainer, 1, 0x320F, 0x2002, DeviceKind::kMouse, 0},
    {"keyboard", kEntryXml, kOptionGroup, kPowerContainer, 0, 0x0000, 0x0000, DeviceKind::kKeyboard, 0},
    {"MousePad", kEntryXml, kOptionGroup, kPowerContainer, 2, 0x0000, 0x0000, DeviceKind::kMousePad, 0},
    {"HD", kEntryXml, kOptionGroup, kPowerContainer, 3, 0x0000, 0x0000, DeviceKind::kHeadsetHs6533, 0},
    {"mouse3389", kEntryXml, kOptionGroup, kPowerContainer, 1, 0x320F, 0x21FD, DeviceKind::kMouse, 0},
}};

constexpr std::array<DevicePageRow, 5> kPages{{
    // page XML                                   light name     LEDs keys poll fourth
    {"XML\\DeviceXml\\mousedevice.xml", "tolva_light", 6, 7, 0, -1},
    {"XML\\DeviceXml\\keyboarddevice.xml", "tolva_light", 126, 126, 0, -1},
    {"XML\\DeviceXml\\mousepaddevice.xml", "tolva_light", 15, 0, 0, -1},
    {"XML\\DeviceXml\\hs6533device.xml", "tolva_light", 13, 0, 0, -1},
    {"XML\\DeviceXml\\mousedevice.xml", "tolva_light", 6, 7, 0, -1},
}};
static_assert(kDefinitions.size() == kPages.size(), "the two tables run in parallel");

}  // namespace

std::span<const DeviceDefinitionRow> DeviceDefinitionTable() { return kDefinitions; }

std::span<const DevicePageRow> DevicePageTable() { return kPages; }

int FindDefinitionRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t subKind) {
    for (size_t i = 0; i < kDefinitions.size(); ++i) {
        const DeviceDefinitionRow& row = kDefinitions[i];
        if (row.vendorId == vendorId && row.productId == productId && row.deviceKind == kind &&
            row.deviceSubKind == subKind)
            return static_cast<int>(i);
    }
    return -1;
}

int InterfaceRowOfDefinition(const DeviceDefinitionRow& row) {
    const auto table = SupportedInterfaceTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const SupportedInterface& r = table[i];
        if (r.vendorId == row.vendorId && r.productId == row.productId && r.deviceKind == row.deviceKind &&
            r.deviceSubKind == row.deviceSubKind)
            return static_cast<int>(i);
    }
    return -1;
}

bool KindHasDeviceClass(uint16_t kind) {
    return kind == DeviceKind::kMouse || kind == DeviceKind::kMouseVariant;
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
