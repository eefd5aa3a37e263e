#pragma once
// The headset's ten-band equaliser as a host audio filter: band centre frequencies, the gain
// each band value stands for, and the description of a filter chain of ten peaking filters
// in series between an equaliser sink and the headset's output. Plain data and text, built
// without the sound server, so that what is loaded can be checked line by line.
#include <array>
#include <string>
#include <vector>

#include "devices/audio/audio_properties.h"

// Gain of each band in dB, band 1 first.
using EqualiserGains = std::array<double, kEqBands>;

namespace eqplan {
// Centre frequencies in Hz of bands 1-10, one octave apart (the labels under the sliders).
inline constexpr std::array<int, kEqBands> kBandFrequencies = {31,   62,   125,  250,  500,
                                                               1000, 2000, 4000, 8000, 16000};
// One octave of bandwidth per band: Q = sqrt(2).
inline constexpr double kBandQ = 1.414;
// A band value is a gain in whole dB; the sliders reach -20..20 and so does the filter.
inline constexpr int kMinGainDb = -20;
inline constexpr int kMaxGainDb = 20;
inline constexpr char kFilterLabel[] = "bq_peaking";
inline constexpr char kGainControl[] = "Gain";
inline constexpr char kSinkNodeName[] = "kvelm_headset_equaliser";
inline constexpr char kOutputNodeName[] = "kvelm_headset_equaliser.output";
inline constexpr char kDescription[] = "KV_ELM headset equaliser";
inline constexpr char kModuleName[] = "libpipewire-module-filter-chain";
}  // namespace eqplan

// One control value of the chain: "<filter node>:<control>" and its value.
struct EqualiserControl {
    std::string name;
    float value = 0;
    bool operator==(const EqualiserControl&) const = default;
};

// The gain in dB a band value stands for (clamped to the slider range).
double BandGainDb(int value);
// Every band flat (0 dB).
EqualiserGains FlatGains();
// The filter node of band 1..10: "eq_band_1" .. "eq_band_10".
std::string BandNodeName(int band);
// The arguments of the filter-chain module: ten peaking filters in series, their first
// gains, an equaliser sink on the capture side and a playback side aimed at `targetNode`.
std::string FilterChainArguments(const std::string& targetNode, const EqualiserGains& gains);
// The "Gain" controls of the bands whose gain differs between `before` and `after`, band
// order.
std::vector<EqualiserControl> GainUpdates(const EqualiserGains& before, const EqualiserGains& after);
