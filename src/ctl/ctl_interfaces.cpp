#include "ctl/ctl_interfaces.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include "ctl/ctl_numbers.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/udev_rules.h"

namespace {
// When the device's ids are not at hand, 'kvelmctl udev-rules' prints the lines.
std::string GeneralUdevHint() {
    return std::string("run 'kvelmctl udev-rules' and put its lines in ") + kUserUdevRulesPath +
           ", then run '" + kUdevReloadCommand + "'";
}

std::string UdevHint(const std::string& udevLine) {
    if (udevLine.empty()) return GeneralUdevHint();
    return std::string("add this line to ") + kUserUdevRulesPath + " (as root), then run '" +
           kUdevReloadCommand + "':\n         " + udevLine;
}

}  // namespace

bool ListInterfaces(std::vector<ListedInterface>& interfaces, std::string* error) {
    if (!ListHidInterfaces(ActiveDeviceTable(), interfaces)) {
        if (error != nullptr) *error = "cannot list the HID interfaces of this machine";
        return false;
    }
    for (ListedInterface& entry : interfaces)
        if (!entry.opened)
            entry.openProblem =
                DescribeOpenFailure(entry.path, false, entry.supportedRow >= 0, UdevRuleLineOf(entry));
    return true;
}

std::string UdevRuleLineOf(const ListedInterface& entry) {
    if (entry.supportedRow < 0 || (entry.vendorId == 0 && entry.productId == 0)) return {};
    return UdevRuleLine(entry.vendorId, entry.productId);
}

std::string DescribeOpenFailure(const std::string& path, bool readWrite, bool supported,
                                const std::string& udevLine) {
    const std::string node = path.substr(0, path.find('#'));
    if (node.empty() || node[0] != '/') return "cannot open the interface";
    if (access(node.c_str(), readWrite ? (R_OK | W_OK) : R_OK) == 0)
        return "cannot open the interface (busy or not a HID device)";
    return DescribeOpenError(node, errno, supported, udevLine);
}

std::string DescribeOpenError(const std::string& node, int error, bool supported,
                              const std::string& udevLine) {
    if (error == EACCES || error == EPERM) {
        std::string text = "permission denied on " + node;
        if (supported) text += "; " + UdevHint(udevLine);
        return text;
    }
    if (error == ENOENT || error == ENODEV) return node + " is gone (device unplugged?)";
    return "cannot open " + node + ": " + std::strerror(error);
}

bool ResolveDevice(const std::string& argument, ListedInterface& device, std::string* error) {
    std::vector<ListedInterface> interfaces;
    if (!ListInterfaces(interfaces, error)) return false;
    uint32_t index = 0;
    const bool byIndex =
        ParseNumber(argument, 0xFFFF, index) && argument.find_first_not_of("0123456789") == std::string::npos;
    int supportedCount = 0;
    for (const ListedInterface& entry : interfaces) {
        if (entry.deviceIndex >= 0) ++supportedCount;
        if ((byIndex && entry.deviceIndex == static_cast<int>(index)) ||
            (!byIndex && entry.path == argument)) {
            device = entry;
            return true;
        }
    }
    if (error != nullptr) {
        if (byIndex)
            *error = "no such device: " + argument + " (" + std::to_string(supportedCount) +
                     " supported device" + (supportedCount == 1 ? "" : "s") +
                     " attached; see 'kvelmctl list')";
        else
            *error = "no such device: " + argument + " (see 'kvelmctl list')";
    }
    return false;
}
