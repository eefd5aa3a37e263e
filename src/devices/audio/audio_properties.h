#pragma once
// The property vocabulary of the audio configuration library: names, the endpoint each one
// belongs to and the kind of value it carries.
#include <optional>
#include <string>
#include <vector>

enum class AudioRole { kMicrophone, kOutput };
enum class AudioValueKind { kInt, kFloat, kList };

struct AudioPropertySpec {
    const char* name;
    AudioRole role;
    AudioValueKind kind;
};

namespace prop {
inline constexpr char kSupportFeature[] = "GetSupportFeature";
inline constexpr char kVolumeScalar[] = "VolumeScalarControl";
inline constexpr char kVolume[] = "VolumeControl";
inline constexpr char kMute[] = "MuteControl";
inline constexpr char kMaxVol[] = "GetMaxVol";
inline constexpr char kMinVol[] = "GetMinVol";
inline constexpr char kVolStep[] = "GetVolStep";
inline constexpr char kMonitorScalar[] = "AAVolumeScalarControl";
inline constexpr char kMonitorVolume[] = "AAVolumeControl";
inline constexpr char kMonitorMute[] = "AAMuteControl";
inline constexpr char kMonitorMaxVol[] = "GetAAMaxVol";
inline constexpr char kMonitorMinVol[] = "GetAAMinVol";
inline constexpr char kMonitorVolStep[] = "GetAAVolStep";
inline constexpr char kMagicVoice[] = "Enable_MAGICVOICE";
inline constexpr char kMicEcho[] = "Enable_MICECHO";
inline constexpr char kMagicSelection[] = "MagicVoice_Selection";
inline constexpr char kNoiseCancel[] = "Enable_ENC_LFX";
inline constexpr char kEqEnable[] = "Enable_EQ_GFX";
inline constexpr char kEqSliderPrefix[] = "EQ_Slider";
inline constexpr char kSurround[] = "VirtualSurroundEffectControl";
inline constexpr char kRoomEnable[] = "Enable_RFX_GFX";
inline constexpr char kRoomEnvironment[] = "RFX_ENVIRONMENT";
inline constexpr char kRoomSize[] = "RFX_ROOMSIZE";
}  // namespace prop

// Channel selectors of the level properties.
namespace channel {
inline constexpr int kMicrophone = -1;
inline constexpr int kMonitor = 0;
inline constexpr int kMonitorAfterChange = 1;
}  // namespace channel

inline constexpr int kEqBands = 10;
// Bit of the microphone's feature word 0: the voice changer is available.
inline constexpr int kFeatureVoiceChanger = 0x20000;
// Bit of the output's feature word 0: the equaliser is available.
inline constexpr int kFeatureOutputEqualiser = 0x1;

// "EQ_Slider1" .. "EQ_Slider10" for band 1..10.
std::string EqSliderName(int band);

// Every property of the vocabulary (the ten sliders each listed).
const std::vector<AudioPropertySpec>& AudioPropertyTable();
std::optional<AudioPropertySpec> FindAudioProperty(const std::string& name);
