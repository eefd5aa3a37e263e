#include "devices/hs6533_device.h"

#include <span>

#include "hid/protocol/supported_devices.h"

namespace {

const char kMacroListFile[] = "tolva_macro.config";
const char kDefaultLightFile[] = "default_light.json";

pad::PadLightChoice ChoiceOf(const LightInfoRecord& r) {
    return {r.selectItem, r.light, r.speed, r.multiColor, r.red, r.green, r.blue};
}

}  // namespace

CVornakelHS6533Device::CVornakelHS6533Device() {
    SetDeviceKindValue(DeviceKind::kHeadsetHs6533);
}

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

void CVornakelHS6533Device::OnDeviceTimer2() {
    ReadLightingRecord();
}

void CVornakelHS6533Device::OnDeviceTimer5() {
    QueryPowerStatus();
}

int CVornakelHS6533Device::ReadLightingRecord() {
    CDeviceProtocol& channel = commandChannel_;
    previousRecord_ = record_;
    if (!channel.opened) return kResultNoAnswer;
    uint8_t slot = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&slot, 1), 0);
    if (result != kResultOk) return result;
    std::array<uint8_t, pad::lighting::kBlockStride> block{};
    result = channel.ReadMemory(block, static_cast<uint16_t>(slot * pad::lighting::kBlockStride));
    if (result != kResultOk) return result;
    pad::DecodePadLighting(block, slot, &record_);
    SendOwnerMessage(kMsgHeadsetLightingRead, slot, 0);
    return kResultOk;
}

int CVornakelHS6533Device::WriteSettings(const SettingsWrite& request) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    if (request.record < 0) return kResultBadArgument;
    const LightingRecord bytes = pad::EncodePadLightingWrite(record_);
    const uint32_t offset = static_cast<uint32_t>(request.record) * pad::lighting::kWriteStride;
    if (!TransferFits(bytes.size(), offset)) return kResultBadArgument;
    int result = channel.BeginConfig();
    if (result != kResultOk) return result;
    result = channel.WriteMemory(bytes, static_cast<uint16_t>(offset));
    const int ended = channel.EndConfig();
    return result != kResultOk ? result : ended;
}

// ---- profile ----

void CVornakelHS6533Device::SetFilePaths() {
    const std::string folder = DataFolder();
    profile_.SetDefaultDataPath(DefaultDataFile());
    if (!ProfileName().empty()) profile_.SetProfilePath(folder + ProfileName() + ".Json");
    profile_.SetLightConfigPath(folder + ConfigName() + ".config");
}

std::string CVornakelHS6533Device::GetProfileFile() const {
    return profile_.GetProfilePath();
}

int CVornakelHS6533Device::SaveProfile() {
    if (profile_.GetProfilePath().empty() || profile_.Tree().isNull()) return 0;
    return profile_.Save();
}

int CVornakelHS6533Device::LoadProfile() {
    SetFilePaths();
    if (ProfileName().empty()) return 0;
    profile_.Load(profile_.GetProfilePath());
    ApplyProfileLighting();
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

int CVornakelHS6533Device::ApplyProfileLighting() {
    lightEffect_ = profile_.GetLightInfo();
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
    return 1;
}

void CVornakelHS6533Device::SetUserValue(int value) {
    CVornakelUSBDevice::SetUserValue(value);
    profile_.SetDeviceIndex(0);
}

void CVornakelHS6533Device::SetLightEffect(const LightInfoRecord& effect) {
    CVornakelUSBDevice::SetLightEffect(effect);
    profile_.SetLightInfo(lightEffect_);
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
}

// ---- lists and page ----

void CVornakelHS6533Device::LoadLists() {
    const std::string folder = DataFolder();
    lists_ = LoadDeviceLists(folder + kMacroListFile, DefaultDataFolder() + kDefaultLightFile,
                             folder + ConfigName() + ".config", GetUserValue());
    if (IDevicePage* page = Page()) {
        page->ShowMacroNames(lists_.macroNames);
        page->ShowLightModes(lists_.lightModes, lists_.presetNames);
    }
}

void CVornakelHS6533Device::BindPageControls() {
    CVornakelUSBDevice::BindPageControls();
    if (Page() != nullptr) LoadLists();
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
