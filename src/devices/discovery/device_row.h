#pragma once
// One supported device as the program knows it: its USB ids and kind, the HID interfaces
// that belong to it, and everything the main window and kvelmctl need to drive and show
// it. Rows are data (DefaultData/devices.json, the user's devices.json, simulator rows).
#include <cstdint>
#include <string>
#include <vector>

// One HID interface (top-level collection) of a device.
struct DeviceInterfaceRow {
    uint16_t interfaceNumber = 0;   // value after "&mi_" in the path
    uint16_t collectionNumber = 0;  // value after "&col" in the path
    uint16_t subKind = 0;           // 0 command interface (pads: 1 soft pad), 255 secondary
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// Where a row came from; rows of the user's file are marked in kvelmctl's listing.
enum class DeviceRowSource { Shipped, User, Simulator };

struct DeviceRow {
    std::string name;    // product name shown in the device bar
    std::string folder;  // data folder tag of the device ("mouse", "mouse3389", ...)
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t kind = 0;     // device kind (DeviceKind)
    uint16_t subKind = 0;  // sub-kind of the device's command interface
    int typeCode = 0;      // handed to the device object (SetUserValue)
    std::vector<DeviceInterfaceRow> interfaces;
    std::string entryXml;        // skin file of the device-bar entry
    std::string optionGroup;     // option group of the entry's "device_select"
    std::string powerContainer;  // container of the device's power panel
    std::string pageXml;         // skin file of the device page
    std::string lightName;       // base name of the device's light configuration file
    int ledCount = 0;            // LED buttons of the page
    int keyCount = 0;            // key buttons of the page
    int pollPeriodically = 0;    // 1: the entry polls the power status every 5000 ms
    int fourthValue = -1;        // kept with the row; no device class reads it
    DeviceRowSource source = DeviceRowSource::Shipped;
};

// Rows that stand for the same device: the same vendor and product id; rows without ids
// (0:0, devices whose ids are not known) are told apart by kind.
bool SameDevice(const DeviceRow& a, const DeviceRow& b);

// Whether a row can claim a real interface (a vendor and product id of 0 never can).
bool RowHasIds(const DeviceRow& row);
