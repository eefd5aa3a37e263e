#include "ctl/ctl_mouse.h"

#include "ctl/ctl.h"
#include "ctl/ctl_interfaces.h"
#include "hid/protocol/supported_devices.h"

namespace {

// The mouse rows of the program's device table: model, data folder, user value.
struct MouseModelRow {
    uint16_t vendorId;
    uint16_t productId;
    const char* folder;
};
constexpr MouseModelRow kMouseModels[] = {
    {0x320F, 0x2002, "mouse"},
    {0x320F, 0x21FD, "mouse3389"},
};
// What the program hands every mouse: its light configuration file and its row of the
// light name lists.
constexpr const char* kLightConfigName = "tolva_light";
constexpr int kMouseUserValue = 1;

}  // namespace

std::string MouseFolderName(uint16_t vendorId, uint16_t productId)
{
    for (const MouseModelRow& row : kMouseModels)
        if (row.vendorId == vendorId && row.productId == productId)
            return row.folder;
    return {};
}

int ConfigureNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                        CtlContext& context)
{
    ListedInterface listed;
    std::string error;
    if (!ResolveDevice(argument, listed, &error))
        return CtlFail(context, kExitFailure, error);
    const int row = listed.supportedRow;
    const bool mouseCommand = row >= 0
        && SupportedInterfaceTable()[static_cast<size_t>(row)].deviceKind == DeviceKind::kMouse
        && SupportedInterfaceTable()[static_cast<size_t>(row)].deviceSubKind == kSubKindCommand;
    const std::string folder = MouseFolderName(listed.vendorId, listed.productId);
    if (!mouseCommand || folder.empty())
        return CtlFail(context, kExitFailure, listed.path + ": not the command interface of a supported mouse");

    HidDeviceInfo info = ToHidDeviceInfo(SupportedInterfaceTable()[static_cast<size_t>(row)]);
    info.attached = 1;
    info.devicePath = listed.path;
    device.SetFolderTag(folder);
    device.SetConfigName(kLightConfigName);
    device.SetHidInfo(info);
    device.SetUserValue(kMouseUserValue);
    if (path != nullptr)
        *path = listed.path;
    return kExitOk;
}

int OpenNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                   CtlContext& context)
{
    std::string resolved;
    if (const int code = ConfigureNamedMouse(argument, device, &resolved, context); code != kExitOk)
        return code;
    if (!device.OpenCommandChannel(resolved))
        return CtlFail(context, kExitFailure, resolved + ": " + DescribeOpenFailure(resolved, true, true));
    if (path != nullptr)
        *path = resolved;
    return kExitOk;
}
