#pragma once
// The name lists a device page chooses from, read from the files beside the program and
// in the device's data folder. Missing files, rows or values leave a list empty.
#include <string>
#include <vector>

#include "devices/device_page.h"

struct DeviceLists {
    // "MacroInfo"[i]."MacroName" of the macro list file; macroCount counts the entries
    // (an entry without a name still counts: key assignments refer to macros by index).
    std::vector<std::string> macroNames;
    unsigned macroCount = 0;
    // "DefaultLightName"[row]: the built-in lighting modes, index = mode number.
    std::vector<LightModeName> lightModes;
    // "AreaLightName"[row]."LightName" (loaded, not shown).
    std::vector<std::string> areaNames;
    // "LightInfo"[row]."LightName" of the light configuration file: the host's presets,
    // mode 12 + i.
    std::vector<std::string> presetNames;
};

// Reads the three files; row is the device's user value (0 keyboard, 1 mouse, 2 mouse pad,
// 3 headset).
DeviceLists LoadDeviceLists(const std::string& macroListFile, const std::string& defaultLightFile,
                            const std::string& lightConfigFile, int row);

// The name of lighting mode `mode`: the built-in mode's name for modes below 12, the
// preset's name for 12 and up; empty when the list has no such entry.
std::string LightModeNameOf(const DeviceLists& lists, int mode);
