#pragma once
// Device rows in JSON (the format of DefaultData/devices.json and of the user's file,
// described in the README): {"devices": [ {row}, ... ]}. A row that repeats the ids of a
// row already in the table replaces it; a row with new ids is added. Fields a row leaves
// out come from the row it replaces, else from the first row of its kind (a kind-6 mouse
// from a kind-2 mouse), else from defaults; ids and kind of a new row are required.
//
// Rows of the simulator never replace a row of the user's file.
//
// A bad row (wrong type, value out of range, unknown key, unsafe folder name) is skipped
// and named by its line; the other rows still load. Text that is not JSON, or is larger
// than kMaxDeviceTableBytes, adds nothing and is reported once.
#include <cstddef>
#include <string>
#include <vector>
#include "devices/discovery/device_table.h"

constexpr size_t kMaxDeviceTableBytes = 256 * 1024;

// One problem found while reading rows: "<source>: line 12 (row 3): kind 9 is not a device kind".
struct DeviceTableProblem {
    std::string text;
};

// Adds or replaces the rows of `text` in `table`, marking them with `source`. `origin`
// names the text in problems (a file path or "simulator"). Returns the number of rows taken.
int AddDeviceRowsJson(CDeviceTable& table, const std::string& text, DeviceRowSource source,
                      const std::string& origin, std::vector<DeviceTableProblem>* problems);
