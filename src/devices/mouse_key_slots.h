#pragma once
// The button-to-slot map of a mouse model, remembered in the model's data folder as
// "KeySlots.json": {"KeySlots": <slot count>, "ButtonSlots": [slot of button 0, ..., 9]}.
// A slot of 126 means "none". The map found on a factory key block stays valid after the
// buttons have been reassigned, when their factory bytes can no longer be found.
#include <string>

#include "devices/mouse/mouse_keys.h"

inline constexpr char kKeySlotsFile[] = "KeySlots.json";

// The map remembered for a device of `keySlots` slots; all kNoSlot when the file is
// missing, unreadable, or was written for another slot count.
mouse::ButtonSlotMap LoadRememberedSlots(const std::string& file, unsigned keySlots);
// Writes the map (atomically). 1 when written, 0 on failure.
int SaveRememberedSlots(const std::string& file, unsigned keySlots, const mouse::ButtonSlotMap& map);
