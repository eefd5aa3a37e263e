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

int CVornakelHS6533Device::SaveProfile() {
    return SaveLoadedProfile(profile_);
}

int CVornakelHS6533Device::LoadProfile() {
    if (CLightingRecordDevice::LoadProfile() == 0) return 0;
    audioState_.settings = profile_.GetHeadsetSettings();
    SetMuteFlagsFromSettings();
    const HeadsetSettings& s = audioState_.settings;
    bands_ = s.eqType == kEqTypeCustom ? profile_.GetCustomEqValues(s.customEqSelect)
                                       : profile_.GetEqValues(s.eqType);
    customNames_ = profile_.GetCustomEqNames();
    selectedCustom_ = s.eqType == kEqTypeCustom && s.customEqSelect >= 0 &&
                              s.customEqSelect < static_cast<int>(customNames_.size())
                          ? s.customEqSelect
                          : -1;
    return 1;
}

void CVornakelHS6533Device::LoadDefaults() {
    SetFilePaths();
    // A reset brings back the factory lighting and tables; the user's own presets and what
    // the headset is set to now are kept.
    const std::vector<std::string> names = profile_.GetCustomEqNames();
    std::vector<std::vector<int>> customBands;
    for (size_t i = 0; i < names.size(); ++i)
        customBands.push_back(profile_.GetCustomEqValues(static_cast<int>(i)));
    profile_.Load(DefaultDataFile());
    profile_.SetCustomEqNames(names);
    for (size_t i = 0; i < customBands.size(); ++i)
        profile_.SetCustomEqValues(static_cast<int>(i), customBands[i]);
    profile_.SetHeadsetSettings(audioState_.settings);
    ApplyProfileLighting();
    SaveProfile();
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
