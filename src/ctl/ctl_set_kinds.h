#pragma once
// kvelmctl set on a keyboard, mouse pad or headset: the setting goes into the device's
// selected profile and the settings are written to the device, as the window does.
//   set DEVICE lighting MODE [--colour RRGGBB] [--brightness N] [--speed N]   every kind
//   set DEVICE rate HZ                                 keyboard: 125, 250, 500 or 1000
//   set DEVICE wlock|winlock|rollover on|off           keyboard: its lock flags
//   set DEVICE repeat-delay MS                         keyboard: 250, 500, 750 or 1000
//   set DEVICE mic|monitor LEVEL, mic-mute|monitor-mute on|off, eq PRESET   headset
//                                                      (ctl_headset_audio.h)
#include <ostream>
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"

// What "kvelmctl help set" prints: each setting and the kinds that have it.
void PrintSetHelp(std::ostream& out);

// True for a setting word of any kind ("lighting", "wlock", "mic", ...).
bool IsSettingWord(const std::string& word);

int RunSetOnKind(const std::vector<std::string>& args, CtlContext& context);
