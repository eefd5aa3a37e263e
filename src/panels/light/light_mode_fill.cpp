#include "panels/light/light_mode_fill.h"

#include "panels/light/light_control_ui.h"
#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_mode_list.h"

void FillLightModes(CLightControlUI* panel, int deviceKind, const std::vector<LightModeName>& modes,
                    const std::vector<std::string>& presetNames) {
    if (panel == nullptr) return;
    std::vector<LightModeEntry> entries;
    for (const LightModeName& mode : modes) entries.push_back({mode.name, mode.visible, false});
    for (const std::string& preset : presetNames) entries.push_back({preset, true, true});
    panel->SetDeviceKind(deviceKind);
    panel->FillModes(entries, kLightLevelMax, kLightLevelMax);
}
