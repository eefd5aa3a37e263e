#pragma once
// The device-definition and device-page tables, compiled in, and the icon sets of the
// device kinds. Pure data and look-ups (no Qt); the supported-interface table itself lives
// in hid/protocol/supported_devices.h.
//
// One device-definition row stands for one device slot the main window makes at start-up;
// the device-page row of the same index says how its page is built and its device sized.
#include <cstdint>
#include <span>
#include <string_view>

struct DeviceDefinitionRow {
    std::string_view deviceName;      // also the device's data folder tag
    std::string_view entryXml;        // skin file of the device-bar entry
    std::string_view optionGroup;     // option group of the entry's "device_select"
    std::string_view powerContainer;  // container of the device's power panel
    int typeCode;                     // handed to the device object (SetUserValue)
    uint16_t vendorId;                // the four values tying the row to an interface row
    uint16_t productId;
    uint16_t deviceKind;
    uint16_t deviceSubKind;
};

struct DevicePageRow {
    std::string_view pageXml;    // skin file of the device page
    std::string_view lightName;  // base name of the device's light configuration file
    int ledCount;                // "first count": LED buttons of the page
    int keyCount;                // "second count": key buttons of the page
    int pollPeriodically;        // 1: the entry polls the power status every 5000 ms
    int fourthValue;             // kept with the row; no device class reads it
};

// Five rows each, parallel (same index).
std::span<const DeviceDefinitionRow> DeviceDefinitionTable();
std::span<const DevicePageRow> DevicePageTable();

// Index of the first definition row whose vendor id, product id, kind and sub-kind equal
// the arguments; -1 when none does.
int FindDefinitionRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t subKind);

// Index of the first supported-interface row whose vendor id, product id, kind and sub-kind
// equal the definition row's; -1 when none does.
int InterfaceRowOfDefinition(const DeviceDefinitionRow& row);

// Whether the program has a device class for a kind (today: the mouse kinds 2 and 6).
bool KindHasDeviceClass(uint16_t kind);

// The icon set of a device kind: "kb", "ms", "hard_mp"/"soft_mp" (mouse pad sub-kind 0/1),
// "hd", "hub"; "unknow" for other kinds. Kind 6 has no set of its own: "unknow" (the main
// window looks it up as kind 2). An empty view for a mouse pad of another sub-kind (the
// entry then keeps its images).
std::string_view DeviceIconSet(int kind, int subKind);
