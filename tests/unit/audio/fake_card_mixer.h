#pragma once
// A sound card's microphone element in memory: one step is 1 dB from the bottom of the
// range; a side that "fails" answers every call with a failure.
#include "devices/audio/alsa_card_mixer.h"

struct FakeSide {
    long min = 0, max = 0, value = 0;
    double decibelsAtMin = 0;  // one step is 1 dB
    bool on = true;
    bool fails = false;
};

class FakeMixer : public IAlsaCardMixer {
public:
    FakeSide capture{0, 31, 20, -20.0, false};
    FakeSide playback{0, 15, 6, -15.0, true};

    FakeSide& Of(MixerSide side) { return side == MixerSide::kCapture ? capture : playback; }
    bool Range(MixerSide side, long* min, long* max) override {
        *min = Of(side).min;
        *max = Of(side).max;
        return !Of(side).fails;
    }
    bool Volume(MixerSide side, long* value) override {
        *value = Of(side).value;
        return !Of(side).fails;
    }
    bool SetVolume(MixerSide side, long value) override {
        Of(side).value = value;
        return !Of(side).fails;
    }
    bool Decibels(MixerSide side, long value, double* decibels) override {
        *decibels = Of(side).decibelsAtMin + static_cast<double>(value - Of(side).min);
        return !Of(side).fails;
    }
    bool Switch(MixerSide side, bool* on) override {
        *on = Of(side).on;
        return !Of(side).fails;
    }
    bool SetSwitch(MixerSide side, bool on) override {
        Of(side).on = on;
        return !Of(side).fails;
    }
};
