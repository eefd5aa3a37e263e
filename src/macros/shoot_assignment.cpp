#include "macros/shoot_assignment.h"

#include <algorithm>

#include "macros/shoot_limits.h"

namespace shoot {

KeyAssignHalf GunPresetAssignment(int gun, std::uint16_t keyIndex) {
    KeyAssignHalf half;
    half.keyIndex = keyIndex;
    half.type = AssignmentType::kGunPreset;
    half.param1 = static_cast<std::uint8_t>(std::clamp(gun, 0, kGunCount - 1));
    half.param2 = 0;
    return half;
}

int AssignedGunPreset(const KeyAssignHalf& assignment) {
    if (assignment.type != AssignmentType::kGunPreset || assignment.param1 >= kGunCount) return -1;
    return assignment.param1;
}

}  // namespace shoot
