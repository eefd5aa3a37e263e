#pragma once
// The HID interfaces as kvelmctl shows them, and how a command names one of them.
#include <cstdint>
#include <string>
#include <vector>

struct ListedInterface {
    std::string path;
    uint16_t vendorId = 0;         // from the device once opened, else from the path
    uint16_t productId = 0;
    uint16_t interfaceNumber = 0;
    uint16_t collectionNumber = 0;
    bool opened = false;           // usage page and usage are known only then
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int supportedRow = -1;         // row of the supported-interface table, -1 none
    int deviceIndex = -1;          // INDEX of a supported command collection, else -1
    std::string openProblem;       // why the interface could not be opened
};

// Every interface the HID backends list (real and simulated), each opened read-only to
// learn its usage. False with *error set when the interfaces cannot be listed at all.
bool ListInterfaces(std::vector<ListedInterface>& interfaces, std::string* error);

// Why a listed path cannot be opened, as a short phrase ("permission denied; ...").
// readWrite: the open needed write access too.
std::string DescribeOpenFailure(const std::string& path, bool readWrite, bool supported);
// The phrase for an open of the device node `node` that failed with errno `error`;
// permission problems on a supported device point at the udev rule.
std::string DescribeOpenError(const std::string& node, int error, bool supported);

// The interface named by a command argument: a decimal INDEX of a supported device or a
// listed path. False with *error set ("no such device: ...").
bool ResolveDevice(const std::string& argument, ListedInterface& device, std::string* error);
