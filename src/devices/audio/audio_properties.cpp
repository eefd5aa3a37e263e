#include "devices/audio/audio_properties.h"

namespace {

constexpr const char* kSliderNames[kEqBands] = {"EQ_Slider1", "EQ_Slider2", "EQ_Slider3", "EQ_Slider4",
                                                "EQ_Slider5", "EQ_Slider6", "EQ_Slider7", "EQ_Slider8",
                                                "EQ_Slider9", "EQ_Slider10"};

std::vector<AudioPropertySpec> BuildTable() {
    using R = AudioRole;
    using K = AudioValueKind;
    std::vector<AudioPropertySpec> table = {
        {prop::kSupportFeature, R::kMicrophone, K::kList},  // asked of each endpoint
        {prop::kVolumeScalar, R::kMicrophone, K::kFloat},
        {prop::kVolume, R::kMicrophone, K::kFloat},
        {prop::kMute, R::kMicrophone, K::kInt},
        {prop::kMaxVol, R::kMicrophone, K::kFloat},
        {prop::kMinVol, R::kMicrophone, K::kFloat},
        {prop::kVolStep, R::kMicrophone, K::kFloat},
        {prop::kMonitorScalar, R::kMicrophone, K::kFloat},
        {prop::kMonitorVolume, R::kMicrophone, K::kFloat},
        {prop::kMonitorMute, R::kMicrophone, K::kInt},
        {prop::kMonitorMaxVol, R::kMicrophone, K::kFloat},
        {prop::kMonitorMinVol, R::kMicrophone, K::kFloat},
        {prop::kMonitorVolStep, R::kMicrophone, K::kFloat},
        {prop::kMagicVoice, R::kMicrophone, K::kInt},
        {prop::kMicEcho, R::kMicrophone, K::kInt},
        {prop::kMagicSelection, R::kMicrophone, K::kInt},
        {prop::kNoiseCancel, R::kMicrophone, K::kInt},
        {prop::kEqEnable, R::kOutput, K::kInt},
        {prop::kSurround, R::kOutput, K::kInt},
        {prop::kRoomEnable, R::kOutput, K::kInt},
        {prop::kRoomEnvironment, R::kOutput, K::kInt},
        {prop::kRoomSize, R::kOutput, K::kInt},
    };
    for (const char* name : kSliderNames) table.push_back({name, R::kOutput, K::kInt});
    return table;
}

}  // namespace

std::string EqSliderName(int band) {
    return prop::kEqSliderPrefix + std::to_string(band);
}

const std::vector<AudioPropertySpec>& AudioPropertyTable() {
    static const std::vector<AudioPropertySpec> table = BuildTable();
    return table;
}

std::optional<AudioPropertySpec> FindAudioProperty(const std::string& name) {
    for (const AudioPropertySpec& spec : AudioPropertyTable())
        if (name == spec.name) return spec;
    return std::nullopt;
}
