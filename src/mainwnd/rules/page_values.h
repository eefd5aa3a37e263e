#pragma once
// Value rules of the device page wiring that need no window: the mouse's DPI stage list and
// system values as the page changes them, the typed limits of the "tolva_DPI_" edits, and
// message texts that carry a number.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "devices/mouse_device.h"
#include "profiles/profile_records.h"

namespace wiring {

// The stages the page offers: "DPI_..._" 0..6.
bool IsDpiStageIndex(int stage);

// The list with room for `stage`: zeroed records are appended until it holds stage + 1.
// A stage outside 0..6 leaves the list as it is and returns false.
bool EnsureDpiStage(std::vector<DpiStage>& stages, int stage);

// The mouse's values with value `index` replaced by `value` as a 16-bit word (-1, "no item",
// becomes 0xFFFF). An index outside 0..8 changes nothing.
MouseSystemValues WithMouseValue(MouseSystemValues values, int index, int value);

// True when button `button`'s current assignment is the left mouse button (0x10 0x01 0x00)
// and no other button's is: that button cannot be taken into editing.
bool IsLastLeftButton(const std::vector<KeyAssignEntry>& assignments, int button);

// The "tolva_DPI_edit_" n rule: the text read as a decimal (leading digits; none read 0),
// raised to 200 and lowered to 6500.
inline constexpr int kTolvaDpiMin = 200;
inline constexpr int kTolvaDpiMax = 6500;
int ClampTolvaDpi(std::string_view text);

// A translated message with one "%d": the first "%d" becomes the number and "%%" a single
// "%"; anything else is kept as it stands, so a translation can never make the formatting
// read arguments that are not there.
std::string FormatWithCount(std::string_view format, int count);

}  // namespace wiring
