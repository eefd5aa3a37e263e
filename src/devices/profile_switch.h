#pragma once
// Making a profile the device's current one and sending it, the same way for the main
// window (profile combo, after its delay) and kvelmctl apply.
#include <functional>
#include <string>

#include "devices/usb_device.h"

// WriteMacros' result when the profile could not be loaded and nothing was sent.
constexpr int kProfileNotSent = -1;

struct ProfileSwitchResult {
    int loaded = 0;       // LoadProfile
    int settings = 0;     // WriteSettings
    int macros = 0;       // WriteMacros
    int assignments = 0;  // WriteCurrentKeyAssignments
    // Where an unreadable profile file was kept before the default data took its place.
    std::string keptAside;
};

// SetProfileName, LoadProfile, ValidateMacroKeys, RefreshPage, WriteSettings, WriteMacros,
// WriteCurrentKeyAssignments, in this order. When LoadProfile does not give 1 nothing is
// written (settings and assignments kResultBadArgument, macros kProfileNotSent). Otherwise
// the writes run whatever the earlier ones gave, as the program always did: macros that do
// not fit leave the key assignments to be written all the same.
ProfileSwitchResult SwitchToProfile(CVornakelUSBDevice& device, const std::string& profileName,
                                    const SettingsWrite& settings = {});

// The same switch with its writes on the device's I/O worker (CVornakelUSBDevice::RunIo): once
// no I/O of the device is outstanding, the first four steps run on the device's thread at
// once, the three writes on the worker, and done gets the result on the device's thread
// (also when nothing was loaded; never when the device is gone). The frames are those of
// SwitchToProfile.
void SwitchToProfileInBackground(CVornakelUSBDevice& device, const std::string& profileName,
                                 const SettingsWrite& settings,
                                 std::function<void(const ProfileSwitchResult&)> done = {});
