#pragma once
// CVornakelMousePadDevice: the device object of the lighted mouse pad (device kind 3;
// sub-kind 0 hard pad, 1 soft pad). Its settings are one 21-byte lighting record
// (pad/pad_lighting_record.h); its power status (battery, charging, the phone lying on
// the charger) goes to its power panel. No keys, no macros.
#include <string>

#include "devices/lighting_record_device.h"
#include "devices/mousepad_page.h"
#include "profiles/basic_profile_data.h"

class CVornakelMousePadDevice : public CLightingRecordDevice<CBasicProfiledata> {
public:
    CVornakelMousePadDevice();

    void SetMousePadPage(IMousePadPage* page);
    IMousePadPage* MousePadPage() const { return Page() != nullptr ? padPage_ : nullptr; }

    const pad::PadLightingRecord& LightingRecord() const { return record_; }
    CBasicProfiledata& Profile() { return profile_; }

    // ---- overrides (the lighting record's in lighting_record_device.h) ----
    // With the channel open: BeginConfig, ReadDeviceInfo, EndConfig. Then LoadProfile and
    // RefreshPage in any case.
    void OnDeviceTimer1() override;
    void LoadDefaults() override;
    void RefreshPage() override;
    int SaveProfile() override;

private:
    IMousePadPage* padPage_ = nullptr;
};
