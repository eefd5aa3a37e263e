// Build-time tool: writes the shipped udev rule file, the header comment of HEADER followed
// by a line for every row with ids of the compiled-in device table.
//   kvelm_udev_rules_gen HEADER OUTPUT
#include <fstream>
#include <iostream>
#include <sstream>
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/udev_rules.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kvelm_udev_rules_gen HEADER OUTPUT\n";
        return 2;
    }
    std::ifstream header(argv[1], std::ios::binary);
    std::stringstream text;
    text << header.rdbuf();
    if (!header || text.str().empty()) {
        std::cerr << "kvelm_udev_rules_gen: cannot read " << argv[1] << "\n";
        return 1;
    }
    const CDeviceTable shipped = ShippedDeviceTable();
    const std::string lines = UdevRuleLines({&shipped});
    if (lines.empty()) {
        // A rule file that grants nothing would install cleanly and leave every device root-only.
        std::cerr << "kvelm_udev_rules_gen: the shipped device table has no row with ids\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text.str() << lines;
    out.close();
    if (!out) {
        std::cerr << "kvelm_udev_rules_gen: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
