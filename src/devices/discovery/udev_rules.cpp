#include "devices/discovery/udev_rules.h"

#include <cstdio>
#include <set>
#include <utility>

std::string UdevRuleLine(uint16_t vendorId, uint16_t productId) {
    // udev compares the sysfs attributes as text: four lower-case hex digits.
    char line[128];
    std::snprintf(line, sizeof line,
                  "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%04x\", ATTRS{idProduct}==\"%04x\", "
                  "TAG+=\"uaccess\"",
                  vendorId, productId);
    return line;
}

std::string UdevRuleLines(std::initializer_list<const CDeviceTable*> tables) {
    std::set<std::pair<uint16_t, uint16_t>> written;
    std::string text;
    for (const CDeviceTable* table : tables)
        for (const DeviceRow& row : table->Rows())
            if (RowHasIds(row) && written.emplace(row.vendorId, row.productId).second)
                text += UdevRuleLine(row.vendorId, row.productId) + "\n";
    return text;
}
