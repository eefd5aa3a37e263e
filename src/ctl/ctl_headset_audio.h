#pragma once
// The headset's audio settings on the command line, through the same audio layer the
// window's voice panel uses (the simulated library for a simulated headset, the sound card
// on a real host), kept in the headset's selected profile.
//   set DEVICE mic LEVEL | monitor LEVEL        0-100
//   set DEVICE mic-mute | monitor-mute on|off
//   set DEVICE eq PRESET                        1-12, the built-in equaliser presets
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"
#include "ctl/ctl_named_device.h"
#include "devices/audio/audio_config_library.h"

// The audio library the window would give this headset, bound to it; keep it alive while
// the device is used.
std::unique_ptr<IAudioConfigLibrary> BindHeadsetAudio(NamedDevice& named);

// The change `args` asks for (args[1] the setting); -1 when it is no audio setting, else an
// exit code after the output or error line.
int SetHeadsetAudio(NamedDevice& named, const std::vector<std::string>& args, CtlContext& context);

// The audio lines of "kvelmctl settings" for a headset whose profile is loaded.
void PrintHeadsetAudio(NamedDevice& named, std::ostream& out);
