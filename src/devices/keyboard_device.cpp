// The keyboard's model: profile loading, the model's setters and what the page shows.
// Device reads and writes are in keyboard_device_io.cpp, the custom colours in
// keyboard_device_colours.cpp.
#include "devices/keyboard_device.h"

#include "devices/mouse/mouse_images.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_records.h"

namespace {

const char kMacroListFile[] = "macro.config";
// Key press and release events of the input channel: base + device key.
constexpr uint16_t kKeyDownFirst = 0x0500;
constexpr uint16_t kKeyUpFirst = 0x0600;
constexpr uint16_t kKeyEventSpan = 0x0100;
// Function modes that enable and disable the function key's button.
constexpr int kLightingFunction = 1;
constexpr int kKeysFunction = 2;

}  // namespace

CVornakelKeyboardDevice::CVornakelKeyboardDevice() {
    SetDeviceKindValue(DeviceKind::kKeyboard);
    ledKeyMap_.fill(keyboard::kNoKeySlot);
    SetInputUsageCallback([this](uint16_t usage) { OnKeyEvent(usage); });
}

void CVornakelKeyboardDevice::SetKeyboardPage(IKeyboardPage* page) {
    keyboardPage_ = page;
    SetPage(page);
}

void CVornakelKeyboardDevice::OnKeyEvent(uint16_t usage) {
    std::lock_guard<std::mutex> guard(pressedLock_);
    if (usage >= kKeyDownFirst && usage < kKeyDownFirst + kKeyEventSpan)
        pressedKeys_.insert(usage - kKeyDownFirst);
    else if (usage >= kKeyUpFirst && usage < kKeyUpFirst + kKeyEventSpan)
        pressedKeys_.erase(usage - kKeyUpFirst);
}

std::set<int> CVornakelKeyboardDevice::PressedLeds() const {
    std::set<int> keys;
    {
        std::lock_guard<std::mutex> guard(pressedLock_);
        keys = pressedKeys_;
    }
    std::set<int> leds;
    for (size_t led = 0; led < keyboard::kLedCount; ++led)
        if (ledKeyMap_[led] != keyboard::kNoKeySlot && keys.count(ledKeyMap_[led]) != 0)
            leds.insert(static_cast<int>(led));
    return leds;
}

// ---- profile ----

void CVornakelKeyboardDevice::SetFilePaths() {
    PointProfileAtFiles(profile_);
}

std::string CVornakelKeyboardDevice::GetProfileFile() const {
    return profile_.GetProfilePath();
}

int CVornakelKeyboardDevice::SaveProfile() {
    return SaveLoadedProfile(profile_);
}

int CVornakelKeyboardDevice::LoadProfile() {
    if (!LoadNamedProfile(profile_)) return 0;
    TakeProfileValues();
    return 1;
}

void CVornakelKeyboardDevice::LoadDefaults() {
    SetFilePaths();
    profile_.Load(DefaultDataFile());
    TakeProfileValues();
    SaveProfile();
    RefreshPage();
}

void CVornakelKeyboardDevice::TakeProfileValues() {
    assignments_ = profile_.GetKeyList();
    const uint8_t previousMode = lightEffect_.selectItem;
    ApplyProfileLighting();
    // A change to mode 8 loads the colours already; a profile loaded in mode 8 over another
    // one in mode 8 must bring its own colours too, or the keyboard would get the old
    // profile's colours and the next paint would store them into the new profile.
    if (previousMode == keyboard::kCustomColourMode && lightEffect_.selectItem == keyboard::kCustomColourMode)
        LoadCustomColours();
    system_ = profile_.GetKeyboardSystem();
}

int CVornakelKeyboardDevice::ApplyProfileLighting() {
    TakeLightEffect(profile_.GetLightInfo());
    assignments_ = profile_.GetKeyList();
    return 1;
}

void CVornakelKeyboardDevice::TakeLightEffect(const LightInfoRecord& effect) {
    const uint8_t previousMode = lightEffect_.selectItem;
    lightEffect_ = effect;
    if (effect.selectItem != previousMode && effect.selectItem == keyboard::kCustomColourMode)
        LoadCustomColours();
}

void CVornakelKeyboardDevice::SetUserValue(int value) {
    CVornakelUSBDevice::SetUserValue(value);
    profile_.SetDeviceIndex(0);
}

void CVornakelKeyboardDevice::SetLightEffect(const LightInfoRecord& effect) {
    const uint8_t previousMode = lightEffect_.selectItem;
    CVornakelUSBDevice::SetLightEffect(effect);
    profile_.SetLightInfo(lightEffect_);
    if (effect.selectItem == previousMode) return;
    // Entering mode 8 loads (and shows) the group's colours; leaving it shows the strips white.
    if (effect.selectItem == keyboard::kCustomColourMode)
        LoadCustomColours();
    else if (previousMode == keyboard::kCustomColourMode)
        ShowKeyStrips();
}

void CVornakelKeyboardDevice::SetAssignment(int led, const KeyAssignHalf& current) {
    if (led < 0 || static_cast<size_t>(led) >= keyboard::kLedCount) return;
    const auto index = static_cast<size_t>(led);
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

int CVornakelKeyboardDevice::ApplyKeyAssignment(int key, const KeyAssignHalf& current) {
    return ApplyAndShowKeyAssignment(*this, KeyboardPage(), key, current);
}

std::size_t CVornakelKeyboardDevice::MacroCapacityBytes() const {
    return mouse::MacroCapacityBytes(deviceInfo_[DeviceInfoByte::kMacroUnits]);
}

void CVornakelKeyboardDevice::SetSystemStages(const KeyboardSystemSettings& stages) {
    system_ = stages;
    profile_.SetKeyboardSystem(stages);
}

// ---- lists and page ----

void CVornakelKeyboardDevice::LoadLists() {
    lists_ = LoadPageLists(kMacroListFile, LightConfigFile());
}

void CVornakelKeyboardDevice::BindPageControls() {
    CVornakelUSBDevice::BindPageControls();
    if (Page() != nullptr) LoadLists();
}

void CVornakelKeyboardDevice::RefreshPage() {
    IKeyboardPage* page = KeyboardPage();
    if (page == nullptr) return;
    LoadLists();
    page->ShowKeyAssignments(assignments_);
    page->ShowLightEffect(lightEffect_);
    page->ShowSystemStages(system_);
    ShowKeyStrips();
}

void CVornakelKeyboardDevice::ValidateMacroKeys() {
    LoadLists();
    bool changed = false;
    for (KeyAssignEntry& entry : assignments_) {
        const uint8_t type = entry.current.type;
        const bool macro = type == keyboard::kTypeMacro || type == keyboard::kTypeMacroRepeated;
        if (macro && entry.current.param1 >= lists_.macroCount) {
            entry.current = entry.defaults;
            changed = true;
        }
    }
    if (!changed) return;
    profile_.SetKeyList(assignments_);
    if (IKeyboardPage* page = KeyboardPage()) page->ShowKeyAssignments(assignments_);
}

void CVornakelKeyboardDevice::SetFunctionMode(int type) {
    CVornakelUSBDevice::SetFunctionMode(type);
    IKeyboardPage* page = KeyboardPage();
    if (page == nullptr) return;
    if (type == kLightingFunction)
        page->EnableKeyButton(static_cast<int>(keyboard::kFunctionKeyLed), true);
    else if (type == kKeysFunction)
        page->EnableKeyButton(static_cast<int>(keyboard::kFunctionKeyLed), false);
}

void CVornakelKeyboardDevice::SelectKey(int index) {
    CVornakelUSBDevice::SelectKey(index);
    if (IKeyboardPage* page = KeyboardPage()) {
        const bool known = index >= 0 && static_cast<size_t>(index) < assignments_.size();
        page->ShowKeySetting(index, known ? &assignments_[static_cast<size_t>(index)] : nullptr);
    }
}
