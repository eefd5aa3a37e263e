// The icon sets of the device kinds and the interface slots' matching rules (no window).
#include <gtest/gtest.h>
#include "hid/protocol/supported_devices.h"
#include "devices/discovery/device_kinds.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/interface_slots.h"

namespace {

// A record as the discovery worker fills it from a probed path.
HidDeviceInfo Probed(uint16_t vid, uint16_t pid, uint16_t mi, uint16_t col, uint16_t page, uint16_t usage,
                     const char* path) {
    HidDeviceInfo record;
    record.vendorId = vid;
    record.productId = pid;
    record.interfaceNumber = mi;
    record.collectionNumber = col;
    record.usagePage = page;
    record.usage = usage;
    record.devicePath = path;
    return record;
}

}  // namespace

TEST(DeviceTables, IconSetsByKind) {
    struct Case {
        int kind, subKind;
        const char* set;
    };
    const Case cases[] = {
        {1, 0, "kb"}, {2, 0, "ms"},     {3, 0, "hard_mp"}, {3, 1, "soft_mp"},
        {3, 2, ""},   {4, 0, "hd"},     {5, 0, "hub"},     {6, 0, "unknow"},
        {7, 0, "hd"}, {0, 0, "unknow"}, {99, 0, "unknow"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeviceIconSet(c.kind, c.subKind), c.set) << c.kind << "/" << c.subKind;
}

class InterfaceSlotsTest : public ::testing::Test {
protected:
    void SetUp() override { table.Load(shipped.Interfaces()); }
    const CDeviceTable shipped = ShippedDeviceTable();
    CInterfaceSlots table;
};

TEST_F(InterfaceSlotsTest, CopiesTheNineRowsFree) {
    ASSERT_EQ(table.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        const HidDeviceInfo slot = table.At(i);
        EXPECT_EQ(slot.attached, 0);
        EXPECT_TRUE(slot.devicePath.empty());
        EXPECT_EQ(slot.deviceKind, shipped.Interfaces()[static_cast<size_t>(i)].deviceKind);
    }
    EXPECT_FALSE(table.AllFilled());
    EXPECT_TRUE(table.BoundPaths().empty());
}

TEST_F(InterfaceSlotsTest, CandidatesNeedIdsAndAFreeSlot) {
    struct Case {
        uint16_t vid, pid, mi, col;
        bool candidate;
    };
    const Case cases[] = {
        {0x320F, 0x2002, 1, 4, true},   // command collection of the first model
        {0x320F, 0x2002, 1, 3, true},   // its consumer collection
        {0x320F, 0x21FD, 1, 4, true},   // second model
        {0x320F, 0x2002, 1, 1, false},  // keyboard collection of the same interface
        {0x320F, 0x2002, 0, 0, false},  // boot mouse interface
        {0x0000, 0x0000, 1, 4, false},  // the rows without ids claim nothing
        {0x1234, 0x2002, 1, 4, false},
    };
    for (const Case& c : cases) {
        HidDeviceInfo record = Probed(c.vid, c.pid, c.mi, c.col, 0, 0, "p");
        EXPECT_EQ(table.IsCandidate(record), c.candidate)
            << std::hex << c.vid << ":" << c.pid << " mi " << c.mi << " col " << c.col;
    }
}

TEST_F(InterfaceSlotsTest, BindTakesKindFromTheRowAndFillsTheSlotOnce) {
    HidDeviceInfo command = Probed(0x320F, 0x2002, 1, 4, kCommandUsagePage, kCommandUsage, "sim:1:01#col04");
    EXPECT_EQ(table.Bind(&command), 2);
    EXPECT_EQ(command.deviceKind, DeviceKind::kMouse);
    EXPECT_EQ(command.deviceSubKind, kSubKindCommand);
    EXPECT_EQ(table.At(2).attached, 1);
    EXPECT_EQ(table.At(2).devicePath, "sim:1:01#col04");

    HidDeviceInfo consumer =
        Probed(0x320F, 0x2002, 1, 3, kConsumerUsagePage, kConsumerUsage, "sim:1:01#col03");
    EXPECT_EQ(table.Bind(&consumer), 3);
    EXPECT_EQ(consumer.deviceSubKind, kSubKindSecondary);

    // A second mouse of the same model finds its slot taken: it is ignored until the first
    // is gone.
    HidDeviceInfo second = Probed(0x320F, 0x2002, 1, 4, kCommandUsagePage, kCommandUsage, "sim:2:01#col04");
    EXPECT_FALSE(table.IsCandidate(second));
    EXPECT_EQ(table.Bind(&second), -1);
    EXPECT_EQ(table.At(2).devicePath, "sim:1:01#col04");

    ASSERT_EQ(table.BoundPaths().size(), 2u);
    EXPECT_TRUE(table.Release(2));
    EXPECT_FALSE(table.Release(2)) << "already free";
    EXPECT_EQ(table.Bind(&second), 2);
}

TEST_F(InterfaceSlotsTest, AUsagePairNotInTheTableIsIgnored) {
    // Collection 4 of the interface, but with the consumer usage pair: probed and ignored.
    HidDeviceInfo record = Probed(0x320F, 0x2002, 1, 4, kConsumerUsagePage, kConsumerUsage, "p");
    EXPECT_TRUE(table.IsCandidate(record));
    EXPECT_EQ(table.Bind(&record), -1);
    EXPECT_TRUE(table.BoundPaths().empty());
    HidDeviceInfo noPath = Probed(0x320F, 0x2002, 1, 4, kCommandUsagePage, kCommandUsage, "");
    EXPECT_EQ(table.Bind(&noPath), -1) << "a bound slot always has a path";
}

TEST_F(InterfaceSlotsTest, APendingRemovalKeepsTheSlotFromBinding) {
    HidDeviceInfo record = Probed(0x320F, 0x21FD, 1, 4, kCommandUsagePage, kCommandUsage, "a");
    ASSERT_EQ(table.Bind(&record), 4);
    table.Release(4);
    table.MarkRemovalPending(4);
    EXPECT_EQ(table.PendingRemovals(), std::vector<int>{4});
    record.devicePath = "b";
    EXPECT_FALSE(table.IsCandidate(record));
    EXPECT_EQ(table.Bind(&record), -1) << "the device must be closed before it opens again";
    table.MarkRemovalTaken(4);
    EXPECT_TRUE(table.PendingRemovals().empty());
    EXPECT_EQ(table.Bind(&record), 4);
}
