#include "ctl/ctl_device.h"

#include "ctl/ctl.h"
#include "ctl/ctl_interfaces.h"
#include "devices/device_result.h"
#include "profiles/profile_list.h"

int OpenNamedDevice(const std::string& argument, CDeviceProtocol& channel, std::string* path,
                    CtlContext& context) {
    ListedInterface device;
    std::string error;
    if (!ResolveDevice(argument, device, &error)) return CtlFail(context, kExitFailure, error);
    if (!channel.Open(device.path))
        return CtlFail(
            context, kExitFailure,
            device.path + ": " +
                DescribeOpenFailure(device.path, true, device.supportedRow >= 0, UdevRuleLineOf(device)));
    if (path != nullptr) *path = device.path;
    return kExitOk;
}

int FailCommand(CtlContext& context, const char* what, int result, const std::string& path) {
    return CtlFail(context, kExitFailure,
                   std::string(what) + " failed: " + DeviceResultText(result) + ": " + path);
}

int InitProfileList(CProfileList& list, CtlContext& context) {
    if (list.Init() != kProfileDone)
        return CtlFail(context, kExitFailure, "the profile list cannot be written: " + list.LastError());
    if (!list.LastError().empty()) context.err << "kvelmctl: " << list.LastError() << "\n";
    return kExitOk;
}
