#include "devices/profile_switch.h"

ProfileSwitchResult SwitchToProfile(CVornakelUSBDevice& device, const std::string& profileName,
                                    const SettingsWrite& settings)
{
    ProfileSwitchResult result;
    device.SetProfileName(profileName);
    result.loaded = device.LoadProfile();
    device.ValidateMacroKeys();
    device.RefreshPage();
    result.settings = device.WriteSettings(settings);
    result.macros = device.WriteMacros();
    result.assignments = device.WriteCurrentKeyAssignments();
    return result;
}
