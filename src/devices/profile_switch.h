#pragma once
// Making a profile the device's current one and sending it, the same way for the main
// window (profile combo, after its delay) and kvelmctl apply.
#include <string>

#include "devices/usb_device.h"

struct ProfileSwitchResult {
    int loaded = 0;        // LoadProfile
    int settings = 0;      // WriteSettings
    int macros = 0;        // WriteMacros
    int assignments = 0;   // WriteCurrentKeyAssignments
};

// SetProfileName, LoadProfile, ValidateMacroKeys, RefreshPage, WriteSettings, WriteMacros,
// WriteCurrentKeyAssignments, in this order. The writes run whatever the earlier ones gave,
// as the program always did: macros that do not fit leave the key assignments to be written
// all the same.
ProfileSwitchResult SwitchToProfile(CVornakelUSBDevice& device, const std::string& profileName,
                                    const SettingsWrite& settings = {});
