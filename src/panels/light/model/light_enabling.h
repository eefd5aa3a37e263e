#pragma once
// Which groups of the lighting panel a mode uses, per device kind.
//
// After a mode is selected the panel hides the custom colour controls and the light-sync
// option, enables the direction group, and then switches each group as the table of the
// device kind says: enabled, disabled, or left as it is. Kinds without a table (the
// icon-only kinds, unknown kinds) leave every group as it is.
#include <array>
#include <cstdint>

enum class LightGroup : uint8_t {
    Effect,      // "lighteffect_layout"
    Colourful,   // "deng_7color_check"
    Colour,      // "deng_color_layout"
    Palette,     // "colorpallet_layout"
    Fx,          // "deng_fx_layout"
    Brightness,  // "deng_light_layout"
    Speed,       // "deng_speed_layout"
    Swatches,    // "color_option_" (the swatch group of the mouse)
    Edits,       // "Deng-RGB_Edit" (the colour edits of the mouse)
};
constexpr int kLightGroupCount = 9;

enum class GroupState : uint8_t { Keep, Disabled, Enabled };

struct LightEnabling {
    std::array<GroupState, kLightGroupCount> groups{};  // all Keep
    bool offerSameMode = false;      // the light-sync option may be shown (when the panel's flag is set)
    bool showCustomColours = false;  // keyboard mode 8: "lightcustom_layout" shown
    bool hasTable = false;           // false: the kind has no table, every group keeps its state

    GroupState State(LightGroup g) const { return groups[static_cast<int>(g)]; }
};

// The enabling of a mode on a device kind. A wireless mouse (kind 6) uses the mouse table.
// Modes not listed in a kind's table (presets, out-of-range values) use its "other" row.
LightEnabling LightEnablingFor(int kind, int mode);

// The control name of a group.
const char* LightGroupControlName(LightGroup group);
