#include "devices/discovery/interface_listing.h"

HidDeviceInfo RecordFromPath(const std::string& path) {
    HidDeviceInfo record;
    record.vendorId = ParseVendorId(path);
    record.productId = ParseProductId(path);
    record.collectionNumber = ParseCollectionNumber(path);
    record.interfaceNumber = ParseInterfaceNumber(path);
    record.devicePath = path;
    return record;
}

bool ProbeRecord(CHidDevice& probe, HidDeviceInfo* record) {
    if (!probe.Open(record->devicePath, true, false, true, false)) return false;
    record->vendorId = probe.Attributes().vendorId;
    record->productId = probe.Attributes().productId;
    record->usagePage = probe.Caps().usagePage;
    record->usage = probe.Caps().usage;
    probe.Close();
    return true;
}

namespace {

ListedInterface ListOne(const CDeviceTable& table, const std::string& path) {
    HidDeviceInfo record = RecordFromPath(path);
    ListedInterface entry;
    entry.path = path;
    entry.interfaceNumber = record.interfaceNumber;
    entry.collectionNumber = record.collectionNumber;
    CHidDevice probe;
    entry.opened = ProbeRecord(probe, &record);
    entry.vendorId = record.vendorId;
    entry.productId = record.productId;
    if (entry.opened) {
        entry.usagePage = record.usagePage;
        entry.usage = record.usage;
        entry.supportedRow = table.MatchInterface(record.vendorId, record.productId, record.interfaceNumber,
                                                  record.collectionNumber, record.usagePage, record.usage);
    } else {
        // The usage is unknown; the ids and numbers of the path still tell whether it would
        // be a supported interface, which is what the user needs to hear.
        entry.openError = probe.LastOpenError();
        entry.supportedRow = table.MatchPath(record.vendorId, record.productId, record.interfaceNumber,
                                             record.collectionNumber);
    }
    if (entry.supportedRow >= 0) {
        const SupportedInterface& row = table.Interfaces()[static_cast<size_t>(entry.supportedRow)];
        entry.deviceKind = row.deviceKind;
        entry.deviceSubKind = row.deviceSubKind;
        entry.deviceRow = table.DeviceOfInterface(entry.supportedRow);
        entry.userRow = table.Rows()[static_cast<size_t>(entry.deviceRow)].source == DeviceRowSource::User;
    }
    return entry;
}

}  // namespace

bool ListHidInterfaces(const CDeviceTable& table, std::vector<ListedInterface>& interfaces) {
    interfaces.clear();
    CHidDevice cursor;
    if (!cursor.Enumerate()) return false;
    int nextDeviceIndex = 0;
    for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath()) {
        ListedInterface entry = ListOne(table, *path);
        if (entry.supportedRow >= 0 && entry.deviceSubKind == kSubKindCommand)
            entry.deviceIndex = nextDeviceIndex++;
        interfaces.push_back(std::move(entry));
    }
    cursor.ClearPaths();
    return true;
}
