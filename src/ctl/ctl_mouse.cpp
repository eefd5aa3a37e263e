#include "ctl/ctl_mouse.h"

#include "ctl/ctl.h"
#include "ctl/ctl_interfaces.h"
#include "ctl/ctl_named_device.h"
#include "devices/discovery/device_table_store.h"
#include "hid/protocol/supported_devices.h"

namespace {

// What the program hands every mouse: its light configuration file and its row of the
// light name lists.
constexpr const char* kLightConfigName = "tolva_light";
constexpr int kMouseUserValue = 1;

}  // namespace

std::string MouseFolderName(uint16_t vendorId, uint16_t productId) {
    const CDeviceTable table = ActiveDeviceTable();
    const DeviceRow* row = table.FindByIds(vendorId, productId);
    const bool mouse = row && (row->kind == DeviceKind::kMouse || row->kind == DeviceKind::kMouseVariant);
    return mouse ? row->folder : std::string();
}

int ConfigureNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                        CtlContext& context) {
    ListedInterface listed;
    std::string error;
    if (!ResolveDevice(argument, listed, &error)) return CtlFail(context, kExitFailure, error);
    const bool mouseCommand =
        listed.supportedRow >= 0 &&
        (listed.deviceKind == DeviceKind::kMouse || listed.deviceKind == DeviceKind::kMouseVariant) &&
        listed.deviceSubKind == kSubKindCommand;
    const std::string folder = MouseFolderName(listed.vendorId, listed.productId);
    if (listed.supportedRow >= 0 && listed.deviceSubKind == kSubKindCommand && !mouseCommand)
        return CtlFail(
            context, kExitUsage,
            listed.path + " is a " + KindWord(listed.deviceKind) + ": this command is for a mouse");
    if (!mouseCommand || folder.empty())
        return CtlFail(context, kExitUsage, listed.path + ": not the command interface of a supported mouse");

    HidDeviceInfo info =
        ToHidDeviceInfo(ActiveDeviceTable().Interfaces()[static_cast<size_t>(listed.supportedRow)]);
    info.attached = 1;
    info.devicePath = listed.path;
    device.SetFolderTag(folder);
    device.SetConfigName(kLightConfigName);
    device.SetHidInfo(info);
    device.SetUserValue(kMouseUserValue);
    if (path != nullptr) *path = listed.path;
    return kExitOk;
}

int OpenNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                   CtlContext& context) {
    std::string resolved;
    if (const int code = ConfigureNamedMouse(argument, device, &resolved, context); code != kExitOk)
        return code;
    if (!device.OpenCommandChannel(resolved))
        return CtlFail(context, kExitFailure, resolved + ": " + DescribeOpenFailure(resolved, true, true));
    if (path != nullptr) *path = resolved;
    return kExitOk;
}
