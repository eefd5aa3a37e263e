#pragma once
// CLightingRecordDevice: what the mouse pad and the headset share on their HID side. Their
// settings are one 21-byte lighting record (pad/pad_lighting_record.h) kept in a profile of
// type Profile (CBasicProfiledata or a class derived from it), and they report a power
// status. The derived class adds its page, its first timer and what its profile holds
// beyond the lighting.
//
// Results: ReadLightingRecord and WriteSettings give 1 when every command was answered
// without error, 0 when the channel is closed, otherwise the failing command's result.
#include <string>

#include "devices/device_lists.h"
#include "devices/pad/pad_lighting_record.h"
#include "devices/usb_device.h"

// Message to the owner after the lighting record was read again (wParam = slot, lParam 0).
constexpr unsigned kMsgLightingRead = 0x0D00;

template <class Profile>
class CLightingRecordDevice : public CVornakelUSBDevice {
public:
    // The active slot's record (25 bytes at slot x 25, the first 21 kept, speed turned
    // back) and the message 0x0D00 to the owner.
    int ReadLightingRecord();

    // ---- overrides ----
    // The base binding, then the lists when a page is bound.
    void BindPageControls() override;
    int ApplyProfileLighting() override;
    void OnDeviceTimer2() override;  // ReadLightingRecord
    void OnDeviceTimer5() override;  // the power status query
    // The profile of ProfileName() and its lighting; 0 without a name or a device object
    // (the device keeps what it had).
    int LoadProfile() override;
    // The 21-byte record, speed turned over, at offset record x 64 between BeginConfig
    // and EndConfig.
    int WriteSettings(const SettingsWrite& request) override;
    void LoadLists() override;
    const DeviceLists& Lists() const { return lists_; }
    void SetFilePaths() override;
    std::string GetProfileFile() const override;
    void SetUserValue(int value) override;
    void SetLightEffect(const LightInfoRecord& effect) override;

protected:
    explicit CLightingRecordDevice(int deviceKind);

    pad::PadLightingRecord record_{};
    Profile profile_;
    DeviceLists lists_;
};
