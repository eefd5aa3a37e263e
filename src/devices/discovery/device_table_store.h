#pragma once
// The device table the program runs with: the shipped rows (DefaultData/devices.json in the
// program folder; the same rows compiled in when that file is missing or unreadable), then
// the rows of the user's file (XDG config home + "kvelm/devices.json") added or replacing by
// ids, then rows that simulated devices bring when they are plugged.
#include <string>
#include <vector>
#include "devices/discovery/device_table.h"
#include "devices/discovery/device_table_json.h"

// The rows compiled into the program: the text of resources/DefaultData/devices.json.
const std::string& EmbeddedDeviceTableText();

// The compiled-in rows as a table (the shipped rows without any file).
CDeviceTable ShippedDeviceTable();

// $XDG_CONFIG_HOME/kvelm/devices.json (XDG_CONFIG_HOME defaults to $HOME/.config).
std::string UserDeviceTablePath();

// Builds a table from the shipped file of `programFolder` (or the compiled-in rows) and the
// user's file `userFile` (absent is fine). Problems of either file go to *problems.
CDeviceTable LoadDeviceTable(const std::string& programFolder, const std::string& userFile,
                             std::vector<DeviceTableProblem>* problems);

// The process's table, loaded on first use from DeviceProgramFolder() and
// UserDeviceTablePath(); a copy, safe to keep while rows are added.
CDeviceTable ActiveDeviceTable();
// Adds or replaces rows in the process's table (simulated devices); problems are kept.
int AddActiveDeviceRows(const std::string& text, DeviceRowSource source, const std::string& origin);
// Every problem met so far (each also written to the debug output once).
std::vector<DeviceTableProblem> DeviceTableProblems();
// Forgets the process's table; the next use loads it again (tests change the folders).
void ResetActiveDeviceTable();
