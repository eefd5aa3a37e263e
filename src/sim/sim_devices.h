#pragma once
// Plugging simulated devices by name, as the programs do for "--simulate LIST" or the
// KVELM_SIMULATE variable. Known names:
//   "mouse"      wired mouse 0x320F:0x2002, sensor 0x3327
//   "mouse3389"  wired mouse 0x320F:0x21FD, sensor 0x3389
//   "mousewl"    wireless variant of "mouse" (same ids; its link state answers command 0xAA)
//   "keyboard"   126-key keyboard; ids 0x0000:0x0000, as its rows of the device table stand
//   "pad"        lighted mouse pad; ids 0x0000:0x0000, as its rows of the device table stand
//   "headset"    headset (HID side: lighting, power); ids 0x0000:0x0000, as its row stands
//   "none"       plugs nothing
#include <memory>
#include <string>
#include "sim/sim_bus.h"

// A new, unplugged simulator for one of the names above; nullptr for "none" or an
// unknown name.
std::shared_ptr<ISimDevice> MakeSimulatedDevice(const std::string& name);

// Plugs the devices of a comma-separated list (blanks around names are ignored; an
// empty list or "none" plugs nothing). Every name is checked first: on an unknown name
// nothing is plugged, *error (when given) receives a one-line explanation and the
// result is -1. Otherwise the result is the number of devices plugged.
int PlugSimulatedDevices(const std::string& list, std::string* error);

// The list given by "--simulate LIST" or "--simulate=LIST" on the command line, else the
// value of KVELM_SIMULATE, else "". The last "--simulate" on the line wins.
std::string SimulateListFromArgs(int argc, const char* const* argv);
