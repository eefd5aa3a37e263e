#pragma once
// CVornakelHS6533Device: the device object of the headset (device kind 7). Its HID side is
// a lighting record and a power status record over the command channel; its audio side
// (microphone and monitor level and mute, the equaliser with twelve built-in and up to
// twenty custom presets, the voice changer) goes through the audio configuration library
// (audio/audio_endpoint_control.h) and is kept in the headset profile.
//
// The audio operations take what the voice panels report as arguments and show their
// effect on the page. A property write that fails leaves settings and profile unchanged.
#include <memory>
#include <string>
#include <vector>

#include "devices/audio/audio_endpoint_control.h"
#include "devices/headset_eq_presets.h"
#include "devices/headset_page.h"
#include "devices/lighting_record_device.h"
#include "profiles/hs6533_profile_data.h"

// Message to the owner after the lighting record was read again (wParam = slot, lParam 0).
constexpr unsigned kMsgHeadsetLightingRead = kMsgLightingRead;

// SaveCustomEq results.
namespace customeq {
inline constexpr int kSaved = 1;
inline constexpr int kDuplicateName = 0;
inline constexpr int kRefused = -1;
}  // namespace customeq

class CVornakelHS6533Device : public CLightingRecordDevice<CHs6533Profiledata> {
public:
    // The headset keeps the pad's 21-byte lighting record layout.
    using LightingRecord = pad::PadLightingRecord;

    CVornakelHS6533Device();
    ~CVornakelHS6533Device() override;

    void SetHeadsetPage(IHeadsetPage* page);
    IHeadsetPage* HeadsetPage() const { return Page() != nullptr ? headsetPage_ : nullptr; }
    // The audio configuration library (not owned; nullptr: not available) and where its
    // messages go; taken by the next BindPageControls.
    void SetAudioLibrary(IAudioConfigLibrary* library, CAudioEndpointControl::MessageSink messages = {});
    const CAudioEndpointControl& Audio() const { return audio_; }

    const LightingRecord& Lighting() const { return record_; }
    CHs6533Profiledata& Profile() { return profile_; }
    const HeadsetAudioState& AudioState() const { return audioState_; }
    const std::vector<int>& Bands() const { return bands_; }
    const std::vector<std::string>& CustomNames() const { return customNames_; }
    int SelectedCustomEq() const { return selectedCustom_; }

    // ---- audio operations ----
    void ReadAudioState();
    void SetMicLevel(int level);
    void ToggleMicMute();
    void SetMonitorLevel(int level);
    void ToggleMonitorMute();
    void SelectEqType(int type);
    // band 0..9; the slider's value.
    void SetEqBand(int band, int value);
    // index: the selected custom preset (-1: none).
    void SelectCustomEq(int index);
    // name: the custom name edit's text; sliders: the ten band slider values.
    int SaveCustomEq(const std::string& name, const std::vector<int>& sliders);
    void DeleteCustomEq();
    void ToggleVoiceChanger(int enabled);
    void SelectVoiceChanger(int type);

    // ---- overrides (the lighting record's in lighting_record_device.h) ----
    // The lighting record's binding, then the audio library.
    void BindPageControls() override;
    void OnDeviceTimer1() override;  // LoadProfile, ReadAudioState, RefreshPage
    // The lighting record's profile loading, then the audio settings and presets it holds.
    int LoadProfile() override;
    // Restore defaults and a profile reset follow one rule: the default data replace the
    // profile and its equaliser type is written to the headset; the user's named custom
    // presets and the one chosen among them stay, and so do the levels, mutes and voice
    // changer the audio endpoints hold (what the system is set to, read back from it).
    void LoadDefaults() override;
    void LoadResetProfile() override;
    void RefreshPage() override;
    int SaveProfile() override;

private:
    // After the default data were loaded: the endpoint settings of `before` kept, the
    // equaliser applied, the profile saved.
    void KeepEndpointsApplyEq(const HeadsetSettings& before);
    // The audio settings, bands and custom presets of the loaded profile.
    void LoadProfileSettings();
    void Store();
    void ShowBands();
    void SetMuteFlagsFromSettings();
    int WriteBandsToHeadset();
    int SetLevel(const char* scalar, int scalarChannel, const char* level, int levelChannel, int value);
    int ToggleMute(const char* property, int& flag);

    IHeadsetPage* headsetPage_ = nullptr;
    CAudioEndpointControl audio_;
    HeadsetAudioState audioState_;
    std::vector<int> bands_;
    std::vector<std::string> customNames_;
    int selectedCustom_ = -1;
};
