#pragma once
// The names of the device-bar entries: each device's product name; when several entries
// carry the same name, the second becomes "Name (2)", the third "Name (3)", and so on, in
// entry order.
#include <string>
#include <vector>

std::vector<std::string> DeviceBarNames(const std::vector<std::string>& productNames);
