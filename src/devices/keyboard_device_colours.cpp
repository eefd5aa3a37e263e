// The keyboard's custom key colours of lighting mode 8: painted, stored in the profile's
// colour groups and sent to the keyboard as its light frame.
#include <span>

#include "devices/keyboard/keyboard_custom_colours.h"
#include "devices/keyboard/keyboard_light_frame.h"
#include "devices/keyboard_device.h"

namespace {
constexpr int kNoGroup = -1;
constexpr uint32_t kStripWhite = 0xFFFFFF;  // a key strip outside mode 8
}  // namespace

int CVornakelKeyboardDevice::CustomGroupInUse() {
    // Without a page (kvelmctl, tests) the profile's group is the one in use.
    if (IKeyboardPage* page = KeyboardPage()) return page->CustomGroup();
    return profile_.GetCustomLightGroup();
}

void CVornakelKeyboardDevice::SetCustomColourGroup(int group) {
    if (IKeyboardPage* page = KeyboardPage()) page->SelectCustomGroup(group);
    profile_.SetCustomLightGroup(group);
}

void CVornakelKeyboardDevice::LoadCustomColours() {
    const int group = profile_.GetCustomLightGroup();
    const std::vector<RgbaColor> colours = profile_.GetCustomLightColors(group, LedCount());
    for (size_t i = 0; i < colours.size(); ++i) {
        const RgbaColor& c = colours[i];
        SetLedColour(static_cast<int>(i), keyboard::PackLedColour({c.red, c.green, c.blue, c.alpha}));
    }
    if (IKeyboardPage* page = KeyboardPage()) page->SelectCustomGroup(group);
    ShowKeyStrips();
}

void CVornakelKeyboardDevice::ShowKeyStrips() {
    IKeyboardPage* page = KeyboardPage();
    if (page == nullptr) return;
    const bool custom = lightEffect_.selectItem == keyboard::kCustomColourMode;
    std::vector<uint32_t> colours;
    for (int led = 0; led < LedCount(); ++led) colours.push_back(custom ? GetLedColour(led) : kStripWhite);
    page->ShowLedColours(colours);
}

int CVornakelKeyboardDevice::StoreCustomColours() {
    const int group = CustomGroupInUse();
    if (group == kNoGroup) return kNoGroup;
    std::vector<RgbaColor> colours;
    for (int i = 0; i < LedCount(); ++i) {
        const keyboard::LedColour c = keyboard::UnpackLedColour(GetLedColour(i));
        colours.push_back({c.red, c.green, c.blue, c.brightness});
    }
    profile_.SetCustomLightColors(colours, group);
    return SaveProfile();
}

int CVornakelKeyboardDevice::FillCustomColours(bool on) {
    std::vector<uint32_t> entries;
    for (int i = 0; i < LedCount(); ++i) entries.push_back(GetLedColour(i));
    keyboard::FillLedColours(entries, lightEffect_.red, lightEffect_.green, lightEffect_.blue, on);
    for (size_t i = 0; i < entries.size(); ++i) SetLedColour(static_cast<int>(i), entries[i]);
    const int stored = StoreCustomColours();
    WriteCustomColours();
    return stored;
}

int CVornakelKeyboardDevice::PaintCustomKey(unsigned index) {
    return PaintCustomKeys({index});
}

int CVornakelKeyboardDevice::PaintCustomKeys(const std::vector<unsigned>& indexes) {
    if (lightEffect_.selectItem != keyboard::kCustomColourMode) return kNoGroup;
    bool painted = false;
    for (unsigned index : indexes) {
        if (index >= static_cast<unsigned>(LedCount())) continue;
        std::vector<uint32_t> entries = {GetLedColour(static_cast<int>(index))};
        keyboard::PaintLedColour(entries, 0, lightEffect_.red, lightEffect_.green, lightEffect_.blue);
        SetLedColour(static_cast<int>(index), entries[0]);
        painted = true;
    }
    return StoreAndSendPainted(painted);
}

int CVornakelKeyboardDevice::StoreAndSendPainted(bool painted) {
    if (!painted) return kNoGroup;
    const int stored = StoreCustomColours();
    WriteCustomColours();
    return stored;
}

void CVornakelKeyboardDevice::ChooseCustomColourGroup(int group) {
    SetCustomColourGroup(group);
    // Loaded before the save: a group that held nothing is stored as the keys are sent, off.
    LoadCustomColours();
    SaveProfile();
    WriteCustomColours();
}

int CVornakelKeyboardDevice::WriteCustomColours() {
    CDeviceProtocol& channel = commandChannel_;
    // Without LED colours (no LEDs configured) the frame would only turn every key off.
    if (lightEffect_.selectItem != keyboard::kCustomColourMode || !channel.opened || !keyTableRead_ ||
        LedCount() == 0)
        return kResultNoAnswer;
    std::vector<uint32_t> colours;
    for (int i = 0; i < LedCount(); ++i) colours.push_back(GetLedColour(i));
    const std::vector<uint8_t> frame = keyboard::BuildLightFrame(
        colours, ledKeyMap_, std::span<const uint8_t>(lightPositions_.data(), keyCount_), keyCount_);
    const int begun = channel.BeginConfig();
    if (begun != kResultOk) return begun;
    const int written = channel.WriteLightFrame(frame);
    const int ended = channel.EndConfig();
    return written != kResultOk ? written : ended;
}
