#include "devices/hs6533_device.h"

#include "hid/protocol/supported_devices.h"

CVornakelHS6533Device::CVornakelHS6533Device() : CLightingRecordDevice(DeviceKind::kHeadsetHs6533) {}

CVornakelHS6533Device::~CVornakelHS6533Device() {
    CloseInputChannel();
}

void CVornakelHS6533Device::SetHeadsetPage(IHeadsetPage* page) {
    headsetPage_ = page;
    SetPage(page);
}

void CVornakelHS6533Device::SetAudioLibrary(IAudioConfigLibrary* library,
                                            CAudioEndpointControl::MessageSink messages) {
    audio_ = CAudioEndpointControl(library, std::move(messages));
}

// ---- HID side ----

void CVornakelHS6533Device::OnDeviceTimer1() {
    LoadProfile();
    ReadAudioState();
    RefreshPage();
}

// ---- profile ----

namespace {

// The custom preset "Custom" stands for, whatever type is in use now: the one saved last,
// else the first; -1 when there is none. A built-in type saved must not make "Custom"
// choose nothing.
int CustomPresetToSelect(int saved, size_t count) {
    if (saved >= 0 && static_cast<size_t>(saved) < count) return saved;
    return count > 0 ? 0 : -1;
}

}  // namespace

int CVornakelHS6533Device::SaveProfile() {
    return SaveLoadedProfile(profile_);
}

int CVornakelHS6533Device::LoadProfile() {
    if (CLightingRecordDevice::LoadProfile() == 0) return 0;
    LoadProfileSettings();
    return 1;
}

void CVornakelHS6533Device::LoadProfileSettings() {
    audioState_.settings = profile_.GetHeadsetSettings();
    SetMuteFlagsFromSettings();
    const HeadsetSettings& s = audioState_.settings;
    customNames_ = profile_.GetCustomEqNames();
    // Bands moved and not saved as a preset play until a preset is chosen or saved; the
    // preset chosen before stays chosen (none when they were moved from a built-in one).
    const bool edited = s.eqType == kEqTypeCustom && s.customEqEdited != 0;
    selectedCustom_ =
        edited && s.customEqSelect < 0 ? -1 : CustomPresetToSelect(s.customEqSelect, customNames_.size());
    if (s.eqType != kEqTypeCustom)
        bands_ = profile_.GetEqValues(s.eqType);
    else
        bands_ = edited ? profile_.GetUnnamedCustomEqValues() : profile_.GetCustomEqValues(s.customEqSelect);
}

void CVornakelHS6533Device::LoadDefaults() {
    SetFilePaths();
    const HeadsetSettings before = audioState_.settings;
    const std::vector<std::string> names = profile_.GetCustomEqNames();
    std::vector<std::vector<int>> customBands;
    for (size_t i = 0; i < names.size(); ++i)
        customBands.push_back(profile_.GetCustomEqValues(static_cast<int>(i)));
    profile_.Load(DefaultDataFile());
    profile_.SetCustomEqNames(names);
    for (size_t i = 0; i < customBands.size(); ++i)
        profile_.SetCustomEqValues(static_cast<int>(i), customBands[i]);
    ApplyProfileLighting();
    LoadProfileSettings();
    KeepEndpointsApplyEq(before);
}

void CVornakelHS6533Device::LoadResetProfile() {
    // The reset file holds the custom presets already (the profile list keeps them).
    const HeadsetSettings before = audioState_.settings;
    LoadProfile();
    KeepEndpointsApplyEq(before);
}

void CVornakelHS6533Device::KeepEndpointsApplyEq(const HeadsetSettings& before) {
    HeadsetSettings& s = audioState_.settings;
    s.micInSelect = before.micInSelect;
    s.micInValue = before.micInValue;
    s.micMonitorSelect = before.micMonitorSelect;
    s.micMonitorValue = before.micMonitorValue;
    s.magicEnable = before.magicEnable;
    s.magicType = before.magicType;
    // Which of the user's presets "Custom" stands for is theirs as well.
    s.customEqSelect = before.customEqSelect;
    selectedCustom_ = CustomPresetToSelect(s.customEqSelect, customNames_.size());
    SetMuteFlagsFromSettings();
    profile_.SetHeadsetSettings(s);
    SaveProfile();
    // Written as if chosen on the page, so the headset plays the bands the page shows.
    SelectEqType(s.eqType);
    RefreshPage();
}

// ---- lists and page ----

void CVornakelHS6533Device::BindPageControls() {
    CLightingRecordDevice::BindPageControls();
    audio_.InitAudio(audioState_);
}

void CVornakelHS6533Device::RefreshPage() {
    IHeadsetPage* page = HeadsetPage();
    if (page == nullptr) return;
    LoadLists();
    page->ShowLightEffect(lightEffect_);
    const HeadsetSettings& s = audioState_.settings;
    page->ShowVoiceChanger(s.magicEnable, s.magicType);
    HeadsetVoiceView view;
    view.micInSelect = s.micInSelect;
    view.micInValue = s.micInValue;
    view.micMonitorSelect = s.micMonitorSelect;
    view.micMonitorValue = s.micMonitorValue;
    view.eqType = s.eqType;
    view.customNames = customNames_;
    view.customSelected = selectedCustom_;
    view.custom = s.eqType == kEqTypeCustom;
    view.bands = bands_;
    page->ShowVoice(view);
}
