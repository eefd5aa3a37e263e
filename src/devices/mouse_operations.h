#pragma once
// Value rules of the mouse's page operations (mouse_operations.cpp): the DPI stage list and
// the nine system values as a page change leaves them.
#include <vector>

#include "devices/mouse_device.h"

namespace mouseops {

// The stages the page offers: 0..6.
bool IsDpiStageIndex(int stage);

// The list with room for `stage`: zeroed records are appended until it holds stage + 1.
// A stage outside 0..6 leaves the list as it is and returns false.
bool EnsureDpiStage(std::vector<DpiStage>& stages, int stage);

// The values with value `index` replaced by `value` as a 16-bit word (-1, "no item",
// becomes 0xFFFF). An index outside 0..8 changes nothing.
MouseSystemValues WithMouseValue(MouseSystemValues values, int index, int value);

// Whether value `index` is sent to the device (polling rate, AST, MSH and LOGO items) or
// kept in the profile only (double-click time, speed, precision, scrolling).
bool IsDeviceValue(int index);

}  // namespace mouseops
