#include "devices/discovery/device_bar_names.h"

#include <map>

std::vector<std::string> DeviceBarNames(const std::vector<std::string>& productNames) {
    std::map<std::string, int> seen;
    std::vector<std::string> names;
    names.reserve(productNames.size());
    for (const std::string& name : productNames) {
        const int count = ++seen[name];
        names.push_back(count == 1 ? name : name + " (" + std::to_string(count) + ")");
    }
    return names;
}
