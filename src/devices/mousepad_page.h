#pragma once
// The page of a mouse pad: its profile panel and its lighting panel, which every device
// page has (IDevicePage); the pad has no keys, macros or system values of its own.
#include "devices/device_page.h"

class IMousePadPage : public IDevicePage {
public:
    // Shows or hides the hint that the pad's lighting follows another device's
    // (light synchronisation).
    virtual void ShowLightSyncHint(bool synchronised) = 0;
};
