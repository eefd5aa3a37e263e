#include "devices/audio/audio_endpoint_control.h"

#include <array>
#include <cmath>
#include <cstring>

#include "devices/audio/property_buffer.h"

namespace {

// Items of the feature list that become feature words 0, 4 and 6.
constexpr size_t kFeatureItem0 = 0;
constexpr size_t kFeatureItem4 = 4;
constexpr size_t kFeatureItem6 = 6;
constexpr size_t kFeatureItemsNeeded = 7;
// The three ints of the surround property's second buffer.
const std::vector<int32_t> kSurroundSecond = {4, -1, 0};
constexpr int kPercent = 100;
// "MagicVoice_Selection" 0..3 is the voice changer type 1..4.
constexpr int kMagicSelectionCount = 4;

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

// A level in 0.0-1.0 as a percentage. Rounded: a level written as 0.57 is read back as
// 0.5699999..., which cut off would lose a step on every start.
int PercentOf(double scalar) {
    const long percent = std::lround(scalar * kPercent);
    return static_cast<int>(std::clamp<long>(percent, 0, kPercent));
}

}  // namespace

CAudioEndpointControl::CAudioEndpointControl(IAudioConfigLibrary* library, MessageSink messages)
    : library_(library), messages_(std::move(messages)) {}

void CAudioEndpointControl::Show(const std::string& text) const {
    if (messages_) messages_(text);
}

const AudioEndpointRecord& CAudioEndpointControl::RecordOf(AudioRole role) const {
    return role == AudioRole::kOutput ? output_ : microphone_;
}

void CAudioEndpointControl::InitAudio(HeadsetAudioState& state) {
    if (library_ == nullptr) return;
    if (library_->ConfLibInit() != audio::kOk) Show(audiomsg::kInitFailed);
    library_->CreateDeviceList();
    uint32_t outputs = 0;
    if (library_->GetDeviceCount(AudioFlow::kOutput, &outputs) != audio::kOk || outputs == 0) return;
    SelectEndpoints();
    if (microphone_.endpoint.type != 0) QueryFeatures(microphone_);
    if (output_.endpoint.type != 0) QueryFeatures(output_);
    WriteDefaults();
    ReadAudioState(state);
}

void CAudioEndpointControl::SelectEndpoints() {
    output_ = {};
    microphone_ = {};
    auto list = [this](AudioFlow flow) {
        std::vector<AudioEndpointId> endpoints;
        uint32_t count = 0;
        if (library_->GetDeviceCount(flow, &count) != audio::kOk) return endpoints;
        for (uint32_t index = 0; index < count; ++index) {
            AudioEndpointId endpoint;
            if (library_->GetDeviceById(flow, index, &endpoint) == audio::kOk) endpoints.push_back(endpoint);
        }
        return endpoints;
    };
    const std::vector<AudioEndpointId> outputs = list(AudioFlow::kOutput);
    bool found = false;
    for (uint32_t type : kOutputTypePreference) {
        for (const AudioEndpointId& endpoint : outputs) {
            if (endpoint.type == type && endpoint.state == audio::kStateActive) {
                output_.endpoint = endpoint;
                found = true;
                break;
            }
        }
        if (found) break;
    }
    for (const AudioEndpointId& endpoint : list(AudioFlow::kCapture)) {
        if (endpoint.type == kMicrophoneType) {
            microphone_.endpoint = endpoint;
            break;
        }
    }
}

void CAudioEndpointControl::QueryFeatures(AudioEndpointRecord& record) {
    std::array<uint8_t, audio::kFeatureBufferSize> buffer{};
    if (library_->PropertyControl(record.endpoint, prop::kSupportFeature, buffer, {},
                                  PropertyDirection::kRead) != audio::kOk)
        return;
    buffer.back() = 0;
    const std::vector<std::string> items = SplitAtCommas(BufferText(buffer));
    if (items.size() < kFeatureItemsNeeded) {
        Show(audiomsg::kFeatureListShort);
        return;
    }
    record.featureWord0 = ParseDecimalInt(items[kFeatureItem0]).value_or(0);
    record.featureWord4 = ParseDecimalInt(items[kFeatureItem4]).value_or(0);
    record.featureWord6 = ParseDecimalInt(items[kFeatureItem6]).value_or(0);
}

int CAudioEndpointControl::Call(AudioRole role, const std::string& name, AudioValue* written,
                                const std::vector<int32_t>& second, std::string* text) {
    const AudioEndpointRecord& record = RecordOf(role);
    if (record.endpoint.type == 0) return kAudioNoEndpoint;
    std::array<uint8_t, audio::kBufferSize> value{};
    std::array<uint8_t, audio::kBufferSize> secondBuffer{};
    if (written != nullptr) {
        if (const int32_t* number = std::get_if<int32_t>(written))
            PutInt32(value, *number);
        else
            PutFloat(value, std::get<float>(*written));
    }
    for (size_t i = 0; i < second.size() && i < 3; ++i)
        PutInt32(std::span<uint8_t>(secondBuffer).subspan(i * sizeof(int32_t)), second[i]);
    const std::span<uint8_t> secondSpan =
        second.empty() ? std::span<uint8_t>() : std::span<uint8_t>(secondBuffer);
    const PropertyDirection direction =
        written != nullptr ? PropertyDirection::kWrite : PropertyDirection::kRead;
    const int result = library_->PropertyControl(record.endpoint, name, value, secondSpan, direction);
    if (result == audio::kOk && text != nullptr) {
        value.back() = 0;
        *text = BufferText(value);
    }
    return result;
}

int CAudioEndpointControl::SetAudioProperty(AudioRole role, const std::string& name, AudioValue value,
                                            std::optional<int> channel) {
    if (library_ == nullptr) return audio::kOk;
    std::vector<int32_t> second;
    if (channel) second.push_back(*channel);
    return Call(role, name, &value, second, nullptr);
}

int CAudioEndpointControl::ReadAudioProperty(AudioRole role, const std::string& name,
                                             std::optional<int> channel, std::string* text) {
    if (library_ == nullptr) return kAudioNoEndpoint;
    std::vector<int32_t> second;
    if (channel) second.push_back(*channel);
    return Call(role, name, nullptr, second, text);
}

std::optional<int> CAudioEndpointControl::ReadInt(AudioRole role, const std::string& name,
                                                  std::optional<int> channel) {
    std::string text;
    if (ReadAudioProperty(role, name, channel, &text) != audio::kOk) return std::nullopt;
    return ParseDecimalInt(text);
}

std::optional<double> CAudioEndpointControl::ReadFloat(AudioRole role, const std::string& name,
                                                       std::optional<int> channel) {
    std::string text;
    if (ReadAudioProperty(role, name, channel, &text) != audio::kOk) return std::nullopt;
    return ParseDecimalFloat(text);
}

void CAudioEndpointControl::EnsureDefault(AudioRole role, const std::string& name, AudioValue value,
                                          const std::vector<int32_t>& second) {
    std::string text;
    if (Call(role, name, nullptr, second, &text) == audio::kOk) return;
    Call(role, name, &value, second, nullptr);
}

void CAudioEndpointControl::WriteDefaults() {
    using R = AudioRole;
    const AudioValue off = int32_t{0};
    const AudioValue silent = 0.0f;
    EnsureDefault(R::kOutput, prop::kSurround, off, kSurroundSecond);
    EnsureDefault(R::kMicrophone, prop::kNoiseCancel, off);
    EnsureDefault(R::kMicrophone, prop::kVolume, silent, {channel::kMicrophone});
    EnsureDefault(R::kOutput, prop::kEqEnable, off);
    for (int band = 1; band <= kEqBands; ++band) EnsureDefault(R::kOutput, EqSliderName(band), off);
    EnsureDefault(R::kOutput, prop::kRoomEnable, off);
    EnsureDefault(R::kOutput, prop::kRoomEnvironment, off);
    EnsureDefault(R::kOutput, prop::kRoomSize, off);
    EnsureDefault(R::kMicrophone, prop::kMute, off);
    EnsureDefault(R::kMicrophone, prop::kVolumeScalar, silent, {channel::kMicrophone});
    EnsureDefault(R::kMicrophone, prop::kMonitorVolume, silent, {channel::kMonitor});
    EnsureDefault(R::kMicrophone, prop::kMonitorMute, off);
    EnsureDefault(R::kMicrophone, prop::kMonitorScalar, silent, {channel::kMonitor});
    EnsureDefault(R::kMicrophone, prop::kMagicVoice, off);
    EnsureDefault(R::kMicrophone, prop::kMagicSelection, off);
}

void CAudioEndpointControl::ReadAudioState(HeadsetAudioState& state) {
    if (library_ == nullptr) return;
    using R = AudioRole;
    HeadsetSettings& s = state.settings;
    // Range and driver-unit level: read so the driver refreshes them; not kept.
    ReadFloat(R::kMicrophone, prop::kMaxVol);
    ReadFloat(R::kMicrophone, prop::kMinVol);
    ReadFloat(R::kMicrophone, prop::kVolStep);
    ReadFloat(R::kMicrophone, prop::kVolume, channel::kMicrophone);
    if (const std::optional<int> mute = ReadInt(R::kMicrophone, prop::kMute)) {
        state.micMute = *mute;
        s.micInSelect = *mute == 0 ? 1 : 0;
    }
    if (const std::optional<double> level =
            ReadFloat(R::kMicrophone, prop::kVolumeScalar, channel::kMicrophone))
        s.micInValue = PercentOf(*level);
    if (ReadFloat(R::kMicrophone, prop::kMonitorMaxVol)) {
        ReadFloat(R::kMicrophone, prop::kMonitorMinVol);
        ReadFloat(R::kMicrophone, prop::kMonitorVolStep);
        ReadFloat(R::kMicrophone, prop::kMonitorVolume, channel::kMonitor);
        if (const std::optional<int> mute = ReadInt(R::kMicrophone, prop::kMonitorMute)) {
            state.monitorMute = *mute;
            s.micMonitorSelect = *mute == 0 ? 1 : 0;
        }
        if (const std::optional<double> level =
                ReadFloat(R::kMicrophone, prop::kMonitorScalar, channel::kMonitor))
            s.micMonitorValue = PercentOf(*level);
        for (int band = 1; band <= kEqBands; ++band) ReadInt(R::kOutput, EqSliderName(band));
    }
    if ((microphone_.featureWord0 & kFeatureVoiceChanger) != 0) {
        if (const std::optional<int> enabled = ReadInt(R::kMicrophone, prop::kMagicVoice))
            s.magicEnable = *enabled;
    }
    if (const std::optional<int> selection = ReadInt(R::kMicrophone, prop::kMagicSelection)) {
        if (*selection >= 0 && *selection < kMagicSelectionCount) s.magicType = *selection + 1;
    }
}
