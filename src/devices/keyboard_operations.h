#pragma once
// What a change of a keyboard system value does: the value is stored in the keyboard and
// its profile model, the profile is saved, and the values the settings block carries
// (polling rate and the three lock flags) are written to the keyboard. The repeat rate and
// delay live on the host only and are saved, not written.
#include <cstdint>

class CVornakelKeyboardDevice;

// Stage indexes as in keyboard_system_stages.h. Result: the save result when it failed,
// else the write's result (kResultOk when nothing was to be written).
int SetKeyboardStage(CVornakelKeyboardDevice& keyboard, int index, std::uint16_t value);

// Whether value `index` travels in the keyboard's settings block.
bool StageIsWritten(int index);
