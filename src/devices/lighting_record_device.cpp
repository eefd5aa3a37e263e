#include "devices/lighting_record_device.h"

#include <span>

#include "hid/protocol/supported_devices.h"
#include "profiles/basic_profile_data.h"
#include "profiles/hs6533_profile_data.h"

namespace {

// The pad and the headset list the macros of this file beside their light presets.
const char kMacroListFile[] = "tolva_macro.config";

pad::PadLightChoice ChoiceOf(const LightInfoRecord& r) {
    return {r.selectItem, r.light, r.speed, r.fx, r.multiColor, r.red, r.green, r.blue};
}

}  // namespace

template <class Profile>
CLightingRecordDevice<Profile>::CLightingRecordDevice(int deviceKind) {
    SetDeviceKindValue(deviceKind);
}

template <class Profile>
void CLightingRecordDevice<Profile>::OnDeviceTimer2() {
    ReadLightingRecord();
}

template <class Profile>
void CLightingRecordDevice<Profile>::OnDeviceTimer5() {
    QueryPowerStatus();
}

template <class Profile>
int CLightingRecordDevice<Profile>::ReadLightingRecord() {
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

template <class Profile>
int CLightingRecordDevice<Profile>::WriteSettings(const SettingsWrite& request) {
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

template <class Profile>
void CLightingRecordDevice<Profile>::SetFilePaths() {
    PointProfileAtFiles(profile_);
}

template <class Profile>
std::string CLightingRecordDevice<Profile>::GetProfileFile() const {
    return profile_.GetProfilePath();
}

template <class Profile>
int CLightingRecordDevice<Profile>::LoadProfile() {
    if (!LoadNamedProfile(profile_)) return 0;
    ApplyProfileLighting();
    return 1;
}

template <class Profile>
int CLightingRecordDevice<Profile>::ApplyProfileLighting() {
    lightEffect_ = profile_.GetLightInfo();
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
    return 1;
}

template <class Profile>
void CLightingRecordDevice<Profile>::SetUserValue(int value) {
    CVornakelUSBDevice::SetUserValue(value);
    profile_.SetDeviceIndex(0);
}

template <class Profile>
void CLightingRecordDevice<Profile>::SetLightEffect(const LightInfoRecord& effect) {
    CVornakelUSBDevice::SetLightEffect(effect);
    profile_.SetLightInfo(lightEffect_);
    pad::ApplyPadLightChoice(ChoiceOf(lightEffect_), record_);
}

// ---- lists and page ----

template <class Profile>
void CLightingRecordDevice<Profile>::LoadLists() {
    lists_ = LoadPageLists(kMacroListFile, LightConfigFile());
}

template <class Profile>
void CLightingRecordDevice<Profile>::BindPageControls() {
    CVornakelUSBDevice::BindPageControls();
    if (Page() != nullptr) LoadLists();
}

// The two devices built on it.
template class CLightingRecordDevice<CBasicProfiledata>;
template class CLightingRecordDevice<CHs6533Profiledata>;
