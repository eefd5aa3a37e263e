#include "devices/profile_switch.h"

#include "hid/protocol/protocol_codes.h"

ProfileSwitchResult SwitchToProfile(CVornakelUSBDevice& device, const std::string& profileName,
                                    const SettingsWrite& settings) {
    ProfileSwitchResult result;
    device.SetProfileName(profileName);
    result.loaded = device.LoadProfile();
    if (result.loaded != 1) {
        // Nothing was loaded: whatever the device object holds did not come from this
        // profile, so nothing is sent.
        result.settings = kResultBadArgument;
        result.macros = kProfileNotSent;
        result.assignments = kResultBadArgument;
        return result;
    }
    device.ValidateMacroKeys();
    device.RefreshPage();
    result.settings = device.WriteSettings(settings);
    result.macros = device.WriteMacros();
    result.assignments = device.WriteCurrentKeyAssignments();
    return result;
}
