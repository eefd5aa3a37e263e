#pragma once
// The audio configuration library on the host's own sound stack: the headset's microphone
// level and mute and its monitor (sidetone) level and mute on its USB sound card. The
// equaliser, voice changer, surround and room effects are not provided here: every feature
// word reads 0 (the voice changer bit 0x20000 is clear, so its controls are greyed) and
// their properties fail to read and write.
//
// With a card, one output endpoint (type 1) and one capture endpoint (type 2) are listed,
// both active; without one, no endpoint.
#include <memory>
#include <string>

#include "devices/audio/alsa_card_mixer.h"
#include "devices/audio/audio_config_library.h"

class AlsaAudioLibrary : public IAudioConfigLibrary {
public:
    static constexpr uint32_t kOutputId = 1;
    static constexpr uint32_t kMicrophoneId = 2;
    // Seven items, all absent.
    static constexpr char kNoFeatures[] = "0,0,0,0,0,0,0";

    // `mixer` may be null (no card).
    explicit AlsaAudioLibrary(std::unique_ptr<IAlsaCardMixer> mixer);

    int ConfLibInit() override;
    int CreateDeviceList() override;
    int GetDeviceCount(AudioFlow flow, uint32_t* count) override;
    int GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) override;
    int PropertyControl(AudioEndpointId endpoint, const std::string& name, std::span<uint8_t> value,
                        std::span<uint8_t> second, PropertyDirection direction) override;

private:
    int ReadProperty(const std::string& name, std::string* text);
    int WriteProperty(const std::string& name, std::span<const uint8_t> value);

    std::unique_ptr<IAlsaCardMixer> mixer_;
};

// The library on the headset's sound card with these ids; nullptr when the card is not
// there (the headset then has no audio library: its choices are only stored).
std::unique_ptr<IAudioConfigLibrary> OpenHostAudioLibrary(uint16_t vendorId, uint16_t productId);
