#pragma once
// Fills a lighting panel's mode combo from what a device page is told: the device's
// built-in modes, then the user's light presets. Every device page shows its modes this way.
#include <string>
#include <vector>

#include "devices/device_page.h"

class CLightControlUI;

void FillLightModes(CLightControlUI* panel, int deviceKind, const std::vector<LightModeName>& modes,
                    const std::vector<std::string>& presetNames);
