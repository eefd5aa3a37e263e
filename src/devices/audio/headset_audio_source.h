#pragma once
// Which audio configuration library the headset gets: the simulated one when the headset is
// simulated ("headset" in the --simulate list), else the one on its sound card, else none.
#include <cstdint>
#include <memory>
#include <string>

#include "devices/audio/audio_config_library.h"

// True when the comma-separated simulate list names "headset" (blanks around names ignored).
bool SimulatesHeadset(const std::string& simulateList);

// nullptr: no library (the headset's choices are only stored).
std::unique_ptr<IAudioConfigLibrary> MakeHeadsetAudioLibrary(const std::string& simulateList,
                                                             uint16_t vendorId, uint16_t productId);
