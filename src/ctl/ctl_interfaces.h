#pragma once
// The HID interfaces as kvelmctl shows them, and how a command names one of them.
#include "devices/discovery/interface_listing.h"
#include <string>
#include <vector>

// Every interface the HID backends list (real and simulated), probed and matched against
// the program's device table (ListHidInterfaces); openProblem says why one could not be
// opened. False with *error set when the interfaces cannot be listed at all.
bool ListInterfaces(std::vector<ListedInterface>& interfaces, std::string* error);

// The udev line that grants the device of a supported interface; empty when the interface
// is not supported or its ids are not known.
std::string UdevRuleLineOf(const ListedInterface& entry);

// Why a listed path cannot be opened, as a short phrase ("permission denied; ...").
// readWrite: the open needed write access too. udevLine: UdevRuleLineOf the interface.
std::string DescribeOpenFailure(const std::string& path, bool readWrite, bool supported,
                                const std::string& udevLine = {});
// The phrase for an open of the device node `node` that failed with errno `error`;
// permission problems on a supported device say which udev line to add and where (the
// exact line when udevLine names it, else how to get it).
std::string DescribeOpenError(const std::string& node, int error, bool supported,
                              const std::string& udevLine = {});

// The interface named by a command argument: a decimal INDEX of a supported device or a
// listed path. False with *error set ("no such device: ...").
bool ResolveDevice(const std::string& argument, ListedInterface& device, std::string* error);
