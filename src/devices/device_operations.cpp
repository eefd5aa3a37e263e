// The page operations every device kind shares: store, save, write, show, in one call.
#include "devices/usb_device.h"

SettingsWrite CVornakelUSBDevice::PageSettingsWrite() const {
    SettingsWrite request;
    if (owner_.screenSize) std::tie(request.screenWidth, request.screenHeight) = owner_.screenSize();
    return request;
}

int CVornakelUSBDevice::SaveAndWriteSettings() {
    const int saved = SaveProfile();
    const int written = WriteSettings(PageSettingsWrite());
    return saved != kResultOk ? saved : written;
}

int CVornakelUSBDevice::SetLighting(const LightInfoRecord& effect, bool modeChanged) {
    SetLightEffect(effect);
    const int saved = SaveProfile();
    ApplyProfileLighting();
    if (modeChanged && Page() != nullptr) Page()->ShowLightEffect(GetLightEffect());
    const int written = WriteSettings(PageSettingsWrite());
    return saved != kResultOk ? saved : written;
}
