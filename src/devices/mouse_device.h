#pragma once
// CVornakelMouseDevice: the device object of a gaming mouse (device kinds 2 and 6; kind 6
// is a mouse on a wireless link). It reads the mouse's state, keeps it in step with the
// selected profile (CMouseProfiledata) and writes settings, key assignments, macros and
// shoot data with the encoders of devices/mouse.
//
// Wireless rule: on kind 6 every command of a write is preceded by a link check (QueryLink)
// and a read checks the link once at its start; a link that is down ends the operation
// with its failure value. A wired mouse sends its commands without that check.
//
// Results (writes, device_result.h): WriteSettings and WriteKeyAssignments give 1 when
// every command was answered without error, 0 when the channel is closed, a link check
// failed or nothing can be written, otherwise the failing command's result (negative for a
// device status error) or kResultNoKeySlot. WriteMacros and SendShootData give 0 when sent (or when there is
// nothing to send), -1 when anything failed, and WriteMacros a positive number when the macros do not fit the
// device: the number of 4-byte units over the limit plus one.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "devices/device_lists.h"
#include "devices/mouse/mouse_dpi.h"
#include "devices/mouse/mouse_keys.h"
#include "devices/mouse/mouse_settings_record.h"
#include "devices/mouse_page_view.h"
#include "devices/key_assignment_device.h"
#include "devices/usb_device.h"
#include "profiles/mouse_profile_data.h"

// The nine system values of a mouse, by index.
namespace MouseValue {
constexpr int kDoubleClickTime = 0;
constexpr int kMouseSpeed = 1;
constexpr int kPointerPrecision = 2;
constexpr int kScrollByPage = 3;
constexpr int kWheelScrollLines = 4;
constexpr int kPollingRate = 5;
constexpr int kAstItem = 6;
constexpr int kMshItem = 7;
constexpr int kLogoItem = 8;
constexpr int kCount = 9;
}  // namespace MouseValue
using MouseSystemValues = std::array<uint16_t, MouseValue::kCount>;

// An AST, MSH or LOGO item of 0xFFFF means "none selected".
constexpr uint16_t kNoItem = 0xFFFF;

class CVornakelMouseDevice : public CVornakelUSBDevice, public IKeyAssignmentDevice {
public:
    static constexpr int kDpiStageCount = 7;

    CVornakelMouseDevice();

    // The mouse's page (also its IDevicePage). Not owned; nullptr: none.
    void SetMousePage(IMousePage* page);
    IMousePage* MousePage() const { return Page() != nullptr ? mousePage_ : nullptr; }

    // ---- reads ----
    // The initial read (the first read after arrival), only with the channel open (and the link
    // up on kind 6): BeginConfig, ReadDeviceInfo (the sensor goes to the profile),
    // SetDataLength(key slots x 3), ReadKeyBlock, EndConfig; builds the button-to-slot map.
    // Touches no page (ShowReadState gives the DPI sliders their range). With more than 170
    // key slots no key block is read.
    // 1 when the device answered; otherwise the first failing result (0 when closed).
    int ReadInitialState();
    // Reads the active settings record (the re-read the device asks for): the active record's
    // number, then its first 57 bytes; takes lighting, active stage and polling rate into
    // the model and the profile and saves the profile. 1 or the failing result.
    int ReadSettingsRecord();
    // Reads the active settings record and tells whether it holds what the loaded profile
    // would write (*same); nothing is taken into the model or the profile. 1 or the
    // failing result (kResultBadArgument without a loaded profile).
    int CompareSettingsWithProfile(bool* same);

    // ---- writes ----
    // Shoot data: the four presets "ShootData_" n ".Shoot" of the data folder in one image
    // (command 23); no capacity rule.
    int SendShootData();

    // ---- page operations ----
    // Each takes the value the user chose, stores it in the model and the profile, saves
    // the profile, writes the settings to the device when the value lives there, and shows
    // the result on the page. Results as in device_result.h: kResultOk, kResultBadArgument
    // for a stage or value index the mouse does not have (nothing changes), otherwise the
    // first failure (kResultProfileNotSaved, or the settings write's result).
    // Stage n enabled or not (the page keeps at least one stage enabled).
    int SetDpiStageEnabled(int stage, bool enabled);
    // Stage n at slider position p (shown with the DPI it stands for).
    int SetDpiStagePosition(int stage, int position);
    // Stage n from the DPI typed into its edit, converted with the sensor's table; a
    // sensor that reports no step keeps the stage's position (and shows it again).
    int SetDpiStageText(int stage, const std::string& dpiText);
    // Polling-rate option n (system value 5).
    int SetPollingRate(int option);
    // System value `index` (MouseValue); values kept in the profile only are not written.
    int SetSystemValue(int index, int value);
    // Scroll by page on or off with a wheel line count (system values 3 and 4, profile only).
    int SetScrolling(bool byPage, int lines);

    // ---- model, for the page routing of the main window ----
    const std::vector<KeyAssignEntry>& Assignments() const override { return assignments_; }
    // Stores button `button`'s current assignment in the model and the profile (the list
    // grows as needed).
    void SetAssignment(int button, const KeyAssignHalf& current) override;
    int ApplyKeyAssignment(int key, const KeyAssignHalf& current) override;
    std::size_t MacroCapacityBytes() const override;
    const std::vector<DpiStage>& GetDpiStages() const { return dpiStages_; }
    // Stores the stage list in the model and the profile.
    void SetDpiStages(const std::vector<DpiStage>& stages);
    MouseSystemValues GetSystemValues() const { return systemValues_; }
    // Stores the nine values in the model and the profile.
    void SetSystemValues(const MouseSystemValues& values);
    uint32_t GetActiveStage() const { return profile_.GetActiveStage(); }
    // Page only: stage n shows slider position p and the DPI it stands for.
    void ShowDpiStagePosition(int stage, int position);
    void ShowDpiStageEnabled(int stage, bool enabled);
    void ShowPollingOption(int index);

    // The sensor fields of the device information block (zeros before the first read).
    mouse::MouseSensorInfo SensorInfo() const;
    const mouse::ButtonSlotMap& ButtonSlots() const { return buttonSlots_; }
    bool KeyBlockRead() const { return keyBlockRead_; }
    const mouse::MouseRecordReadBack& LastSettingsRead() const { return settingsRead_; }
    const DeviceLists& Lists() const { return lists_; }
    CMouseProfiledata& Profile() { return profile_; }
    const CMouseProfiledata& Profile() const { return profile_; }
    bool IsWireless() const;

    // ---- overrides of the base operations ----
    void BindPageControls() override;
    int ApplyProfileLighting() override;
    // ReadState, ShowReadState.
    void OnDeviceTimer1() override;
    // The initial read (no page is touched).
    void ReadState() override;
    // The sensor's DPI range to the sliders (after a read that found it), LoadProfile,
    // RefreshPage.
    void ShowReadState() override;
    // ReadSettingsRecord, RefreshPage.
    void OnDeviceTimer2() override;
    // The power status query.
    void OnDeviceTimer5() override;
    // SetFilePaths, loads the profile file (created from the default data when missing),
    // takes its assignments, lighting, DPI stages and system values. 0 without a profile
    // name.
    int LoadProfile() override;
    // The same from the default-data file, then SaveProfile and RefreshPage.
    void LoadDefaults() override;
    void RefreshPage() override;
    // Resets every assignment to a macro that "macro.config" no longer lists to the
    // button's default; stores and shows the corrected list (nothing is sent).
    void ValidateMacroKeys() override;
    // Merges the list into the key block as read (only the buttons found on the device;
    // every other slot keeps exactly its bytes) and writes it. Refused (0) while no key
    // block was read from the device, or when its key slot count changed since. When a
    // button without a slot is given anything but its factory bytes, the rest is written
    // and the result is kResultNoKeySlot.
    int WriteKeyAssignments(const std::vector<KeyAssignEntry>& list) override;
    int WriteCurrentKeyAssignments() override;
    int WriteMacros() override;
    // BeginConfig, 86 bytes to record x 128, EndConfig.
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
    // On kind 6 the link is checked before the command; 0 when it is down.
    template <class Command>
    int Checked(Command&& command);
    mouse::MouseSettings BuildSettings() const;
    void TakeProfileValues();
    void ShowDpiStages();
    void ShowSystemValues();
    int ChangeDpiStage(int stage, const std::function<void(DpiStage&)>& change);
    int SaveAndWrite(bool write);

    IMousePage* mousePage_ = nullptr;
    std::array<uint8_t, mouse::kMaxKeyBlockBytes> keyBlock_{};
    bool keyBlockRead_ = false;
    bool sensorReadUnshown_ = false;  // ReadInitialState read the sensor; the page has not its range
    unsigned keySlotsRead_ = 0;
    mouse::ButtonSlotMap buttonSlots_{};
    std::array<uint8_t, 21> previousSettings_{};
    mouse::MouseRecordReadBack settingsRead_;
    std::vector<KeyAssignEntry> assignments_;
    std::vector<DpiStage> dpiStages_;
    MouseSystemValues systemValues_{};
    CMouseProfiledata profile_;
    DeviceLists lists_;
};
