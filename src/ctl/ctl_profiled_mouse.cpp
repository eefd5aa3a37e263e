#include "ctl/ctl_profiled_mouse.h"

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_mouse.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_list.h"

namespace {
// Logical buttons, named after their factory assignment.
constexpr std::string_view kButtonWords[mouse::kLogicalButtonCount] = {
    "left", "right", "middle", "forward", "back", "dpi-up", "dpi-down", "dpi-cycle", "mode", "extra",
};
}  // namespace

std::string_view ButtonWord(std::size_t button) {
    return button < mouse::kLogicalButtonCount ? kButtonWords[button] : std::string_view{};
}

int FindButton(const std::string& word) {
    for (std::size_t i = 0; i < mouse::kLogicalButtonCount; ++i)
        if (kButtonWords[i] == word || std::to_string(i) == word) return static_cast<int>(i);
    return -1;
}

std::string ButtonWords() {
    std::string words;
    for (std::string_view word : kButtonWords) words += (words.empty() ? "" : ", ") + std::string(word);
    return words;
}

macros::Assignment ToAssignment(const KeyAssignHalf& half) {
    return {half.type, half.param1, half.param2};
}

int OpenProfiledMouse(const std::string& argument, ProfiledMouse& mouse, CtlContext& context) {
    if (const int code = OpenNamedMouse(argument, mouse.device, &mouse.path, context); code != kExitOk)
        return code;
    CProfileList list;
    list.SetDeviceKind(DeviceKind::kMouse);
    list.SetDeviceFolder(DeviceProgramFolder(), mouse.device.FolderTag());
    if (const int code = InitProfileList(list, context); code != kExitOk) return code;
    const int index = list.SelectedIndex();
    if (index < 0 || index >= list.Count())
        return CtlFail(context, kExitFailure, "no profile selected in " + list.UserFolder());
    const ProfileEntry entry = list.Entries()[static_cast<size_t>(index)];
    if (const int result = mouse.device.ReadInitialState(); result != kResultOk)
        return FailCommand(context, "reading the device (not answering)", result, mouse.path);
    mouse.device.SetProfileName(entry.id);
    if (mouse.device.LoadProfile() != 1)
        return CtlFail(context, kExitFailure, "profile '" + entry.name + "' cannot be loaded");
    mouse.device.ValidateMacroKeys();
    mouse.profileName = entry.name;
    return kExitOk;
}
