#include "devices/mousepad_device.h"

#include "hid/protocol/supported_devices.h"

CVornakelMousePadDevice::CVornakelMousePadDevice() : CLightingRecordDevice(DeviceKind::kMousePad) {}

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

int CVornakelMousePadDevice::SaveProfile() {
    return SaveLoadedProfile(profile_);
}

void CVornakelMousePadDevice::LoadDefaults() {
    SetFilePaths();
    profile_.Load(DefaultDataFile());
    ApplyProfileLighting();
    SaveProfile();
    RefreshPage();
}

void CVornakelMousePadDevice::RefreshPage() {
    if (Page() == nullptr) return;
    LoadLists();
    Page()->ShowLightEffect(lightEffect_);
}
