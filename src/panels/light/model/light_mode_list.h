#pragma once
// The entries of the lighting mode list. The list position is the mode number stored in
// the profile ("SelectItem", one byte): the device's built-in modes come first, and on
// kinds whose devices accept host presets, the user's light presets follow from the
// kind's first preset mode on (mouse 12, keyboard 25; preset p is mode first + p).
// Devices are sent mode 0 for a preset mode; the host plays the preset's effect list.
#include <string>
#include <vector>

#include "panels/light/model/light_name_files.h"

struct LightModeEntry {
    std::string name;      // text id of a built-in mode, or the preset's own name
    bool visible = false;  // shown in the list (hidden entries keep their place)
    bool preset = false;   // true: a preset name (shown as it stands, not translated)
    bool operator==(const LightModeEntry&) const = default;
};

// Highest mode number a profile can store.
constexpr int kLastLightMode = 255;

// The mode of a kind's first preset; -1 when the kind's devices know no presets
// (mouse pad, headset: their mode byte goes to the device as it stands).
int FirstPresetMode(int kind);

// Built-in modes first: on kinds with presets exactly FirstPresetMode(kind) of them
// (missing ones are hidden placeholders, extra ones are dropped because their numbers
// belong to presets); then the presets, shown when they have a name. Entries beyond
// mode 255 are dropped: the profile could not store their number.
std::vector<LightModeEntry> BuildLightModeList(int kind, const std::vector<BuiltInLightMode>& builtIns,
                                               const std::vector<LightPreset>& presets);

// The list as the devices fill it: built-in modes of the kind's row of the default light
// file and presets of the same row of the light configuration file.
std::vector<LightModeEntry> LoadLightModeList(int kind, const std::string& defaultLightPath,
                                              const std::string& lightConfigPath);

// The preset index a mode selects on a kind, or -1 for built-in modes and kinds without
// presets.
int PresetIndexOfMode(int kind, int mode);
