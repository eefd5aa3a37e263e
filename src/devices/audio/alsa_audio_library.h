#pragma once
// The audio configuration library on the host's own sound stack: the headset's microphone
// level and mute and its monitor (sidetone) level and mute on its USB sound card, and the
// equaliser on the sound server's filter for the card's output when there is one. The
// voice changer, surround and room effects are not provided: the microphone's feature word
// 0 reads 0 (the voice changer bit 0x20000 is clear, so its controls are greyed) and their
// properties fail to read and write. The output's feature word 0 carries
// kFeatureOutputEqualiser while the equaliser sink is available; without it the equaliser's
// properties fail too.
//
// With a card, one output endpoint (type 1) and one capture endpoint (type 2) are listed,
// both active; without one, no endpoint.
#include <memory>
#include <string>

#include "devices/audio/alsa_card_mixer.h"
#include "devices/audio/audio_config_library.h"
#include "devices/audio/equaliser_properties.h"

class AlsaAudioLibrary : public IAudioConfigLibrary {
public:
    static constexpr uint32_t kOutputId = 1;
    static constexpr uint32_t kMicrophoneId = 2;
    // Seven items, all absent.
    static constexpr char kNoFeatures[] = "0,0,0,0,0,0,0";
    // The output's list while the equaliser is there: item 0 = kFeatureOutputEqualiser.
    static constexpr char kEqualiserFeatures[] = "1,0,0,0,0,0,0";

    // `mixer` may be null (no card); `equaliser` may be null (no equaliser on this host);
    // `equaliserState`: the file that keeps the equaliser's values (empty: none).
    explicit AlsaAudioLibrary(std::unique_ptr<IAlsaCardMixer> mixer,
                              std::unique_ptr<IEqualiserSink> equaliser = nullptr,
                              std::string equaliserState = {});

    int ConfLibInit() override;
    int CreateDeviceList() override;
    int GetDeviceCount(AudioFlow flow, uint32_t* count) override;
    int GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) override;
    int PropertyControl(AudioEndpointId endpoint, const std::string& name, std::span<uint8_t> value,
                        std::span<uint8_t> second, PropertyDirection direction) override;

private:
    int ReadProperty(const std::string& name, std::string* text);
    int WriteProperty(const std::string& name, std::span<const uint8_t> value);
    int OutputProperty(const std::string& name, std::span<uint8_t> value, PropertyDirection direction);

    std::unique_ptr<IAlsaCardMixer> mixer_;
    CEqualiserProperties equaliser_;
};

// The library on the headset's sound card with these ids, with the sound server's
// equaliser for that card when the server runs; nullptr when the card is not there (the
// headset then has no audio library: its choices are only stored).
std::unique_ptr<IAudioConfigLibrary> OpenHostAudioLibrary(uint16_t vendorId, uint16_t productId);
