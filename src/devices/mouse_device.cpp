// The mouse's model: profile loading, the model's setters and what the page shows.
// The device reads and writes are in mouse_device_io.cpp.
#include "devices/mouse_device.h"

#include "devices/assignment_labels.h"
#include "devices/mouse/mouse_images.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"

namespace {

const char kMacroListFile[] = "macro.config";

MouseSystemValues ValuesOf(const MouseSystemSettings& s) {
    return {s.DoubleClickTime(), s.MouseSpeed(), s.PointerPrecision(), s.ScrollPage(), s.WheelScrollLines(),
            s.ReportRate(),      s.AstItem(),    s.MshItem(),          s.LogoItem()};
}

MouseSystemSettings SettingsOf(const MouseSystemValues& v) {
    using namespace MouseValue;
    MouseSystemSettings s;
    s.words[0] = PackHalves(v[kDoubleClickTime], v[kMouseSpeed]);
    s.words[1] = PackHalves(v[kPointerPrecision], v[kScrollByPage]);
    s.words[2] = PackHalves(v[kWheelScrollLines], v[kPollingRate]);
    s.words[3] = PackHalves(v[kAstItem], v[kMshItem]);
    s.words[4] = PackHalves(v[kLogoItem], 0);
    return s;
}

int ItemIndex(uint16_t stored) {
    return stored == kNoItem ? -1 : stored;
}

}  // namespace

CVornakelMouseDevice::CVornakelMouseDevice() {
    SetDeviceKindValue(DeviceKind::kMouse);
    buttonSlots_.fill(mouse::kNoSlot);
}

void CVornakelMouseDevice::SetMousePage(IMousePage* page) {
    mousePage_ = page;
    SetPage(page);
}

bool CVornakelMouseDevice::IsWireless() const {
    return DeviceKind() == DeviceKind::kMouseVariant;
}

mouse::MouseSensorInfo CVornakelMouseDevice::SensorInfo() const {
    const DeviceInfo info = DecodeDeviceInfo(deviceInfo_);
    return {info.sensor, info.dpiStep, info.largestSliderPosition, info.smallestDpi};
}

// ---- profile ----

void CVornakelMouseDevice::SetFilePaths() {
    PointProfileAtFiles(profile_);
}

std::string CVornakelMouseDevice::GetProfileFile() const {
    return profile_.GetProfilePath();
}

int CVornakelMouseDevice::SaveProfile() {
    return SaveLoadedProfile(profile_);
}

int CVornakelMouseDevice::LoadProfile() {
    if (!LoadNamedProfile(profile_)) return 0;
    TakeProfileValues();
    return 1;
}

void CVornakelMouseDevice::LoadDefaults() {
    SetFilePaths();
    profile_.Load(DefaultDataFile());
    TakeProfileValues();
    SaveProfile();
    RefreshPage();
}

void CVornakelMouseDevice::TakeProfileValues() {
    assignments_ = profile_.GetKeyList();
    ApplyProfileLighting();
    dpiStages_ = profile_.GetDpiStages();
    systemValues_ = ValuesOf(profile_.GetMouseSystem());
}

int CVornakelMouseDevice::ApplyProfileLighting() {
    lightEffect_ = profile_.GetLightInfo();
    return 1;
}

void CVornakelMouseDevice::SetUserValue(int value) {
    CVornakelUSBDevice::SetUserValue(value);
    profile_.SetDeviceIndex(0);
}

void CVornakelMouseDevice::SetLightEffect(const LightInfoRecord& effect) {
    CVornakelUSBDevice::SetLightEffect(effect);
    profile_.SetLightInfo(lightEffect_);
}

void CVornakelMouseDevice::SetAssignment(int button, const KeyAssignHalf& current) {
    if (button < 0) return;
    const auto index = static_cast<size_t>(button);
    if (assignments_.size() <= index) {
        const size_t first = assignments_.size();
        assignments_.resize(index + 1);
        for (size_t i = first; i <= index; ++i)
            assignments_[i].current.keyIndex = assignments_[i].defaults.keyIndex = static_cast<uint16_t>(i);
    }
    assignments_[index].current = current;
    assignments_[index].current.keyIndex = static_cast<uint16_t>(index);
    profile_.SetKeyList(assignments_);
}

int CVornakelMouseDevice::ApplyKeyAssignment(int key, const KeyAssignHalf& current) {
    return ApplyAndShowKeyAssignment(*this, MousePage(), key, current);
}

std::size_t CVornakelMouseDevice::MacroCapacityBytes() const {
    return mouse::MacroCapacityBytes(deviceInfo_[DeviceInfoByte::kMacroUnits]);
}

void CVornakelMouseDevice::SetSystemValues(const MouseSystemValues& values) {
    systemValues_ = values;
    profile_.SetMouseSystem(SettingsOf(values));
}

// ---- lists and page ----

void CVornakelMouseDevice::LoadLists() {
    lists_ =
        LoadPageLists(kMacroListFile, profile_.GetLightConfigPath().empty() ? LightConfigFile()
                                                                            : profile_.GetLightConfigPath());
}

void CVornakelMouseDevice::BindPageControls() {
    CVornakelUSBDevice::BindPageControls();
    if (Page() != nullptr) LoadLists();
}

void CVornakelMouseDevice::ValidateMacroKeys() {
    LoadLists();
    bool changed = false;
    for (KeyAssignEntry& entry : assignments_) {
        const uint8_t type = entry.current.type;
        const bool macro = type == AssignmentType::kMacro || type == AssignmentType::kMacroRepeated;
        if (macro && entry.current.param1 >= lists_.macroCount) {
            entry.current = entry.defaults;
            changed = true;
        }
    }
    if (!changed) return;
    profile_.SetKeyList(assignments_);
    if (IMousePage* page = MousePage()) page->ShowKeyAssignments(assignments_);
}

void CVornakelMouseDevice::SetFunctionMode(int type) {
    CVornakelUSBDevice::SetFunctionMode(type);
    if (IMousePage* page = MousePage()) page->HideHint();
}

void CVornakelMouseDevice::SelectKey(int index) {
    CVornakelUSBDevice::SelectKey(index);
    if (IMousePage* page = MousePage()) {
        const bool known = index >= 0 && static_cast<size_t>(index) < assignments_.size();
        page->ShowKeySetting(index, known ? &assignments_[static_cast<size_t>(index)] : nullptr);
    }
}

void CVornakelMouseDevice::ShowPollingOption(int index) {
    if (IMousePage* page = MousePage()) page->ShowPollingRate(index);
}

void CVornakelMouseDevice::RefreshPage() {
    IMousePage* page = MousePage();
    if (page == nullptr) return;
    LoadLists();
    page->ShowKeyAssignments(assignments_);
    page->ShowLightEffect(lightEffect_);
    page->ShowLightingHint(LightModeNameOf(lists_, lightEffect_.selectItem));
    ShowDpiStages();
    ShowSystemValues();
}

void CVornakelMouseDevice::ShowDpiStages() {
    IMousePage* page = MousePage();
    // Enabling first, then disabling: the enabling rule then leaves exactly the stored
    // stages ticked, with a lone remaining stage locked.
    for (int n = 0; n < kDpiStageCount; ++n) {
        const auto index = static_cast<size_t>(n);
        if (index < dpiStages_.size() && dpiStages_[index].stageActive != 0)
            page->ShowDpiStageEnabled(n, true);
    }
    for (int n = 0; n < kDpiStageCount; ++n) {
        const auto index = static_cast<size_t>(n);
        const bool present = index < dpiStages_.size();
        if (!present || dpiStages_[index].stageActive == 0) page->ShowDpiStageEnabled(n, false);
        ShowDpiStagePosition(n, present ? dpiStages_[index].X() : 0);
    }
    page->ShowActiveDpiStage(static_cast<int>(profile_.GetActiveStage()));
}

void CVornakelMouseDevice::ShowSystemValues() {
    using namespace MouseValue;
    IMousePage* page = MousePage();
    const MouseSystemValues& v = systemValues_;
    page->ShowPointerSpeed(v[kMouseSpeed]);
    page->ShowPointerPrecision(v[kPointerPrecision] != 0);
    page->ShowSystemItems(ItemIndex(v[kAstItem]), ItemIndex(v[kMshItem]), ItemIndex(v[kLogoItem]));
    page->ShowDoubleClickTime(v[kDoubleClickTime]);
    page->ShowScroll(v[kScrollByPage] != 0, v[kWheelScrollLines]);
    page->ShowPollingRate(v[kPollingRate]);
}
