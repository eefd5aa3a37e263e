#pragma once
// Value rules of the device page wiring that need no window: the typed limits of the "tolva_DPI_" edits, and
// message texts that carry a number.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/profile_records.h"

namespace wiring {

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
