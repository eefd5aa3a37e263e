// kvelmctl bind / unbind: binds a profile to a program (an executable name, a path, or
// "class:NAME" for a window class) or removes the binding, in the device's profile list,
// as the program's profile manager does. The device need not answer: only its files change.
#include "ctl/ctl.h"
#include "ctl/ctl_bindings.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_interfaces.h"
#include "devices/discovery/device_table_store.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_list.h"

namespace {

// The kind whose profile list the device uses (a wireless mouse keeps a mouse's); 0 for a
// device without profiles.
int ProfileKindOf(int kind) {
    switch (kind) {
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant:
        return DeviceKind::kMouse;
    case DeviceKind::kKeyboard:
    case DeviceKind::kMousePad:
    case DeviceKind::kHeadsetHs6533:
        return kind;
    default:
        return 0;
    }
}

int OpenProfileList(const std::string& argument, CProfileList& list, CtlContext& context) {
    ListedInterface listed;
    std::string error;
    if (!ResolveDevice(argument, listed, &error)) return CtlFail(context, kExitFailure, error);
    const CDeviceTable table = ActiveDeviceTable();
    const int kind = ProfileKindOf(listed.deviceKind);
    if (listed.deviceRow < 0 || static_cast<size_t>(listed.deviceRow) >= table.Rows().size() || kind == 0)
        return CtlFail(context, kExitFailure, listed.path + ": not a device that takes profiles");
    list.SetDeviceKind(kind);
    list.SetDeviceFolder(DeviceProgramFolder(), table.Rows()[static_cast<size_t>(listed.deviceRow)].folder);
    return InitProfileList(list, context);
}

using BindingChange = int (CProfileList::*)(int, const std::string&);

int ChangeBinding(const std::vector<std::string>& args, CtlContext& context, BindingChange change) {
    CProfileList list;
    if (const int code = OpenProfileList(args[0], list, context); code != kExitOk) return code;
    const int index = list.FindByName(args[1]);
    if (index < 0) return CtlFail(context, kExitFailure, "profile not found: '" + args[1] + "'");
    if ((list.*change)(index, args[2]) != kProfileDone)
        return CtlFail(context, kExitFailure, list.LastError());
    context.out << list.Entries()[static_cast<size_t>(index)].name << ": " << ProfileBindingsText(list, index)
                << "\n";
    return kExitOk;
}

}  // namespace

std::string ProfileBindingsText(const CProfileList& list, int index) {
    std::string text;
    for (const std::string& program : list.ProgramsAt(index)) text += (text.empty() ? "" : ", ") + program;
    if (index >= 0 && index == list.ReturnIndex())
        text += text.empty() ? "return profile" : ", return profile";
    return text.empty() ? "-" : text;
}

int RunBind(const std::vector<std::string>& args, CtlContext& context) {
    return ChangeBinding(args, context, &CProfileList::BindProgram);
}

int RunUnbind(const std::vector<std::string>& args, CtlContext& context) {
    return ChangeBinding(args, context, &CProfileList::UnbindProgram);
}
