#pragma once
// The udev rule lines that let the user at the seat open a device's HID nodes without root:
// one line per device row with ids, in the form the shipped rule file uses. The shipped
// file is rendered from the shipped table at build time; kvelmctl prints the lines for the
// user's rows too, since a row added by the user is not in the installed file.
#include <cstdint>
#include <initializer_list>
#include <string>
#include "devices/discovery/device_table.h"

// Where a user's own lines belong, and what makes udev apply them to plugged devices.
inline constexpr const char* kUserUdevRulesPath = "/etc/udev/rules.d/70-kvelm-user.rules";
inline constexpr const char* kUdevReloadCommand = "udevadm control --reload-rules && udevadm trigger";

// SUBSYSTEM=="hidraw", ATTRS{idVendor}=="320f", ATTRS{idProduct}=="2002", TAG+="uaccess"
std::string UdevRuleLine(uint16_t vendorId, uint16_t productId);

// One line (with its newline) per row with ids of each table in turn, a product listed
// once even when several rows or tables name it.
std::string UdevRuleLines(std::initializer_list<const CDeviceTable*> tables);
