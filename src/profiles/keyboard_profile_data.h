#pragma once
// The keyboard's profile: system values and the per-key custom colour groups, on top of
// lighting and key assignments.
#include <vector>

#include "profiles/basic_profile_data.h"

class CKeyboardProfiledata : public CBasicProfiledata {
public:
    // Reads the six values of "SystemStages" (all zero without it).
    KeyboardSystemSettings GetKeyboardSystem();
    // Stores the words and writes the six values as unsigned 16-bit integers.
    void SetKeyboardSystem(const KeyboardSystemSettings& settings);

    // The count colours of custom group g ("CustomLightMode"."LightColorInfo"[g]). Missing
    // colours (or a missing group) read as {0,0,0,0} and are written into the tree as zero
    // colour objects, so the next Save stores a complete group. A group outside 0..255
    // gives count zero colours and changes nothing.
    std::vector<RgbaColor> GetCustomLightColors(int group, int count);
    // Stores the list and writes colour i into element i of group g.
    void SetCustomLightColors(const std::vector<RgbaColor>& colors, int group);
    // "CustomLightMode"."CustomLightModeGroupIndex", 0 when missing.
    int GetCustomLightGroup();
    void SetCustomLightGroup(int group);

private:
    KeyboardSystemSettings system_;
    std::vector<RgbaColor> colors_;
    int customGroup_ = 0;
};
