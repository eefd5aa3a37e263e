#pragma once
// Plugging simulated devices by name, as the programs do for "--simulate LIST" or the
// KVELM_SIMULATE variable. Known names:
//   "mouse"      wired mouse 0x320F:0x2002, sensor 0x3327
//   "mouse3389"  wired mouse 0x320F:0x21FD, sensor 0x3389
//   "mousewl"    wireless variant of "mouse", 0x320F:0x2012 (its link state answers command 0xAA)
//   "keyboard"   126-key keyboard, 0x320F:0x5021
//   "pad"        lighted mouse pad, 0x320F:0x5022
//   "headset"    headset (HID side: lighting, power); ids 0x0000:0x0000, as its row stands
//   "none"       plugs nothing
// The shipped device table has no rows for "mousewl", "keyboard" and "pad"; each brings
// its own (SimulatedDeviceRowsJson).
#include <memory>
#include <string>
#include <vector>
#include "sim/sim_bus.h"

// A new, unplugged simulator for one of the names above; nullptr for "none" or an
// unknown name.
std::shared_ptr<ISimDevice> MakeSimulatedDevice(const std::string& name);

// Plugs the devices of a comma-separated list (blanks around names are ignored; an
// empty list or "none" plugs nothing). Every name is checked first: on an unknown name
// nothing is plugged, *error (when given) receives a one-line explanation and the
// result is -1. Otherwise the result is the number of devices plugged.
int PlugSimulatedDevices(const std::string& list, std::string* error);

// From now on the devices PlugSimulatedDevices plugs keep their memory under `folder`, each
// in a folder named after it ("mouse"; a second "mouse" of the same list in "mouse-2"), so
// that the next process plugging the same list finds them as this one left them. ""
// keeps the memory in the process (the default). False with *error set when the folder
// cannot be made private to the user; the memory then stays in the process.
bool KeepSimulatedMemoryIn(const std::string& folder, std::string* error);
// The folder given to KeepSimulatedMemoryIn ("" while the memory stays in the process).
std::string SimulatedMemoryFolder();

// The names of a comma-separated list, blanks trimmed, empty names dropped.
std::vector<std::string> SimulatedDeviceNames(const std::string& list);
// True when every name of the list is known or "none"; else *error as PlugSimulatedDevices.
bool CheckSimulatedDeviceList(const std::string& list, std::string* error);

// The device rows (JSON, the device table's format) a simulated device needs because no
// shipped row carries its ids: kind 1 for "keyboard", kind 3 for "pad", kind 6 (the
// wireless mouse, checked for its link before each command) for "mousewl"; "" for the
// others.
std::string SimulatedDeviceRowsJson(const std::string& name);

// The list given by "--simulate LIST" or "--simulate=LIST" on the command line, else the
// value of KVELM_SIMULATE, else "". The last "--simulate" on the line wins.
std::string SimulateListFromArgs(int argc, const char* const* argv);
