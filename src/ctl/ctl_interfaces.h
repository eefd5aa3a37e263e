#pragma once
// The HID interfaces as kvelmctl shows them, and how a command names one of them.
#include "devices/discovery/interface_listing.h"
#include <string>
#include <vector>

// Every interface the HID backends list (real and simulated), probed and matched against
// the program's device table (ListHidInterfaces); openProblem says why one could not be
// opened. False with *error set when the interfaces cannot be listed at all.
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
