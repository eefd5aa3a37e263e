// kvelmctl apply: sends a stored profile to a mouse the way the program's profile switch
// does: settings, macros, key assignments.
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_mouse.h"
#include "devices/profile_switch.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_list.h"

namespace {

constexpr std::string_view kProfileOption = "--profile";

std::string ProfileNames(const CProfileList& list)
{
    std::string names;
    for (const ProfileEntry& entry : list.Entries())
        names += (names.empty() ? "'" : ", '") + entry.name + "'";
    return names;
}

}  // namespace

int RunApply(const std::vector<std::string>& args, CtlContext& context)
{
    const bool named = args.size() == 3 && args[1] == kProfileOption;
    if (args.size() != 1 && !named)
        return CtlFail(context, kExitUsage, "usage: kvelmctl apply PATH|INDEX [--profile NAME]");

    CVornakelMouseDevice device;
    std::string path;
    if (const int code = OpenNamedMouse(args[0], device, &path, context); code != kExitOk)
        return code;

    // The profiles of the mouse's kind, created on first use as the program creates them.
    CProfileList list;
    list.SetDeviceKind(DeviceKind::kMouse);
    list.SetDeviceFolder(DeviceProgramFolder(), device.FolderTag());
    if (list.Init() != kProfileDone)
        return CtlFail(context, kExitFailure, "the profile list cannot be written: " + list.LastError());
    int index = list.SelectedIndex();
    if (named) {
        index = list.FindByName(args[2]);
        if (index < 0)
            return CtlFail(context, kExitFailure,
                           "profile not found: '" + args[2] + "' (profiles: " + ProfileNames(list) + ")");
        list.Select(index);  // a profile switch in the program selects it too
    }
    if (index < 0 || index >= list.Count())
        return CtlFail(context, kExitFailure, "no profile to apply in " + list.UserFolder());
    const ProfileEntry entry = list.Entries()[static_cast<size_t>(index)];

    // The initial read gives the sensor (which stage list of the profile applies) and the
    // key block the assignments are merged into.
    if (const int result = device.ReadInitialState(); result != kResultOk)
        return FailCommand(context, "reading the device (not answering)", result, path);

    const ProfileSwitchResult result = SwitchToProfile(device, entry.id);
    if (result.loaded != 1)
        return CtlFail(context, kExitFailure, "profile '" + entry.name + "' cannot be loaded");
    int code = kExitOk;
    if (result.settings != kResultOk)
        code = FailCommand(context, "writing the settings", result.settings, path);
    if (result.macros > 0)
        code = CtlFail(context, kExitFailure,
                       "the macros do not fit the device's macro memory (" + std::to_string(result.macros)
                           + " units of 4 bytes over); they were not sent");
    else if (result.macros < 0)
        code = CtlFail(context, kExitFailure, "writing the macros failed: " + path);
    if (result.assignments != kResultOk)
        code = FailCommand(context, "writing the key assignments", result.assignments, path);
    if (code == kExitOk)
        context.out << "applied profile '" << entry.name << "' (" << entry.id << ") to " << path << "\n";
    return code;
}
