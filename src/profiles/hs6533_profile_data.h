#pragma once
// The headset's profile: headset settings, preset equaliser tables and the user's custom
// equalisers (names and band values), on top of lighting.
#include <string>
#include <vector>

#include "profiles/basic_profile_data.h"

// The preset equaliser table an equaliser type uses: 0, negative or above 13 use table 1,
// 13 has no preset table (-1), 1..12 use their own.
int EqTableIndex(int type);

class CHs6533Profiledata : public CBasicProfiledata {
public:
    // The eight values of "SystemSetStages" (all zero without it).
    HeadsetSettings GetHeadsetSettings();
    void SetHeadsetSettings(const HeadsetSettings& settings);

    // The 10 band values of the preset table of type (see EqTableIndex); a missing table is
    // written into the tree as 10 zero bands. Type 13 gives an empty list and writes nothing.
    std::vector<int> GetEqValues(int type);
    // Writes the bands given (at most 10) into the preset table of type; others stay.
    void SetEqValues(int type, const std::vector<int>& values);

    // "Name" of every "CustomEQNameInfo" element, in order.
    std::vector<std::string> GetCustomEqNames();
    // Replaces "CustomEQNameInfo" with one {"Name": name} per name.
    void SetCustomEqNames(const std::vector<std::string>& names);

    // The same as the preset tables, on "CustomEQHzValueInfo"[index] (0..255; others give
    // 10 zeros and change nothing).
    std::vector<int> GetCustomEqValues(int index);
    void SetCustomEqValues(int index, const std::vector<int>& values);

    // The curve that plays while bands moved on the page are not saved as a preset
    // ("CustomEqEdited" 1): "EQHzValueInfo"[13], the table of the custom type, which the
    // built-in presets leave unused. Missing: 10 zeros.
    std::vector<int> GetUnnamedCustomEqValues();
    void SetUnnamedCustomEqValues(const std::vector<int>& values);

private:
    std::vector<int> ReadBands(const char* key, int index);
    void WriteBands(const char* key, int index, const std::vector<int>& values);

    HeadsetSettings settings_;
};
