// kvelmctl apply: sends a stored profile to a mouse the way the program's profile switch
// does: settings, macros, key assignments. "apply --all" sends every attached mouse its
// selected profile (what the login entry runs).
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_interfaces.h"
#include "ctl/ctl_mouse.h"
#include "devices/profile_switch.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_list.h"

namespace {

constexpr std::string_view kProfileOption = "--profile";
constexpr std::string_view kAllOption = "--all";

std::string ProfileNames(const CProfileList& list) {
    std::string names;
    for (const ProfileEntry& entry : list.Entries())
        names += (names.empty() ? "'" : ", '") + entry.name + "'";
    return names;
}

// Applies the selected profile, or the one named by profileName (not null), to the mouse
// `argument` names.
int ApplyToMouse(const std::string& argument, const std::string* profileName, CtlContext& context) {
    const bool named = profileName != nullptr;
    CVornakelMouseDevice device;
    std::string path;
    if (const int code = OpenNamedMouse(argument, device, &path, context); code != kExitOk) return code;

    // The profiles of the mouse's kind, created on first use as the program creates them.
    CProfileList list;
    list.SetDeviceKind(DeviceKind::kMouse);
    list.SetDeviceFolder(DeviceProgramFolder(), device.FolderTag());
    if (list.Init() != kProfileDone)
        return CtlFail(context, kExitFailure, "the profile list cannot be written: " + list.LastError());
    int index = list.SelectedIndex();
    if (named) {
        index = list.FindByName(*profileName);
        if (index < 0)
            return CtlFail(
                context, kExitFailure,
                "profile not found: '" + *profileName + "' (profiles: " + ProfileNames(list) + ")");
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
                       "the macros do not fit the device's macro memory (" + std::to_string(result.macros) +
                           " units of 4 bytes over); they were not sent");
    else if (result.macros < 0)
        code = CtlFail(context, kExitFailure, "writing the macros failed: " + path);
    if (result.assignments != kResultOk)
        code = FailCommand(context, "writing the key assignments", result.assignments, path);
    if (code == kExitOk)
        context.out << "applied profile '" << entry.name << "' (" << entry.id << ") to " << path << "\n";
    return code;
}

// Every supported mouse that is attached; one failing mouse does not keep the others from
// their profiles, but makes the exit code a failure.
int ApplyToAll(CtlContext& context) {
    std::vector<ListedInterface> interfaces;
    std::string error;
    if (!ListInterfaces(interfaces, &error)) return CtlFail(context, kExitFailure, error);
    int code = kExitOk;
    int mice = 0;
    for (const ListedInterface& entry : interfaces) {
        if (entry.deviceIndex < 0 || MouseFolderName(entry.vendorId, entry.productId).empty()) continue;
        ++mice;
        if (ApplyToMouse(entry.path, nullptr, context) != kExitOk) code = kExitFailure;
    }
    if (mice == 0) context.out << "no mouse attached: nothing to apply\n";
    return code;
}

}  // namespace

int RunApply(const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() == 1 && args[0] == kAllOption) return ApplyToAll(context);
    if (args.size() == 3 && args[1] == kProfileOption) return ApplyToMouse(args[0], &args[2], context);
    if (args.size() != 1 || args[0].starts_with("--"))
        return CtlFail(context, kExitUsage, "usage: kvelmctl apply PATH|INDEX|--all [--profile NAME]");
    return ApplyToMouse(args[0], nullptr, context);
}
