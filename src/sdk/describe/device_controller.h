#pragma once
// Our devices as SDK controllers, and the lighting record a client's changes come to.
//
// Modes are the device's built-in lighting modes in their list order (the mode value is the
// number the profile stores); each mode's flags follow the lighting panel's table for the
// kind: the speed and brightness sliders (levels 0-4), the direction option (left/right),
// the single colour, the colourful switch (random colour). The keyboard's custom colour
// mode takes colours per key. The mouse, the pad and the headset light all their LEDs in
// one colour: their static mode takes colours per LED, and whichever LED a client colours
// sets the colour of all of them.
#include <cstdint>
#include <string>
#include <vector>

#include "profiles/profile_records.h"
#include "sdk/sdk_controller.h"

namespace sdk {

// What the program knows of one attached device's lighting.
struct DeviceLighting {
    int kind = 0;  // lighting kind (panels' light_device_kinds.h: 1 keyboard, 2 mouse, ...)
    std::string name, vendor, description, version, serial, location;
    std::vector<std::string> modeIds;  // built-in modes' text ids ("light_mode_static")
    std::vector<std::string> areaIds;  // lighting areas' text ids ("light_area_logo")
    LightInfoRecord effect;
    std::vector<std::uint32_t> keyColours;  // keyboard: per LED, red in the low byte
};

Controller DescribeDevice(const DeviceLighting& device);

// The lighting record for the controller's active mode, starting from `before`.
LightInfoRecord EffectOf(const Controller& controller, const LightInfoRecord& before);
// The keyboard's per-LED colours (red in the low byte) from the controller's colours.
std::vector<std::uint32_t> KeyColoursOf(const Controller& controller);

// "light_mode_colour_wheel" -> "Colour wheel".
std::string DisplayName(const std::string& textId, const char* prefix);

}  // namespace sdk
