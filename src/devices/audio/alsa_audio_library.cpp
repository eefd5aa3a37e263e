#include "devices/audio/alsa_audio_library.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "devices/audio/audio_endpoint_control.h"
#include "devices/audio/audio_properties.h"
#include "devices/audio/pipewire_equaliser.h"
#include "devices/audio/property_buffer.h"

namespace {

constexpr int kFailed = 1;
constexpr uint32_t kHeadphonesType = 1;

// What a level property of the microphone endpoint stands for on the card.
enum class Quantity { kScalar, kDecibels, kMute, kMaxDecibels, kMinDecibels, kStepDecibels };

struct CardProperty {
    MixerSide side;
    Quantity quantity;
};

const std::map<std::string, CardProperty>& CardProperties() {
    using S = MixerSide;
    using Q = Quantity;
    static const std::map<std::string, CardProperty> table = {
        {prop::kVolumeScalar, {S::kCapture, Q::kScalar}},
        {prop::kVolume, {S::kCapture, Q::kDecibels}},
        {prop::kMute, {S::kCapture, Q::kMute}},
        {prop::kMaxVol, {S::kCapture, Q::kMaxDecibels}},
        {prop::kMinVol, {S::kCapture, Q::kMinDecibels}},
        {prop::kVolStep, {S::kCapture, Q::kStepDecibels}},
        {prop::kMonitorScalar, {S::kPlayback, Q::kScalar}},
        {prop::kMonitorVolume, {S::kPlayback, Q::kDecibels}},
        {prop::kMonitorMute, {S::kPlayback, Q::kMute}},
        {prop::kMonitorMaxVol, {S::kPlayback, Q::kMaxDecibels}},
        {prop::kMonitorMinVol, {S::kPlayback, Q::kMinDecibels}},
        {prop::kMonitorVolStep, {S::kPlayback, Q::kStepDecibels}},
    };
    return table;
}

std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

}  // namespace

AlsaAudioLibrary::AlsaAudioLibrary(std::unique_ptr<IAlsaCardMixer> mixer,
                                   std::unique_ptr<IEqualiserSink> equaliser, std::string equaliserState)
    : mixer_(std::move(mixer)), equaliser_(std::move(equaliser), std::move(equaliserState)) {}

int AlsaAudioLibrary::ConfLibInit() {
    return audio::kOk;
}

int AlsaAudioLibrary::CreateDeviceList() {
    return audio::kOk;
}

int AlsaAudioLibrary::GetDeviceCount(AudioFlow, uint32_t* count) {
    if (count == nullptr) return kFailed;
    *count = mixer_ != nullptr ? 1 : 0;
    return audio::kOk;
}

int AlsaAudioLibrary::GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) {
    if (endpoint == nullptr || mixer_ == nullptr || index != 0) return kFailed;
    *endpoint = flow == AudioFlow::kOutput
                    ? AudioEndpointId{kOutputId, kHeadphonesType, 0, audio::kStateActive}
                    : AudioEndpointId{kMicrophoneId, kMicrophoneType, 0, audio::kStateActive};
    return audio::kOk;
}

int AlsaAudioLibrary::PropertyControl(AudioEndpointId endpoint, const std::string& name,
                                      std::span<uint8_t> value, std::span<uint8_t>,
                                      PropertyDirection direction) {
    if (mixer_ == nullptr || (endpoint.id != kOutputId && endpoint.id != kMicrophoneId)) return kFailed;
    if (endpoint.id == kOutputId) return OutputProperty(name, value, direction);
    if (name == prop::kSupportFeature)
        return direction == PropertyDirection::kRead && PutText(value, kNoFeatures) ? audio::kOk : kFailed;
    if (direction == PropertyDirection::kWrite) return WriteProperty(name, value);
    std::string text;
    const int result = ReadProperty(name, &text);
    if (result != audio::kOk) return result;
    return PutText(value, text) ? audio::kOk : kFailed;
}

int AlsaAudioLibrary::OutputProperty(const std::string& name, std::span<uint8_t> value,
                                     PropertyDirection direction) {
    std::string text;
    if (name == prop::kSupportFeature) {
        if (direction != PropertyDirection::kRead) return kFailed;
        text = equaliser_.Present() ? kEqualiserFeatures : kNoFeatures;
    } else if (direction == PropertyDirection::kWrite) {
        return equaliser_.Write(name, TakeInt32(value));
    } else if (const int result = equaliser_.Read(name, &text); result != audio::kOk) {
        return result;
    }
    return PutText(value, text) ? audio::kOk : kFailed;
}

int AlsaAudioLibrary::ReadProperty(const std::string& name, std::string* text) {
    const auto found = CardProperties().find(name);
    if (found == CardProperties().end()) return kFailed;
    const MixerSide side = found->second.side;
    long min = 0, max = 0, raw = 0;
    double decibels = 0, low = 0, high = 0;
    bool on = false;
    switch (found->second.quantity) {
    case Quantity::kMute:
        if (!mixer_->Switch(side, &on)) return kFailed;
        text->assign(1, on ? '0' : '1');  // muted is 1
        return audio::kOk;
    case Quantity::kScalar:
        if (!mixer_->Range(side, &min, &max) || max <= min || !mixer_->Volume(side, &raw)) return kFailed;
        *text = NumberText(static_cast<double>(raw - min) / static_cast<double>(max - min));
        return audio::kOk;
    case Quantity::kDecibels:
        if (!mixer_->Volume(side, &raw) || !mixer_->Decibels(side, raw, &decibels)) return kFailed;
        *text = NumberText(decibels);
        return audio::kOk;
    case Quantity::kMaxDecibels:
    case Quantity::kMinDecibels:
        if (!mixer_->Range(side, &min, &max)) return kFailed;
        if (!mixer_->Decibels(side, found->second.quantity == Quantity::kMaxDecibels ? max : min, &decibels))
            return kFailed;
        *text = NumberText(decibels);
        return audio::kOk;
    case Quantity::kStepDecibels:
        if (!mixer_->Range(side, &min, &max) || max <= min || !mixer_->Decibels(side, min, &low) ||
            !mixer_->Decibels(side, max, &high))
            return kFailed;
        *text = NumberText((high - low) / static_cast<double>(max - min));
        return audio::kOk;
    }
    return kFailed;
}

int AlsaAudioLibrary::WriteProperty(const std::string& name, std::span<const uint8_t> value) {
    const auto found = CardProperties().find(name);
    if (found == CardProperties().end()) return kFailed;
    const MixerSide side = found->second.side;
    switch (found->second.quantity) {
    case Quantity::kMute:
        return mixer_->SetSwitch(side, TakeInt32(value) == 0) ? audio::kOk : kFailed;
    case Quantity::kScalar: {
        long min = 0, max = 0;
        const float scalar = TakeFloat(value);
        if (!std::isfinite(scalar) || !mixer_->Range(side, &min, &max) || max < min) return kFailed;
        const double clamped = std::clamp(static_cast<double>(scalar), 0.0, 1.0);
        const long raw = min + std::lround(clamped * static_cast<double>(max - min));
        return mixer_->SetVolume(side, raw) ? audio::kOk : kFailed;
    }
    default:
        // The driver-unit level and the range are read only on a sound card.
        return kFailed;
    }
}

std::unique_ptr<IAudioConfigLibrary> OpenHostAudioLibrary(uint16_t vendorId, uint16_t productId) {
    std::unique_ptr<IAlsaCardMixer> mixer = OpenUsbCardMixer(vendorId, productId);
    if (mixer == nullptr) return nullptr;
    return std::make_unique<AlsaAudioLibrary>(std::move(mixer), OpenPipeWireEqualiser(vendorId, productId),
                                              HostEqualiserStateFile());
}
