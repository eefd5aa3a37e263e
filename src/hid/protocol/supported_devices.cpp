#include "hid/protocol/supported_devices.h"

#include <array>

namespace {
constexpr std::array<SupportedInterface, 9> kTable{{
    // vendor  product  mi  col  kind                       sub-kind           usage page          usage
    {0x0000, 0x0000, 1, 4, DeviceKind::kKeyboard, kSubKindCommand, kCommandUsagePage, kCommandUsage},
    {0x0000, 0x0000, 1, 3, DeviceKind::kKeyboard, kSubKindSecondary, kConsumerUsagePage, kConsumerUsage},
    {0x320F, 0x2002, 1, 4, DeviceKind::kMouse, kSubKindCommand, kCommandUsagePage, kCommandUsage},
    {0x320F, 0x2002, 1, 3, DeviceKind::kMouse, kSubKindSecondary, kConsumerUsagePage, kConsumerUsage},
    {0x320F, 0x21FD, 1, 4, DeviceKind::kMouse, kSubKindCommand, kCommandUsagePage, kCommandUsage},
    {0x320F, 0x21FD, 1, 3, DeviceKind::kMouse, kSubKindSecondary, kConsumerUsagePage, kConsumerUsage},
    {0x0000, 0x0000, 1, 4, DeviceKind::kMousePad, kSubKindCommand, kCommandUsagePage, kCommandUsage},
    {0x0000, 0x0000, 1, 3, DeviceKind::kMousePad, kSubKindSecondary, kConsumerUsagePage, kConsumerUsage},
    {0x0000, 0x0000, 3, 0, DeviceKind::kHeadsetHs6533, kSubKindCommand, kConsumerUsagePage, kConsumerUsage},
}};

// Rows without ids stand for devices whose ids are not known yet; a vendor id of 0 is no
// real USB vendor, so such a row must not claim any interface.
bool RowCanMatch(const SupportedInterface& row)
{
    return row.vendorId != 0 || row.productId != 0;
}
}  // namespace

std::span<const SupportedInterface> SupportedInterfaceTable()
{
    return kTable;
}

int MatchSupportedInterface(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                            uint16_t collectionNumber, uint16_t usagePage, uint16_t usage)
{
    for (size_t i = 0; i < kTable.size(); ++i) {
        const SupportedInterface& row = kTable[i];
        if (RowCanMatch(row) && row.vendorId == vendorId && row.productId == productId
            && row.interfaceNumber == interfaceNumber && row.collectionNumber == collectionNumber
            && row.usagePage == usagePage && row.usage == usage)
            return static_cast<int>(i);
    }
    return -1;
}

int MatchSupportedPath(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                       uint16_t collectionNumber)
{
    for (size_t i = 0; i < kTable.size(); ++i) {
        const SupportedInterface& row = kTable[i];
        if (RowCanMatch(row) && row.vendorId == vendorId && row.productId == productId
            && row.interfaceNumber == interfaceNumber && row.collectionNumber == collectionNumber)
            return static_cast<int>(i);
    }
    return -1;
}

HidDeviceInfo ToHidDeviceInfo(const SupportedInterface& row)
{
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

const char* DeviceKindName(uint16_t kind)
{
    switch (kind) {
    case DeviceKind::kKeyboard: return "keyboard";
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant: return "mouse";
    case DeviceKind::kMousePad: return "mouse pad";
    case DeviceKind::kHeadsetIconOnly: return "headset";
    case DeviceKind::kHubIconOnly: return "hub";
    case DeviceKind::kHeadsetHs6533: return "headset (HS6533)";
    default: return "unknown";
    }
}
