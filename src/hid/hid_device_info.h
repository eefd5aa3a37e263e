#pragma once
// One HID interface as the rest of the program names it.
#include <cstdint>
#include <string>

struct HidDeviceInfo {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t interfaceNumber = 0;   // "&mi_" token of the path, hexadecimal; 0 when absent
    uint16_t collectionNumber = 0;  // "&col" token of the path, hexadecimal; 0 when absent
    uint16_t deviceKind = 0;        // from the supported-device table row that matched
    uint16_t deviceSubKind = 0;
    uint16_t attached = 0;   // 1 while a live interface is bound to this entry
    uint16_t usagePage = 0;  // of the top-level collection
    uint16_t usage = 0;
    uint16_t hasPartner = 0;
    uint16_t partnerIndex = 0;
    std::string devicePath;  // empty while no interface is bound

    // Identity only: attached, hasPartner, partnerIndex and devicePath take no part.
    friend bool operator==(const HidDeviceInfo& a, const HidDeviceInfo& b) {
        return a.vendorId == b.vendorId && a.productId == b.productId &&
               a.interfaceNumber == b.interfaceNumber && a.collectionNumber == b.collectionNumber &&
               a.deviceKind == b.deviceKind && a.deviceSubKind == b.deviceSubKind &&
               a.usagePage == b.usagePage && a.usage == b.usage;
    }
};

// Tokens of a device path, found without regard to case and read as hexadecimal;
// the low 16 bits of the number, 0 when the token is absent.
uint16_t ParseVendorId(const std::string& path);          // "vid_"
uint16_t ParseProductId(const std::string& path);         // "pid_"
uint16_t ParseInterfaceNumber(const std::string& path);   // "&mi_"
uint16_t ParseCollectionNumber(const std::string& path);  // "&col"
