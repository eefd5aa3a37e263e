#pragma once
// CVornakelKeyboardDevice: the device object of the 126-key keyboard (device kind 1).
//
// At start it learns the key matrix: the device reports one key code per device key, and
// the keyboard matches them against the fixed LED identities (keyboard/keyboard_led_table.h)
// to know which device key sits under which LED. Its lighting, polling rate and lock flags
// travel in one 25-byte settings block; key assignments go out as one key code per device
// key, macros as one image (the same layout as the mouse's). In lighting mode 8 the user
// paints keys with colours of their own, stored in the profile's colour groups and sent to
// the keyboard as its per-key light frame.
//
// Results: WriteSettings and WriteKeyAssignments give 1 when every command was answered
// without error, 0 when the channel is closed or nothing can be written, otherwise the
// failing command's result. WriteMacros gives 0 when sent or when there is nothing to
// send, -1 when anything failed, and the number of 4-byte units over the limit plus one
// when the macros do not fit.
#include <array>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "devices/device_lists.h"
#include "devices/keyboard/keyboard_led_table.h"
#include "devices/keyboard/keyboard_settings_block.h"
#include "devices/keyboard_page.h"
#include "devices/key_assignment_device.h"
#include "devices/usb_device.h"
#include "profiles/keyboard_profile_data.h"

class CVornakelKeyboardDevice : public CVornakelUSBDevice, public IKeyAssignmentDevice {
public:
    static constexpr int kResyncTimerMs = 100;

    CVornakelKeyboardDevice();

    void SetKeyboardPage(IKeyboardPage* page);
    IKeyboardPage* KeyboardPage() const { return Page() != nullptr ? keyboardPage_ : nullptr; }

    // ---- device state ----
    // BeginConfig, ReadDeviceInfo (N = byte 5), SetDataLength(N x 3), the key table and
    // the key light positions, EndConfig; then the LED-to-key map. With more than 170 keys
    // no table is read (EndConfig right after the information block) and no LED is mapped.
    // 1 when the device answered; otherwise the first failing result (0 when closed).
    int ReadDeviceState();
    // The active slot's settings block: lighting into the model (direction stays), the
    // lock flags into the system stages; both stored in the profile and saved. Mode 8
    // newly read loads the custom colours. 1 or the failing result.
    int ReadLightBlock();
    // BeginConfig, the 25-byte block at offset slot x 25 (byte 0 = slotByte), EndConfig.
    int WriteLightBlock(int slot, int slotByte);

    // ---- model ----
    const std::vector<KeyAssignEntry>& Assignments() const override { return assignments_; }
    // Stores LED `led`'s current assignment in the model and the profile.
    void SetAssignment(int led, const KeyAssignHalf& current) override;
    int ApplyKeyAssignment(int key, const KeyAssignHalf& current) override;
    std::size_t MacroCapacityBytes() const override;
    KeyboardSystemSettings GetSystemStages() const { return system_; }
    void SetSystemStages(const KeyboardSystemSettings& stages);
    // For LED j the index of its device key, or 255.
    const keyboard::LedKeyMap& LedKeyMap() const { return ledKeyMap_; }
    unsigned DeviceKeyCount() const { return keyCount_; }
    bool KeyTableRead() const { return keyTableRead_; }
    const keyboard::KeyboardBlockReadBack& LastBlockRead() const { return blockRead_; }
    // LEDs whose keys are down now (key events of the input channel).
    std::set<int> PressedLeds() const;
    CKeyboardProfiledata& Profile() { return profile_; }
    const DeviceLists& Lists() const { return lists_; }

    // ---- custom key colours (lighting mode 8) ----
    // Selects the group in the lighting panel and stores it in the profile.
    void SetCustomColourGroup(int group);
    // The profile's group in use, its colours for every LED into the LED colours, the group
    // selected in the lighting panel and the colours shown on the key strips. A key the
    // group holds no colour for is off (the profile stores it black), on the page as on the
    // keyboard.
    void LoadCustomColours();
    // The key strips of the page show what the keyboard lights per key: in mode 8 the LED
    // colours it was sent, in every other mode white (the keyboard lights from its settings
    // block there, not per key).
    void ShowKeyStrips();
    // Every LED to the current colour (on) or black; stores the group and saves the profile.
    // -1 when no group can be chosen (nothing stored), else the save result (kResultOk written).
    int FillCustomColours(bool on);
    // LED `index` to the current colour, only in mode 8 and for an LED that exists; then
    // stores the whole group and saves. -1 when no group can be chosen or nothing changed.
    int PaintCustomKey(unsigned index);
    // The same for several LEDs (a rubber band over the keys) with one store, save and send.
    int PaintCustomKeys(const std::vector<unsigned>& indexes);
    // The group chosen in the lighting panel: selected, stored and saved, its colours loaded
    // and sent to the keyboard.
    void ChooseCustomColourGroup(int group);
    // Painting, filling and choosing a group end with this: in mode 8 the LED colours go to
    // the keyboard as its light frame (keyboard/keyboard_light_frame.h), bracketed by
    // BeginConfig and EndConfig. 1 when sent; 0 in another mode, with the channel closed or
    // before the key table was read or without LEDs; otherwise the failing command's result.
    int WriteCustomColours();

    // ---- overrides ----
    int ResyncTimerMs() const override { return kResyncTimerMs; }
    void BindPageControls() override;
    int ApplyProfileLighting() override;
    void OnDeviceTimer1() override;  // ReadDeviceState, LoadProfile, RefreshPage
    void OnDeviceTimer2() override;  // ReadLightBlock, RefreshPage
    void OnDeviceTimer5() override;  // the power status query
    int LoadProfile() override;
    void LoadDefaults() override;
    void RefreshPage() override;
    void ValidateMacroKeys() override;
    // Refused (0) until the key table was read, and when the device's key count changed.
    int WriteKeyAssignments(const std::vector<KeyAssignEntry>& list) override;
    int WriteCurrentKeyAssignments() override;
    int WriteMacros() override;
    // WriteLightBlock(record, firstByte); in mode 8 then WriteCustomColours.
    int WriteSettings(const SettingsWrite& request) override;
    void LoadLists() override;
    void SetFunctionMode(int type) override;
    void SetFilePaths() override;
    std::string GetProfileFile() const override;
    int SaveProfile() override;
    void SetUserValue(int value) override;
    void SetLightEffect(const LightInfoRecord& effect) override;
    void SelectKey(int index) override;

private:
    void TakeProfileValues();
    void TakeLightEffect(const LightInfoRecord& effect);  // loads custom colours on a change to mode 8
    void OnKeyEvent(uint16_t usage);
    int StoreCustomColours();
    // Store and save when anything was painted, then send; -1 when nothing was painted.
    int StoreAndSendPainted(bool painted);
    int CustomGroupInUse();

    IKeyboardPage* keyboardPage_ = nullptr;
    std::array<uint8_t, keyboard::kMaxKeyTableBytes> keyTable_{};
    std::array<uint8_t, keyboard::kMaxKeyTableBytes> lightPositions_{};
    unsigned keyCount_ = 0;
    bool keyTableRead_ = false;
    keyboard::LedKeyMap ledKeyMap_{};
    keyboard::KeyboardBlockReadBack blockRead_;
    std::vector<KeyAssignEntry> assignments_;
    KeyboardSystemSettings system_;
    CKeyboardProfiledata profile_;
    DeviceLists lists_;
    mutable std::mutex pressedLock_;
    std::set<int> pressedKeys_;  // device key indexes
};
