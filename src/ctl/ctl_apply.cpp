// kvelmctl apply: sends a stored profile to a mouse, keyboard, mouse pad or headset the way
// the program's profile switch does: settings, macros, key assignments (a pad or a headset:
// its lighting).
// "apply --all" sends every attached device its selected profile (what the login entry runs).
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_interfaces.h"
#include "ctl/ctl_mouse.h"
#include "ctl/ctl_named_device.h"
#include "ctl/ctl_profiles.h"
#include <memory>

#include "devices/discovery/device_table_store.h"
#include "devices/keyboard_device.h"
#include "devices/mousepad_device.h"
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

bool TakesProfiles(int kind) {
    return IsMouseKind(kind) || kind == DeviceKind::kKeyboard || kind == DeviceKind::kMousePad ||
           kind == DeviceKind::kHeadsetHs6533;
}

}  // namespace

// Applies the selected profile, or the one named by profileName (not null), to the device
// `argument` names.
int ApplyProfileToDevice(const std::string& argument, const std::string* profileName, CtlContext& context) {
    const bool named = profileName != nullptr;
    NamedDevice target;
    std::string path;
    if (const int code = OpenNamed(argument, target, context); code != kExitOk) return code;
    path = target.path;
    CVornakelUSBDevice& device = *target.device;

    // The profiles of the device's kind, created on first use as the program creates them.
    CProfileList list;
    PointProfileList(list, target);
    if (const int code = InitProfileList(list, context); code != kExitOk) return code;
    int index = list.SelectedIndex();
    if (named) {
        index = list.FindByName(*profileName);
        if (index < 0)
            return CtlFail(
                context, kExitUsage,
                "profile not found: '" + *profileName + "' (profiles: " + ProfileNames(list) + ")");
        list.Select(index);  // a profile switch in the program selects it too
    }
    if (index < 0 || index >= list.Count())
        return CtlFail(context, kExitFailure, "no profile to apply in " + list.UserFolder());
    const ProfileEntry entry = list.Entries()[static_cast<size_t>(index)];

    if (const int result = ReadBeforeWrite(target); result != kResultOk)
        return FailCommand(context, "reading the device (not answering)", result, path);

    const ProfileSwitchResult result = SwitchToProfile(device, entry.id);
    if (result.loaded != 1)
        return CtlFail(context, kExitFailure, "profile '" + entry.name + "' cannot be loaded");
    if (!result.keptAside.empty())
        context.err << "kvelmctl: the file of profile '" << entry.name
                    << "' could not be read; it is kept as " << result.keptAside
                    << " and the default settings were applied in its place\n";
    int code = kExitOk;
    if (result.settings != kResultOk)
        code = FailCommand(context, "writing the settings", result.settings, path);
    // A pad has no macros or keys: its results say nothing was to be sent.
    const bool hasKeys = target.mouse != nullptr || target.keyboard != nullptr;
    if (hasKeys && result.macros > 0)
        code = CtlFail(context, kExitFailure,
                       "the macros do not fit the device's macro memory (" + std::to_string(result.macros) +
                           " units of 4 bytes over); they were not sent");
    else if (hasKeys && result.macros < 0)
        code = CtlFail(context, kExitFailure, "writing the macros failed: " + path);
    if (hasKeys && result.assignments != kResultOk)
        code = FailCommand(context, "writing the key assignments", result.assignments, path);
    if (code == kExitOk)
        context.out << "applied profile '" << entry.name << "' (" << entry.id << ") to " << path << "\n";
    return code;
}

namespace {

// Every attached mouse, keyboard and mouse pad of the device table; one failing device does
// not keep the others from their profiles, but makes the exit code a failure.
int ApplyToAll(CtlContext& context) {
    std::vector<ListedInterface> interfaces;
    std::string error;
    if (!ListInterfaces(interfaces, &error)) return CtlFail(context, kExitFailure, error);
    int code = kExitOk;
    int devices = 0;
    for (const ListedInterface& entry : interfaces) {
        if (entry.deviceIndex < 0 || !TakesProfiles(entry.deviceKind)) continue;
        if (IsMouseKind(entry.deviceKind) && MouseFolderName(entry.vendorId, entry.productId).empty())
            continue;
        ++devices;
        if (ApplyProfileToDevice(entry.path, nullptr, context) != kExitOk) code = kExitFailure;
    }
    if (devices == 0) context.out << "no device attached: nothing to apply\n";
    return code;
}

}  // namespace

int RunApply(const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() == 1 && args[0] == kAllOption) return ApplyToAll(context);
    if (args.size() == 3 && args[1] == kProfileOption)
        return ApplyProfileToDevice(args[0], &args[2], context);
    if (args.size() != 1 || args[0].starts_with("--"))
        return CtlFail(context, kExitUsage, "usage: kvelmctl apply PATH|INDEX|--all [--profile NAME]");
    return ApplyProfileToDevice(args[0], nullptr, context);
}
