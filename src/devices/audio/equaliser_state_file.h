#pragma once
// What the host's equaliser last held, kept on disk: a sound server forgets its filters
// when the program ends, where the headset's own chip keeps its equaliser, so the program
// puts the filter back as it was at the next start.
//
// File (JSON): {"Enabled": true, "Bands": [10 band values, band 1 first]}. A missing or
// broken file, or a member of the wrong type, reads as off with flat bands.
#include <array>
#include <string>

#include "devices/audio/audio_properties.h"

struct EqualiserState {
    bool enabled = false;
    std::array<int, kEqBands> bands{};
    bool operator==(const EqualiserState&) const = default;
};

// "host_equaliser.json" in the headset's user folder ("HD").
std::string HostEqualiserStateFile();
EqualiserState ReadEqualiserState(const std::string& path);
// Written atomically; false when it could not be.
bool WriteEqualiserState(const std::string& path, const EqualiserState& state);
