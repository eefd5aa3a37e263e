#pragma once
// A button that fires a gun preset: its key assignment is type 0x72, parameter 1 the preset
// number (0 .. 3), parameter 2 zero. The device looks the preset up in the shoot-data image,
// so the image must have been sent (SendShootData) for the button to fire what the files hold.
#include <cstdint>

#include "devices/assignment_labels.h"

namespace shoot {

// The assignment of a button that fires preset `gun`, limited to 0 .. kGunCount - 1.
KeyAssignHalf GunPresetAssignment(int gun, std::uint16_t keyIndex = 0);

// The preset a button fires, or -1 when the assignment is no gun preset (or names a
// preset number the device does not have).
int AssignedGunPreset(const KeyAssignHalf& assignment);

}  // namespace shoot
