// The shipped device rows, the interface rows derived from them, matching, and the names
// of the device-bar entries.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include "devices/discovery/device_bar_names.h"
#include "devices/discovery/device_table_store.h"

namespace {

struct InterfaceRow {
    uint16_t vid, pid, mi, col, kind, sub, page, usage;
    bool operator==(const InterfaceRow&) const = default;
};

std::vector<InterfaceRow> RowsOf(const CDeviceTable& table) {
    std::vector<InterfaceRow> rows;
    for (const SupportedInterface& r : table.Interfaces())
        rows.push_back({r.vendorId, r.productId, r.interfaceNumber, r.collectionNumber, r.deviceKind,
                        r.deviceSubKind, r.usagePage, r.usage});
    return rows;
}

CDeviceTable TableFromShippedFile() {
    std::ifstream in(std::string(KVELM_SOURCE_DIR) + "/resources/DefaultData/devices.json");
    std::ostringstream text;
    text << in.rdbuf();
    CDeviceTable table;
    std::vector<DeviceTableProblem> problems;
    EXPECT_EQ(AddDeviceRowsJson(table, text.str(), DeviceRowSource::Shipped, "devices.json", &problems), 5);
    EXPECT_TRUE(problems.empty()) << problems.front().text;
    return table;
}

TEST(ShippedDeviceTable, FileAndCompiledInRowsGiveTheNineInterfaceRowsInOrder) {
    const std::vector<InterfaceRow> expected = {
        {0x0000, 0x0000, 1, 4, 1, 0, 0xFF1C, 0x0092}, {0x0000, 0x0000, 1, 3, 1, 255, 0x000C, 0x0001},
        {0x320F, 0x2002, 1, 4, 2, 0, 0xFF1C, 0x0092}, {0x320F, 0x2002, 1, 3, 2, 255, 0x000C, 0x0001},
        {0x320F, 0x21FD, 1, 4, 2, 0, 0xFF1C, 0x0092}, {0x320F, 0x21FD, 1, 3, 2, 255, 0x000C, 0x0001},
        {0x0000, 0x0000, 1, 4, 3, 0, 0xFF1C, 0x0092}, {0x0000, 0x0000, 1, 3, 3, 255, 0x000C, 0x0001},
        {0x0000, 0x0000, 3, 0, 7, 0, 0x000C, 0x0001},
    };
    EXPECT_EQ(RowsOf(TableFromShippedFile()), expected);
    EXPECT_EQ(RowsOf(ShippedDeviceTable()), expected);
}

TEST(ShippedDeviceTable, DeviceRowsCarryTheirPagesAndCommandInterfaces) {
    struct Case {
        const char* folder;
        uint16_t kind;
        int typeCode, ledCount, keyCount;
        const char* pageXml;
        int commandInterface;
    };
    const Case cases[] = {
        {"mouse", 2, 1, 6, 7, "XML\\DeviceXml\\mousedevice.xml", 2},
        {"keyboard", 1, 0, 126, 126, "XML\\DeviceXml\\keyboarddevice.xml", 0},
        {"MousePad", 3, 2, 15, 0, "XML\\DeviceXml\\mousepaddevice.xml", 6},
        {"HD", 7, 3, 13, 0, "XML\\DeviceXml\\hs6533device.xml", 8},
        {"mouse3389", 2, 1, 6, 7, "XML\\DeviceXml\\mousedevice.xml", 4},
    };
    const CDeviceTable table = TableFromShippedFile();
    ASSERT_EQ(table.Rows().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const DeviceRow& row = table.Rows()[i];
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(row.folder, c.folder);
        EXPECT_FALSE(row.name.empty());
        EXPECT_EQ(row.kind, c.kind);
        EXPECT_EQ(row.typeCode, c.typeCode);
        EXPECT_EQ(row.ledCount, c.ledCount);
        EXPECT_EQ(row.keyCount, c.keyCount);
        EXPECT_EQ(row.pageXml, c.pageXml);
        EXPECT_EQ(row.entryXml, "XML\\CustomControlXML\\DeviceOption.xml");
        EXPECT_EQ(row.optionGroup, "tab_header_device");
        EXPECT_EQ(row.powerContainer, "device_power_switch");
        EXPECT_EQ(row.lightName, "tolva_light");
        EXPECT_EQ(row.pollPeriodically, 0);
        EXPECT_EQ(row.fourthValue, -1);
        EXPECT_EQ(table.CommandInterfaceOf(static_cast<int>(i)), c.commandInterface);
        EXPECT_EQ(table.DeviceOfInterface(c.commandInterface), static_cast<int>(i));
    }
}

TEST(ShippedDeviceTable, MatchesAllSixValuesAndNeverTheRowsWithoutIds) {
    struct Case {
        const char* name;
        uint16_t vid, pid, mi, col, page, usage;
        int row;
    };
    const Case cases[] = {
        {"first mouse, command collection", 0x320F, 0x2002, 1, 4, 0xFF1C, 0x0092, 2},
        {"first mouse, consumer collection", 0x320F, 0x2002, 1, 3, 0x000C, 0x0001, 3},
        {"second mouse, command collection", 0x320F, 0x21FD, 1, 4, 0xFF1C, 0x0092, 4},
        {"second mouse, consumer collection", 0x320F, 0x21FD, 1, 3, 0x000C, 0x0001, 5},
        {"zero ids (keyboard and pad rows)", 0, 0, 1, 4, 0xFF1C, 0x0092, -1},
        {"zero ids (headset row)", 0, 0, 3, 0, 0x000C, 0x0001, -1},
        {"right collection, wrong usage", 0x320F, 0x2002, 1, 4, 0x000C, 0x0001, -1},
        {"wrong interface", 0x320F, 0x2002, 0, 4, 0xFF1C, 0x0092, -1},
        {"other product of the maker", 0x320F, 0x2003, 1, 4, 0xFF1C, 0x0092, -1},
    };
    const CDeviceTable table = ShippedDeviceTable();
    for (const Case& c : cases)
        EXPECT_EQ(table.MatchInterface(c.vid, c.pid, c.mi, c.col, c.page, c.usage), c.row) << c.name;
    // Before an interface is opened only the path's four values are known.
    EXPECT_EQ(table.MatchPath(0x320F, 0x2002, 1, 4), 2);
    EXPECT_EQ(table.MatchPath(0x320F, 0x21FD, 1, 3), 5);
    EXPECT_EQ(table.MatchPath(0x320F, 0x2002, 1, 2), -1);
    EXPECT_EQ(table.MatchPath(0, 0, 1, 4), -1);
}

TEST(DeviceBarNames, RepeatedProductNamesAreNumberedInOrder) {
    EXPECT_EQ(DeviceBarNames({"Mouse", "Pad", "Mouse", "Mouse", "Pad"}),
              (std::vector<std::string>{"Mouse", "Pad", "Mouse (2)", "Mouse (3)", "Pad (2)"}));
    EXPECT_EQ(DeviceBarNames({"A", "B"}), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(DeviceBarNames({}).empty());
}

}  // namespace
