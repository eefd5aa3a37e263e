// The udev rule lines: the file the build writes for the package, checked against the
// shipped table it must cover, and the rendering of rows from several tables.
#include <gtest/gtest.h>

#include <iomanip>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "devices/discovery/device_table_store.h"
#include "devices/discovery/udev_rules.h"
#include "temp_folder.h"

namespace {

// The line as an administrator would write it by hand, spelt out here rather than taken
// from the code under test.
std::string HandWrittenLine(uint16_t vendorId, uint16_t productId) {
    const auto hex = [](uint16_t value) {
        std::ostringstream text;
        text << std::hex << std::setw(4) << std::setfill('0') << value;
        return text.str();
    };
    return R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}==")" + hex(vendorId) + R"(", ATTRS{idProduct}==")" +
           hex(productId) + R"(", TAG+="uaccess")";
}

TEST(GeneratedUdevRule, GrantsEveryShippedRowWithIdsAndNothingElse) {
    const std::string file = ReadFileBytes(KVELM_UDEV_RULES_FILE);
    ASSERT_FALSE(file.empty()) << "not written: " << KVELM_UDEV_RULES_FILE;
    EXPECT_TRUE(file.starts_with("# SPDX-License-Identifier: GPL-2.0-or-later\n")) << file;

    std::set<std::string> rules;
    std::istringstream lines(file);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && !line.starts_with("#")) rules.insert(line);

    // The table file in the source tree, so that a row added there and not yet in the
    // generated file (a stale build rule) fails here.
    std::vector<DeviceTableProblem> problems;
    const CDeviceTable shipped = LoadDeviceTable(std::string(KVELM_SOURCE_DIR) + "/resources", "", &problems);
    ASSERT_TRUE(problems.empty()) << problems.front().text;
    std::set<std::string> expected;
    for (const DeviceRow& row : shipped.Rows())
        if (row.vendorId != 0 || row.productId != 0)
            expected.insert(HandWrittenLine(row.vendorId, row.productId));
    ASSERT_FALSE(expected.empty());
    // The mouse the program was first made for must always be reachable.
    EXPECT_TRUE(expected.contains(HandWrittenLine(0x320F, 0x2002)));
    EXPECT_EQ(rules, expected) << file;
}

TEST(UdevRuleLines, OneLowerCaseLinePerProductAcrossTables) {
    const auto row = [](uint16_t vendorId, uint16_t productId, uint16_t kind) {
        DeviceRow made;
        made.name = "Device";
        made.vendorId = vendorId;
        made.productId = productId;
        made.kind = kind;
        return made;
    };
    const DeviceRow mouse = row(0x320F, 0x2002, 2);
    const DeviceRow noIds = row(0, 0, 1);
    const DeviceRow small = row(0x0001, 0x00AB, 3);
    DeviceRow mouseAgain = mouse;
    mouseAgain.name = "Mouse, user's row";
    const CDeviceTable shipped({mouse, noIds});
    const CDeviceTable user({mouseAgain, small});

    EXPECT_EQ(
        UdevRuleLines({&shipped, &user}),
        "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"320f\", ATTRS{idProduct}==\"2002\", TAG+=\"uaccess\"\n"
        "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"0001\", ATTRS{idProduct}==\"00ab\", TAG+=\"uaccess\"\n");
    const CDeviceTable onlyWithoutIds({noIds});
    EXPECT_EQ(UdevRuleLines({&onlyWithoutIds}), "");
}

}  // namespace
