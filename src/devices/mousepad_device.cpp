#include "devices/mousepad_device.h"

#include <span>

#include "hid/protocol/supported_devices.h"

namespace {

// The pad and the headset list the macros of this file beside their light presets.
const char kMacroListFile[] = "tolva_macro.config";
const char kDefaultLightFile[] = "default_light.json";

pad::PadLightChoice ChoiceOf(const LightInfoRecord& r) {
    return {r.selectItem, r.light, r.speed, r.multiColor, r.red, r.green, r.blue};
}

}  // namespace

CVornakelMousePadDevice::CVornakelMousePadDevice() {
    SetDeviceKindValue(DeviceKind::kMousePad);
}

void CVornakelMousePadDevice::SetMousePadPage(IMousePadPage* page) {
    padPage_ = page;
    SetPage(page);
}

void CVornakelMousePadDevice::OnDeviceTimer1() {
    CDeviceProtocol& channel = commandChannel_;
    if (channel.opened && channel.BeginConfig() == kResultOk) {
        DeviceInfoBlock info{};
        if (channel.ReadDeviceInfo(info) == kResultOk) deviceInfo_ = info;
        channel.EndConfig();
    }
    LoadProfile();
    RefreshPage();
}

void CVornakelMousePadDevice::OnDeviceTimer2() {
    ReadLightingRecord();
}

void CVornakelMousePadDevice::OnDeviceTimer5() {
    QueryPowerStatus();
}

int CVornakelMousePadDevice::ReadLightingRecord() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    uint8_t slot = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&slot, 1), 0);
    if (result != kResultOk) return result;
    std::array<uint8_t, pad::lighting::kBlockStride> block{};
    result = channel.ReadMemory(block, static_cast<uint16_t>(slot * pad::lighting::kBlockStride));
    if (result != kResultOk) return result;
    pad::DecodePadLighting(block, slot, &record_);
    SendOwnerMessage(kMsgLightingRead, slot, 0);
    return kResultOk;
}

int CVornakelMousePadDevice::WriteSettings(const SettingsWrite& request) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    if (request.record < 0) return kResultBadArgument;
    const pad::PadLightingRecord bytes = pad::EncodePadLightingWrite(record_);
    const uint32_t offset = static_cast<uint32_t>(request.record) * pad::lighting::kWriteStride;
    if (!TransferFits(bytes.size(), offset)) return kResultBadArgument;
    int result = channel.BeginConfig();
    if (result != kResultOk) return result;
    result = channel.WriteMemory(bytes, static_cast<uint16_t>(offset));
    const int ended = channel.EndConfig();
    return result != kResultOk ? result : ended;
}

// ---- profile ----

void CVornakelMousePadDevice::SetFilePaths() {
    const std::string folder = DataFolder();
    profile_.SetDefaultDataPath(DefaultDataFile());
    if (!ProfileName().empty()) profile_.SetProfilePath(folder + ProfileName() + ".Json");
    profile_.SetLightConfigPath(folder + ConfigName() + ".config");
}

std::string CVornakelMousePadDevice::GetProfileFile() const {
    return profile_.GetProfilePath();
}

int CVornakelMousePadDevice::SaveProfile() {
    if (profile_.GetProfilePath().empty() || profile_.Tree().isNull()) return kResultOk;
    return profile_.Save() == 0 ? kResultOk : kResultProfileNotSaved;
}

int CVornakelMousePadDevice::LoadProfile() {
    SetFilePaths();
    if (ProfileName().empty()) return 0;
    profile_.Load(profile_.GetProfilePath());
    ApplyProfileLighting();
    return 1;
}

void CVornakelMousePadDevice::LoadDefaults() {
    SetFilePaths();
    profile_.Load(DefaultDataFile());
    ApplyProfileLighting();
    SaveProfile();
    RefreshPage();
}

int CVornakelMousePadDevice::ApplyProfileLighting() {
    lightEffect_ = profile_.GetLightInfo();
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
    return 1;
}

void CVornakelMousePadDevice::SetUserValue(int value) {
    CVornakelUSBDevice::SetUserValue(value);
    profile_.SetDeviceIndex(0);
}

void CVornakelMousePadDevice::SetLightEffect(const LightInfoRecord& effect) {
    CVornakelUSBDevice::SetLightEffect(effect);
    profile_.SetLightInfo(lightEffect_);
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
}

// ---- lists and page ----

void CVornakelMousePadDevice::LoadLists() {
    const std::string folder = DataFolder();
    lists_ = LoadDeviceLists(folder + kMacroListFile, DefaultDataFolder() + kDefaultLightFile,
                             folder + ConfigName() + ".config", GetUserValue());
    if (IDevicePage* page = Page()) {
        page->ShowMacroNames(lists_.macroNames);
        page->ShowLightModes(lists_.lightModes, lists_.presetNames);
    }
}

void CVornakelMousePadDevice::BindPageControls() {
    CVornakelUSBDevice::BindPageControls();
    if (Page() != nullptr) LoadLists();
}

void CVornakelMousePadDevice::RefreshPage() {
    if (Page() == nullptr) return;
    LoadLists();
    Page()->ShowLightEffect(lightEffect_);
}
