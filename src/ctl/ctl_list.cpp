// kvelmctl list: every HID interface, with the supported ones marked.
#include <cstdio>
#include <string>
#include "ctl/ctl_commands.h"
#include "ctl/ctl.h"
#include "ctl/ctl_interfaces.h"
#include "devices/discovery/device_table_store.h"
#include "hid/protocol/supported_devices.h"

namespace {
std::string DescribeSupport(const ListedInterface& entry) {
    if (entry.supportedRow < 0) return "-";
    return std::string(DeviceKindName(entry.deviceKind)) +
           (entry.deviceSubKind == kSubKindCommand ? " (command)" : " (input)") +
           (entry.userRow ? " (user table)" : "");
}

std::string FormatLine(const ListedInterface& entry) {
    const std::string index = entry.deviceIndex >= 0 ? std::to_string(entry.deviceIndex) : "-";
    char usage[16] = "?:?";
    if (entry.opened) std::snprintf(usage, sizeof usage, "%04x:%04x", entry.usagePage, entry.usage);
    char line[160];
    std::snprintf(line, sizeof line, "%-5s  %04x:%04x  %02x  %02x   %-9s   %-18s ", index.c_str(),
                  entry.vendorId, entry.productId, entry.interfaceNumber, entry.collectionNumber, usage,
                  DescribeSupport(entry).c_str());
    return line + entry.path;
}
}  // namespace

int RunList(const std::vector<std::string>&, CtlContext& context) {
    std::vector<ListedInterface> interfaces;
    for (const DeviceTableProblem& problem : DeviceTableProblems())
        context.err << "kvelmctl: device table: " << problem.text << "\n";
    std::string error;
    if (!ListInterfaces(interfaces, &error)) return CtlFail(context, kExitFailure, error);
    if (interfaces.empty()) {
        context.out << "no HID interfaces found\n";
        return kExitOk;
    }
    context.out << "INDEX  VID:PID    MI  COL  PAGE:USAGE  SUPPORTED          PATH\n";
    int supported = 0;
    for (const ListedInterface& entry : interfaces) {
        context.out << FormatLine(entry) << "\n";
        if (!entry.openProblem.empty()) context.out << "       cannot open: " << entry.openProblem << "\n";
        if (entry.deviceIndex >= 0) ++supported;
    }
    context.out << interfaces.size() << " interface" << (interfaces.size() == 1 ? "" : "s") << ", "
                << supported << " supported device" << (supported == 1 ? "" : "s") << "\n";
    return kExitOk;
}
