#pragma once
// The headset's two audio endpoints (output and microphone) and everything done with them:
// the initialisation sequence (library start, endpoint selection, feature query, defaults
// written where a read fails), single property writes and the read-back of the current
// state into the headset's audio settings.
//
// Without a library every property call is skipped and counts as done, so the headset's
// audio operations still store what the user chose.
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "devices/audio/audio_config_library.h"
#include "devices/audio/audio_properties.h"
#include "profiles/profile_records.h"

// An endpoint as chosen, with the three feature words taken from its feature list.
struct AudioEndpointRecord {
    AudioEndpointId endpoint;
    int featureWord0 = 0;
    int featureWord4 = 0;
    int featureWord6 = 0;
};

// The headset's audio settings and the two mute flags (1 = muted; the opposites of
// micInSelect and micMonitorSelect).
struct HeadsetAudioState {
    HeadsetSettings settings;
    int micMute = 0;
    int monitorMute = 0;
};

using AudioValue = std::variant<int32_t, float>;

namespace audiomsg {
inline constexpr char kInitFailed[] = "ConfLibInit called failed!";
inline constexpr char kFeatureListShort[] = "UpdateAPOAvailable failed!";
}  // namespace audiomsg

// Output endpoint types in order of preference; the microphone is the first capture
// endpoint of type kMicrophoneType whatever its state.
inline constexpr uint32_t kOutputTypePreference[] = {1, 12, 7, 4};
inline constexpr uint32_t kMicrophoneType = 2;
// A result of SetAudioProperty/ReadAudioProperty when no endpoint of that role was chosen.
inline constexpr int kAudioNoEndpoint = -1;

class CAudioEndpointControl {
public:
    using MessageSink = std::function<void(const std::string&)>;

    // `library` may be null (not available); it must outlive this object.
    explicit CAudioEndpointControl(IAudioConfigLibrary* library = nullptr, MessageSink messages = {});

    bool Available() const { return library_ != nullptr; }
    // The whole initialisation; the read-back lands in `state`.
    void InitAudio(HeadsetAudioState& state);
    void ReadAudioState(HeadsetAudioState& state);

    // 0 on success (and when no library is loaded), otherwise the failure.
    int SetAudioProperty(AudioRole role, const std::string& name, AudioValue value,
                         std::optional<int> channel = std::nullopt);
    // The value's text in `text`; 0 on success.
    int ReadAudioProperty(AudioRole role, const std::string& name, std::optional<int> channel,
                          std::string* text);

    const AudioEndpointRecord& Output() const { return output_; }
    const AudioEndpointRecord& Microphone() const { return microphone_; }

private:
    void SelectEndpoints();
    void QueryFeatures(AudioEndpointRecord& record);
    void WriteDefaults();
    // Reads the property; only when the read fails writes the default. `second`: the 32-bit
    // integers of the second buffer (the channel selector; empty: no second buffer).
    void EnsureDefault(AudioRole role, const std::string& name, AudioValue value,
                       const std::vector<int32_t>& second = {});
    int Call(AudioRole role, const std::string& name, AudioValue* written, const std::vector<int32_t>& second,
             std::string* text);
    std::optional<int> ReadInt(AudioRole role, const std::string& name, std::optional<int> channel = {});
    std::optional<double> ReadFloat(AudioRole role, const std::string& name, std::optional<int> channel = {});
    const AudioEndpointRecord& RecordOf(AudioRole role) const;
    void Show(const std::string& text) const;

    IAudioConfigLibrary* library_;
    MessageSink messages_;
    AudioEndpointRecord output_;
    AudioEndpointRecord microphone_;
};
