#pragma once
// CVornakelMousePadDevice: the device object of the lighted mouse pad (device kind 3;
// sub-kind 0 hard pad, 1 soft pad). Its settings are one 21-byte lighting record
// (pad/pad_lighting_record.h); its power status (battery, charging, the phone lying on
// the charger) goes to its power panel. No keys, no macros.
//
// Results: WriteSettings gives 1 when every command was answered without error, 0 when
// the channel is closed, otherwise the failing command's result.
#include <string>

#include "devices/device_lists.h"
#include "devices/mousepad_page.h"
#include "devices/pad/pad_lighting_record.h"
#include "devices/usb_device.h"
#include "profiles/basic_profile_data.h"

// Message to the owner after the lighting record was read again (wParam = slot, lParam 0).
constexpr unsigned kMsgLightingRead = 0x0D00;

class CVornakelMousePadDevice : public CVornakelUSBDevice {
public:
    CVornakelMousePadDevice();

    void SetMousePadPage(IMousePadPage* page);
    IMousePadPage* MousePadPage() const { return Page() != nullptr ? padPage_ : nullptr; }

    // The active slot's record (25 bytes at slot x 25, the first 21 kept, speed turned
    // back) and the message 0x0D00 to the owner. 1 or the failing result (0 when closed).
    int ReadLightingRecord();
    const pad::PadLightingRecord& LightingRecord() const { return record_; }
    CBasicProfiledata& Profile() { return profile_; }

    // ---- overrides ----
    void BindPageControls() override;
    int ApplyProfileLighting() override;
    // With the channel open: BeginConfig, ReadDeviceInfo, EndConfig. Then LoadProfile and
    // RefreshPage in any case.
    void OnDeviceTimer1() override;
    void OnDeviceTimer2() override;  // ReadLightingRecord
    void OnDeviceTimer5() override;  // the power status query
    int LoadProfile() override;
    void LoadDefaults() override;
    void RefreshPage() override;
    // The 21-byte record, speed turned over, at offset record x 64 between BeginConfig
    // and EndConfig.
    int WriteSettings(const SettingsWrite& request) override;
    void LoadLists() override;
    void SetFilePaths() override;
    std::string GetProfileFile() const override;
    int SaveProfile() override;
    void SetUserValue(int value) override;
    void SetLightEffect(const LightInfoRecord& effect) override;

private:
    IMousePadPage* padPage_ = nullptr;
    pad::PadLightingRecord record_{};
    CBasicProfiledata profile_;
    DeviceLists lists_;
};
