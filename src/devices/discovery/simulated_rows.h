#pragma once
// Plugging simulated devices together with the device rows they need: a simulator whose
// ids no shipped row carries (the keyboard, the pad, the wireless mouse) brings its own row,
// added to the process's device table as a user's row would be, before it is plugged.
#include <string>

// Adds the rows of every simulated device named in the list (unknown names are ignored).
void AddSimulatedDeviceRows(const std::string& list);

// As PlugSimulatedDevices (sim/sim_devices.h), adding each named device's rows first.
int PlugSimulatedDevicesWithRows(const std::string& list, std::string* error);
