// The headset's audio operations: what the voice and voice changer panels report, written
// to the audio endpoints and kept in the headset profile.
#include <algorithm>
#include <cctype>

#include "devices/headset_eq_presets.h"
#include "devices/hs6533_device.h"

namespace {

constexpr int kLevelMax = 100;
constexpr float kLevelScale = 100.0f;
constexpr int kVoiceChangerTypes = 4;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<int> TenBands(std::vector<int> bands) {
    bands.resize(kEqBands, 0);
    return bands;
}

}  // namespace

void CVornakelHS6533Device::Store() {
    profile_.SetHeadsetSettings(audioState_.settings);
    SaveProfile();
}

void CVornakelHS6533Device::ShowBands() {
    if (IHeadsetPage* page = HeadsetPage()) page->ShowBands(bands_);
}

void CVornakelHS6533Device::SetMuteFlagsFromSettings() {
    audioState_.micMute = audioState_.settings.micInSelect != 0 ? 0 : 1;
    audioState_.monitorMute = audioState_.settings.micMonitorSelect != 0 ? 0 : 1;
}

void CVornakelHS6533Device::ReadAudioState() {
    audio_.ReadAudioState(audioState_);
}

int CVornakelHS6533Device::SetLevel(const char* scalar, int scalarChannel, const char* level,
                                    int levelChannel, int value) {
    const int result =
        audio_.SetAudioProperty(AudioRole::kMicrophone, scalar, value / kLevelScale, scalarChannel);
    if (result != audio::kOk) return result;
    std::string driverLevel;
    audio_.ReadAudioProperty(AudioRole::kMicrophone, level, levelChannel, &driverLevel);
    return result;
}

void CVornakelHS6533Device::SetMicLevel(int level) {
    level = std::clamp(level, 0, kLevelMax);
    if (SetLevel(prop::kVolumeScalar, channel::kMicrophone, prop::kVolume, channel::kMicrophone, level) !=
        audio::kOk)
        return;
    audioState_.settings.micInValue = level;
    Store();
}

void CVornakelHS6533Device::SetMonitorLevel(int level) {
    level = std::clamp(level, 0, kLevelMax);
    if (SetLevel(prop::kMonitorScalar, channel::kMonitor, prop::kMonitorVolume, channel::kMonitorAfterChange,
                 level) != audio::kOk)
        return;
    audioState_.settings.micMonitorValue = level;
    Store();
}

// Flips the flag and shows it; a refused write flips it back, so what is shown stays what
// the headset does.
int CVornakelHS6533Device::ToggleMute(const char* property, int& flag) {
    flag = flag != 0 ? 0 : 1;
    const int result = audio_.SetAudioProperty(AudioRole::kMicrophone, property, int32_t{flag});
    if (result != audio::kOk) flag = flag != 0 ? 0 : 1;
    return result;
}

void CVornakelHS6533Device::ToggleMicMute() {
    const int result = ToggleMute(prop::kMute, audioState_.micMute);
    if (IHeadsetPage* page = HeadsetPage()) page->ShowMicMute(audioState_.micMute);
    if (result != audio::kOk) return;
    audioState_.settings.micInSelect = 1 - audioState_.micMute;
    Store();
}

void CVornakelHS6533Device::ToggleMonitorMute() {
    const int result = ToggleMute(prop::kMonitorMute, audioState_.monitorMute);
    if (IHeadsetPage* page = HeadsetPage()) page->ShowMonitorMute(audioState_.monitorMute);
    if (result != audio::kOk) return;
    audioState_.settings.micMonitorSelect = 1 - audioState_.monitorMute;
    Store();
}

int CVornakelHS6533Device::WriteBandsToHeadset() {
    for (int band = 0; band < kEqBands; ++band) {
        const int result = audio_.SetAudioProperty(AudioRole::kOutput, EqSliderName(band + 1),
                                                   int32_t{bands_[static_cast<size_t>(band)]});
        if (result != audio::kOk) return result;
    }
    return audio::kOk;
}

void CVornakelHS6533Device::SelectEqType(int type) {
    if (type == kEqTypeCustom) {
        audioState_.settings.eqType = kEqTypeCustom;
        // "Custom" applies a preset: the one chosen last, else the first there is.
        if (selectedCustom_ < 0 && !customNames_.empty()) selectedCustom_ = 0;
        if (IHeadsetPage* page = HeadsetPage()) page->ShowCustomEq(true, customNames_, selectedCustom_);
        SelectCustomEq(selectedCustom_);
        return;
    }
    const std::optional<std::vector<int>> preset = BuiltInEqBands(type);
    if (!preset) return;
    if (audio_.SetAudioProperty(AudioRole::kOutput, prop::kEqEnable, int32_t{1}) != audio::kOk) return;
    bands_ = *preset;
    ShowBands();
    if (WriteBandsToHeadset() != audio::kOk) return;
    audioState_.settings.eqType = type;
    audioState_.settings.customEqEdited = 0;
    if (IHeadsetPage* page = HeadsetPage()) page->ShowCustomEq(false, customNames_, selectedCustom_);
    profile_.SetEqValues(type, bands_);
    Store();
}

void CVornakelHS6533Device::SetEqBand(int band, int value) {
    if (band < 0 || band >= kEqBands) return;
    if (audioState_.settings.eqType != kEqTypeCustom) {
        audioState_.settings.eqType = kEqTypeCustom;
        selectedCustom_ = -1;
        if (IHeadsetPage* page = HeadsetPage()) page->ShowCustomEq(true, customNames_, selectedCustom_);
    }
    bands_ = TenBands(bands_);
    bands_[static_cast<size_t>(band)] = value;
    audio_.SetAudioProperty(AudioRole::kOutput, EqSliderName(band + 1), int32_t{value});
    // The profile keeps what plays, so a restart shows and plays the same curve. The moved
    // bands are no preset until the user saves them: the chosen preset stays as it was.
    audioState_.settings.customEqSelect = selectedCustom_;
    audioState_.settings.customEqEdited = 1;
    profile_.SetUnnamedCustomEqValues(bands_);
    Store();
}

void CVornakelHS6533Device::SelectCustomEq(int index) {
    if (index < 0 || index >= static_cast<int>(customNames_.size())) return;
    bands_ = TenBands(profile_.GetCustomEqValues(index));
    selectedCustom_ = index;
    if (audio_.SetAudioProperty(AudioRole::kOutput, prop::kEqEnable, int32_t{1}) != audio::kOk) return;
    ShowBands();
    if (WriteBandsToHeadset() != audio::kOk) return;
    audioState_.settings.customEqSelect = index;
    audioState_.settings.customEqEdited = 0;
    Store();
}

int CVornakelHS6533Device::SaveCustomEq(const std::string& name, const std::vector<int>& sliders) {
    if (name.empty()) {
        if (selectedCustom_ < 0) return customeq::kRefused;
        bands_ = TenBands(sliders);
        audioState_.settings.customEqSelect = selectedCustom_;
        audioState_.settings.customEqEdited = 0;
        profile_.SetHeadsetSettings(audioState_.settings);
        profile_.SetCustomEqValues(selectedCustom_, bands_);
        SaveProfile();
        return customeq::kSaved;
    }
    if (static_cast<int>(customNames_.size()) >= kMaxCustomEqPresets) return customeq::kRefused;
    for (const std::string& existing : customNames_)
        if (SameNameIgnoringCase(existing, name)) return customeq::kDuplicateName;
    customNames_.push_back(name);
    bands_ = TenBands(sliders);
    selectedCustom_ = static_cast<int>(customNames_.size()) - 1;
    audioState_.settings.customEqSelect = selectedCustom_;
    audioState_.settings.customEqEdited = 0;
    if (IHeadsetPage* page = HeadsetPage()) page->ShowCustomEq(true, customNames_, selectedCustom_);
    profile_.SetHeadsetSettings(audioState_.settings);
    profile_.SetCustomEqValues(selectedCustom_, bands_);
    profile_.SetCustomEqNames(customNames_);
    SaveProfile();
    return customeq::kSaved;
}

void CVornakelHS6533Device::DeleteCustomEq() {
    const int removed = selectedCustom_;
    if (removed < 0 || removed >= static_cast<int>(customNames_.size())) return;
    customNames_.erase(customNames_.begin() + removed);
    const int count = static_cast<int>(customNames_.size());
    for (int k = removed; k < count; ++k) profile_.SetCustomEqValues(k, profile_.GetCustomEqValues(k + 1));
    IHeadsetPage* page = HeadsetPage();
    audioState_.settings.customEqEdited = 0;
    if (customNames_.empty()) {
        selectedCustom_ = -1;
        profile_.SetCustomEqNames(customNames_);
        audioState_.settings.eqType = kEqTypeFirstBuiltIn;
        audioState_.settings.customEqSelect = 0;
        profile_.SetHeadsetSettings(audioState_.settings);
        bands_ = TenBands(profile_.GetEqValues(kEqTypeFirstBuiltIn));
        if (page != nullptr) {
            page->ShowEqType(kEqTypeFirstBuiltIn);
            page->ShowBands(bands_);
            page->ShowCustomEq(false, customNames_, selectedCustom_);
        }
    } else {
        selectedCustom_ = 0;
        audioState_.settings.customEqSelect = 0;
        profile_.SetHeadsetSettings(audioState_.settings);
        bands_ = TenBands(profile_.GetCustomEqValues(0));
        profile_.SetCustomEqNames(customNames_);
        if (page != nullptr) {
            page->ShowCustomEq(true, customNames_, selectedCustom_);
            page->ShowBands(bands_);
        }
    }
    SaveProfile();
}

void CVornakelHS6533Device::ToggleVoiceChanger(int enabled) {
    enabled = enabled != 0 ? 1 : 0;
    if (IHeadsetPage* page = HeadsetPage()) page->ShowVoiceChanger(enabled, audioState_.settings.magicType);
    if (audio_.SetAudioProperty(AudioRole::kMicrophone, prop::kMagicVoice, int32_t{enabled}) != audio::kOk)
        return;
    if (enabled != 0 &&
        audio_.SetAudioProperty(AudioRole::kMicrophone, prop::kMicEcho, int32_t{0}) != audio::kOk)
        return;
    audioState_.settings.magicEnable = enabled;
    Store();
}

void CVornakelHS6533Device::SelectVoiceChanger(int type) {
    if (type < 1 || type > kVoiceChangerTypes) return;
    if (audio_.SetAudioProperty(AudioRole::kMicrophone, prop::kMagicSelection, int32_t{type - 1}) !=
        audio::kOk)
        return;
    audioState_.settings.magicType = type;
    if (IHeadsetPage* page = HeadsetPage()) page->ShowVoiceChanger(audioState_.settings.magicEnable, type);
    Store();
}
