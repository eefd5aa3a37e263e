#include "devices/profile_switch.h"

#include <memory>

#include "hid/protocol/protocol_codes.h"

namespace {

// The steps before the writes (the device's own thread: they show the profile on the page).
// False when nothing was loaded; the result then says that nothing was sent.
bool PrepareSwitch(CVornakelUSBDevice& device, const std::string& profileName, ProfileSwitchResult& result) {
    device.SetProfileName(profileName);
    result.loaded = device.LoadProfile();
    result.keptAside = device.ProfileKeptAside();
    if (result.loaded != 1) {
        // Nothing was loaded: whatever the device object holds did not come from this
        // profile, so nothing is sent.
        result.settings = kResultBadArgument;
        result.macros = kProfileNotSent;
        result.assignments = kResultBadArgument;
        return false;
    }
    device.ValidateMacroKeys();
    device.RefreshPage();
    return true;
}

// The writes: they run whatever the earlier ones gave.
void WriteSwitch(CVornakelUSBDevice& device, const SettingsWrite& settings, ProfileSwitchResult& result) {
    result.settings = device.WriteSettings(settings);
    result.macros = device.WriteMacros();
    result.assignments = device.WriteCurrentKeyAssignments();
}

}  // namespace

ProfileSwitchResult SwitchToProfile(CVornakelUSBDevice& device, const std::string& profileName,
                                    const SettingsWrite& settings) {
    ProfileSwitchResult result;
    if (PrepareSwitch(device, profileName, result)) WriteSwitch(device, settings, result);
    return result;
}

void SwitchToProfileInBackground(CVornakelUSBDevice& device, const std::string& profileName,
                                 const SettingsWrite& settings,
                                 std::function<void(const ProfileSwitchResult&)> done) {
    device.WhenIoIdle([&device, profileName, settings, done = std::move(done)] {
        auto result = std::make_shared<ProfileSwitchResult>();
        if (!PrepareSwitch(device, profileName, *result)) {
            if (done) done(*result);
            return;
        }
        device.RunIo([&device, settings, result] { WriteSwitch(device, settings, *result); },
                     [result, done] {
                         if (done) done(*result);
                     });
    });
}
