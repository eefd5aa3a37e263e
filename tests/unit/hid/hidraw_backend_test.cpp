// The hidraw backend against a fake sysfs tree and socket-pair stand-ins for the nodes.
#include <fcntl.h>
#include <gtest/gtest.h>

#include "fake_sysfs.h"
#include "hid/hidraw_backend.h"
#include "test_descriptors.h"

namespace {

class HidrawBackendTest : public ::testing::Test {
protected:
    FakeSysfs sys;
    HidrawBackend backend{sys.SysRoot(), sys.DevRoot(), sys.Opener()};

    std::vector<std::string> List() {
        std::vector<std::string> paths;
        EXPECT_TRUE(backend.Enumerate(paths));
        return paths;
    }
    std::string Node(int number) const { return sys.DevRoot() + "/hidraw" + std::to_string(number); }
};

TEST_F(HidrawBackendTest, ListsOnePathPerTopLevelCollection) {
    sys.AddNode(10, 0x046D, 0xC077, -1, kBootMouseDescriptor);  // no USB interface above it
    sys.AddNode(3, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
    sys.AddNode(2, 0x320F, 0x2002, 0, kBootMouseDescriptor);
    const std::string ids = "#vid_320f&pid_2002";
    const std::vector<std::string> expected = {
        Node(2) + ids + "&mi_00",       Node(3) + ids + "&mi_01&col01", Node(3) + ids + "&mi_01&col02",
        Node(3) + ids + "&mi_01&col03", Node(3) + ids + "&mi_01&col04", Node(10) + "#vid_046d&pid_c077",
    };
    EXPECT_EQ(List(), expected);
}

TEST_F(HidrawBackendTest, AppendsToTheListItIsGiven) {
    sys.AddNode(0, 0x320F, 0x2002, 0, kBootMouseDescriptor);
    std::vector<std::string> paths = {"sim:1:00#vid_320f&pid_2002&mi_00"};
    ASSERT_TRUE(backend.Enumerate(paths));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], "sim:1:00#vid_320f&pid_2002&mi_00");
}

TEST_F(HidrawBackendTest, ListingFollowsDescriptorAndDeviceChanges) {
    sys.AddNode(3, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
    ASSERT_EQ(List().size(), 4u);
    // Same node, new descriptor: the cached description must not be reused.
    sys.SetDescriptor(3, kBootMouseDescriptor);
    EXPECT_EQ(List(), std::vector<std::string>{Node(3) + "#vid_320f&pid_2002&mi_01"});
    // The node number is taken by another device with the same descriptor.
    sys.RemoveNode(3);
    EXPECT_TRUE(List().empty());
    sys.AddNode(3, 0x320F, 0x21FD, 2, kBootMouseDescriptor);
    EXPECT_EQ(List(), std::vector<std::string>{Node(3) + "#vid_320f&pid_21fd&mi_02"});
}

TEST_F(HidrawBackendTest, MachineWithoutHidrawClassListsNothing) {
    HidrawBackend none(sys.SysRoot() + "/absent", sys.DevRoot(), sys.Opener());
    std::vector<std::string> paths;
    EXPECT_TRUE(none.Enumerate(paths));
    EXPECT_TRUE(paths.empty());
}

TEST_F(HidrawBackendTest, HandlesAndIsPresent) {
    sys.AddNode(4, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
    const std::string path = Node(4) + "#vid_320f&pid_2002&mi_01&col04";
    EXPECT_TRUE(backend.Handles(path));
    EXPECT_FALSE(backend.Handles("sim:1:01#vid_320f&pid_2002&mi_01&col04"));
    EXPECT_FALSE(backend.Handles(sys.DevRoot() + "/hidrawx#vid_320f"));
    EXPECT_FALSE(backend.Handles("/elsewhere/hidraw4#vid_320f"));
    EXPECT_TRUE(backend.IsPresent(path));
    EXPECT_FALSE(backend.IsPresent(Node(5) + "#vid_320f&pid_2002&mi_01"));
    sys.RemoveNode(4);
    EXPECT_FALSE(backend.IsPresent(path));
}

TEST_F(HidrawBackendTest, OpenReadsAttributesAndChoosesAccess) {
    sys.AddNode(3, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor, 0x0105);
    const std::string path = Node(3) + "#vid_320f&pid_2002&mi_01&col04";
    auto connection = backend.Open(path, true, true, false);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->VendorId(), 0x320F);
    EXPECT_EQ(connection->ProductId(), 0x2002);
    EXPECT_EQ(connection->VersionNumber(), 0x0105);
    EXPECT_EQ(connection->ReportDescriptor(), kVendorInterfaceDescriptor);
    EXPECT_EQ(sys.OpenFlags(3) & O_ACCMODE, O_RDWR);
    EXPECT_NE(sys.OpenFlags(3) & O_NONBLOCK, 0);

    auto readOnly = backend.Open(path, true, false, false);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_EQ(sys.OpenFlags(3) & O_ACCMODE, O_RDONLY);

    EXPECT_EQ(backend.Open(Node(7) + "#vid_320f&pid_2002&mi_01", true, true, false), nullptr);
}

TEST_F(HidrawBackendTest, ReadAndWriteMapNodeResults) {
    sys.AddNode(3, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
    auto connection = backend.Open(Node(3) + "#vid_320f&pid_2002&mi_01&col04", true, true, false);
    ASSERT_NE(connection, nullptr);
    const int device = sys.DeviceEnd(3);
    uint8_t buffer[64] = {};

    EXPECT_EQ(connection->ReadInput(buffer, sizeof buffer), 0);  // nothing waits
    ASSERT_TRUE(SendInputReport(device, {0x04, 0xAA, 0xBB}));
    EXPECT_EQ(connection->ReadInput(buffer, sizeof buffer), 3);
    EXPECT_EQ(buffer[1], 0xAA);

    const uint8_t frame[4] = {0x04, 0x01, 0x02, 0x03};
    EXPECT_EQ(connection->WriteOutput(frame, sizeof frame), 4);
    EXPECT_EQ(ReceiveOutputReport(device, 1000), std::vector<uint8_t>(frame, frame + 4));

    sys.Unplug(3);
    EXPECT_EQ(connection->ReadInput(buffer, sizeof buffer), -1);
    EXPECT_EQ(connection->WriteOutput(frame, sizeof frame), -1);
}

}  // namespace
