// The seam to the USB sound card through alsa-lib's simple mixer interface.
#include <alsa/asoundlib.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "devices/audio/alsa_card_mixer.h"

namespace {

// The element that carries the microphone's capture level and its sidetone playback level.
const char kMicElement[] = "Mic";
constexpr int kMaxCards = 32;

// The "vvvv:pppp" ids a USB sound card publishes.
std::string UsbIdText(uint16_t vendorId, uint16_t productId) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendorId, productId);
    return text;
}

int FindCard(uint16_t vendorId, uint16_t productId) {
    const std::string wanted = UsbIdText(vendorId, productId);
    for (int card = 0; card < kMaxCards; ++card) {
        std::ifstream ids("/proc/asound/card" + std::to_string(card) + "/usbid");
        std::string line;
        if (ids && std::getline(ids, line) && line == wanted) return card;
    }
    return -1;
}

class AlsaCardMixer : public IAlsaCardMixer {
public:
    AlsaCardMixer(snd_mixer_t* mixer, snd_mixer_elem_t* element) : mixer_(mixer), element_(element) {}
    ~AlsaCardMixer() override { snd_mixer_close(mixer_); }
    AlsaCardMixer(const AlsaCardMixer&) = delete;
    AlsaCardMixer& operator=(const AlsaCardMixer&) = delete;

    bool Range(MixerSide side, long* min, long* max) override {
        return (side == MixerSide::kCapture
                    ? snd_mixer_selem_get_capture_volume_range(element_, min, max)
                    : snd_mixer_selem_get_playback_volume_range(element_, min, max)) == 0;
    }
    bool Volume(MixerSide side, long* value) override {
        Refresh();
        const auto channel = SND_MIXER_SCHN_FRONT_LEFT;
        return (side == MixerSide::kCapture
                    ? snd_mixer_selem_get_capture_volume(element_, channel, value)
                    : snd_mixer_selem_get_playback_volume(element_, channel, value)) == 0;
    }
    bool SetVolume(MixerSide side, long value) override {
        return (side == MixerSide::kCapture ? snd_mixer_selem_set_capture_volume_all(element_, value)
                                            : snd_mixer_selem_set_playback_volume_all(element_, value)) == 0;
    }
    bool Decibels(MixerSide side, long value, double* decibels) override {
        long centibels = 0;  // alsa-lib's unit: 1/100 dB
        const int result = side == MixerSide::kCapture
                               ? snd_mixer_selem_ask_capture_vol_dB(element_, value, &centibels)
                               : snd_mixer_selem_ask_playback_vol_dB(element_, value, &centibels);
        if (result != 0) return false;
        *decibels = static_cast<double>(centibels) / 100.0;
        return true;
    }
    bool Switch(MixerSide side, bool* on) override {
        Refresh();
        int value = 0;
        const auto channel = SND_MIXER_SCHN_FRONT_LEFT;
        const int result = side == MixerSide::kCapture
                               ? snd_mixer_selem_get_capture_switch(element_, channel, &value)
                               : snd_mixer_selem_get_playback_switch(element_, channel, &value);
        if (result != 0) return false;
        *on = value != 0;
        return true;
    }
    bool SetSwitch(MixerSide side, bool on) override {
        return (side == MixerSide::kCapture
                    ? snd_mixer_selem_set_capture_switch_all(element_, on ? 1 : 0)
                    : snd_mixer_selem_set_playback_switch_all(element_, on ? 1 : 0)) == 0;
    }

private:
    // Takes changes made by other programs.
    void Refresh() { snd_mixer_handle_events(mixer_); }

    snd_mixer_t* mixer_;
    snd_mixer_elem_t* element_;
};

}  // namespace

std::unique_ptr<IAlsaCardMixer> OpenUsbCardMixer(uint16_t vendorId, uint16_t productId) {
    const int card = FindCard(vendorId, productId);
    if (card < 0) return nullptr;
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) != 0) return nullptr;
    const std::string name = "hw:" + std::to_string(card);
    if (snd_mixer_attach(mixer, name.c_str()) != 0 ||
        snd_mixer_selem_register(mixer, nullptr, nullptr) != 0 || snd_mixer_load(mixer) != 0) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, kMicElement);
    snd_mixer_elem_t* element = snd_mixer_find_selem(mixer, id);
    if (element == nullptr) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    return std::make_unique<AlsaCardMixer>(mixer, element);
}
