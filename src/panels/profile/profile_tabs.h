#pragma once
// The feature tabs of a device page, held by the profile panel: which tab a function type
// selects and which tabs a device kind hides or shows. Tabs a kind does not name keep the
// visibility the skin gives them.
#include <array>
#include <cstddef>
#include <vector>

// Tab names by function type 1..8 (index type - 1).
inline constexpr std::array<const char*, 8> kFeatureTabNames = {
    "deng_Op_tab",   "key_Op_tab",        "macro_Op_tab", "system_Op_tab",
    "cursor_Op_tab", "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab",
};
// The tab another function type leaves as it is (all others are deselected).
inline constexpr const char* kTabKeptOnOtherTypes = "Virtual7.1_Op_tab";

// The tab of a function type, or nullptr for a type outside 1..8.
const char* FeatureTabOfType(int type);

struct TabVisibility {
    std::vector<const char*> hidden;
    std::vector<const char*> shown;
};
// What a device kind (1 keyboard, 2 mouse, 3 mouse pad, 7 headset) changes; other kinds
// change nothing.
TabVisibility FeatureTabsOfKind(int kind);
