#include "devices/profile_reapply.h"

#include "devices/mouse_device.h"
#include "devices/profile_switch.h"
#include "hid/protocol/protocol_codes.h"

ReapplyOutcome ReapplyProfileIfChanged(CVornakelMouseDevice& device, const std::string& profileName) {
    device.SetProfileName(profileName);
    if (device.LoadProfile() != 1) return ReapplyOutcome::Failed;
    bool same = false;
    if (device.CompareSettingsWithProfile(&same) != kResultOk) return ReapplyOutcome::Failed;
    if (same) return ReapplyOutcome::Unchanged;
    const ProfileSwitchResult result = SwitchToProfile(device, profileName);
    const bool written = result.loaded == 1 && result.settings == kResultOk && result.macros == 0 &&
                         result.assignments == kResultOk;
    return written ? ReapplyOutcome::Written : ReapplyOutcome::Failed;
}
