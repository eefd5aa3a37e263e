#pragma once
// The one prober: how a HID interface is looked at before it is used. The discovery worker
// probes candidates with it; kvelmctl lists every interface of the machine with it.
#include <cstdint>
#include <string>
#include <vector>
#include "devices/discovery/device_table.h"
#include "hid/hid_device.h"

// Vendor id, product id, interface and collection number as the path carries them.
HidDeviceInfo RecordFromPath(const std::string& path);

// Opens the record's path read-only and shared (a probe never keeps another program from the
// interface), replaces the ids by the device's attributes, sets usage page and usage from
// its capabilities, and closes it. False when it cannot be opened (probe.LastOpenError()).
bool ProbeRecord(CHidDevice& probe, HidDeviceInfo* record);

struct ListedInterface {
    std::string path;
    uint16_t vendorId = 0;  // from the device once opened, else from the path
    uint16_t productId = 0;
    uint16_t interfaceNumber = 0;
    uint16_t collectionNumber = 0;
    bool opened = false;  // usage page and usage are known only then
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int supportedRow = -1;    // interface row of the device table, -1 none
    uint16_t deviceKind = 0;  // of that row
    uint16_t deviceSubKind = 0;
    int deviceRow = -1;    // device row of the table, -1 none
    bool userRow = false;  // the device row comes from the user's file
    int deviceIndex = -1;  // INDEX of a supported command collection, else -1
    HidOpenError openError = HidOpenError::None;
    std::string openProblem;  // why the interface could not be opened (filled by the caller)
};

// Every interface the HID backends list (real and simulated), each probed, matched against
// `table`; supported command collections are numbered 0, 1, ... in listing order. False
// when the interfaces cannot be listed at all.
bool ListHidInterfaces(const CDeviceTable& table, std::vector<ListedInterface>& interfaces);
