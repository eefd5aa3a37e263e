#pragma once
// kvelmctl settings for the kinds beside the mouse: a keyboard's active settings block, the
// lighting record of a mouse pad or a headset, decoded into the words the window shows.
#include "ctl/ctl_commands.h"
#include "ctl/ctl_named_device.h"

// `named` is open; prints the settings or the error line and returns the exit code.
int PrintKindSettings(NamedDevice& named, CtlContext& context);

// "#rrggbb".
std::string ColourText(uint8_t red, uint8_t green, uint8_t blue);
