#pragma once
// The narrow seam between the sound-card backend and the card: the microphone element of
// one USB sound card, found by its vendor and product ids. Its capture side is the
// microphone, its playback side the monitor (sidetone). The real one talks to alsa-lib;
// tests put a fake in its place.
#include <cstdint>
#include <memory>

enum class MixerSide { kCapture, kPlayback };

class IAlsaCardMixer {
public:
    virtual ~IAlsaCardMixer() = default;

    // Volume range and value in the card's raw steps.
    virtual bool Range(MixerSide side, long* min, long* max) = 0;
    virtual bool Volume(MixerSide side, long* value) = 0;
    virtual bool SetVolume(MixerSide side, long value) = 0;
    // The raw value in decibels.
    virtual bool Decibels(MixerSide side, long value, double* decibels) = 0;
    // The switch: true = sound on (not muted).
    virtual bool Switch(MixerSide side, bool* on) = 0;
    virtual bool SetSwitch(MixerSide side, bool on) = 0;
};

// The microphone element of the USB sound card with these ids; nullptr when no such card
// or element is there.
std::unique_ptr<IAlsaCardMixer> OpenUsbCardMixer(uint16_t vendorId, uint16_t productId);
