// The supported-interface table and matching interfaces against it.
#include <gtest/gtest.h>
#include "hid/protocol/supported_devices.h"

namespace {

TEST(SupportedInterfaceTable, HoldsTheNineRowsInOrder)
{
    struct Row {
        uint16_t vid, pid, mi, col, kind, sub, page, usage;
        bool operator==(const Row&) const = default;
    };
    const Row expected[] = {
        {0x0000, 0x0000, 1, 4, 1, 0, 0xFF1C, 0x0092}, {0x0000, 0x0000, 1, 3, 1, 255, 0x000C, 0x0001},
        {0x320F, 0x2002, 1, 4, 2, 0, 0xFF1C, 0x0092}, {0x320F, 0x2002, 1, 3, 2, 255, 0x000C, 0x0001},
        {0x320F, 0x21FD, 1, 4, 2, 0, 0xFF1C, 0x0092}, {0x320F, 0x21FD, 1, 3, 2, 255, 0x000C, 0x0001},
        {0x0000, 0x0000, 1, 4, 3, 0, 0xFF1C, 0x0092}, {0x0000, 0x0000, 1, 3, 3, 255, 0x000C, 0x0001},
        {0x0000, 0x0000, 3, 0, 7, 0, 0x000C, 0x0001},
    };
    const auto table = SupportedInterfaceTable();
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        const SupportedInterface& r = table[i];
        const Row& e = expected[i];
        EXPECT_EQ((Row{r.vendorId, r.productId, r.interfaceNumber, r.collectionNumber, r.deviceKind,
                       r.deviceSubKind, r.usagePage, r.usage}),
                  e) << "row " << i;
    }
}

TEST(SupportedInterfaceTable, MatchesAllSixValuesAndNeverTheRowsWithoutIds)
{
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
    for (const Case& c : cases)
        EXPECT_EQ(MatchSupportedInterface(c.vid, c.pid, c.mi, c.col, c.page, c.usage), c.row) << c.name;
}

TEST(SupportedInterfaceTable, PathMatchUsesIdsAndNumbersOnly)
{
    EXPECT_EQ(MatchSupportedPath(0x320F, 0x2002, 1, 4), 2);
    EXPECT_EQ(MatchSupportedPath(0x320F, 0x21FD, 1, 3), 5);
    EXPECT_EQ(MatchSupportedPath(0x320F, 0x2002, 1, 2), -1);
    EXPECT_EQ(MatchSupportedPath(0, 0, 1, 4), -1);
}

TEST(SupportedInterfaceTable, RowBecomesAnUnattachedInterfaceRecord)
{
    const HidDeviceInfo info = ToHidDeviceInfo(SupportedInterfaceTable()[4]);
    EXPECT_EQ(info.vendorId, 0x320F);
    EXPECT_EQ(info.productId, 0x21FD);
    EXPECT_EQ(info.deviceKind, DeviceKind::kMouse);
    EXPECT_EQ(info.deviceSubKind, kSubKindCommand);
    EXPECT_EQ(info.usagePage, 0xFF1C);
    EXPECT_EQ(info.attached, 0);
    EXPECT_TRUE(info.devicePath.empty());
}

}  // namespace
