// CHidDevice over the hidraw backend with stand-in nodes: enumeration cursor, open,
// collection filtering, time-outs, abort from another thread and device removal.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <thread>

#include "fake_sysfs.h"
#include "hid/hid_device.h"
#include "hid/hidraw_backend.h"
#include "test_descriptors.h"

namespace {

using namespace std::chrono_literals;

constexpr int kCommandNode = 3;

class HidDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = HidBackends();
        HidBackends() = {std::make_shared<HidrawBackend>(sys.SysRoot(), sys.DevRoot(), sys.Opener())};
        sys.AddNode(kCommandNode, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor, 0x0105);
    }
    void TearDown() override { HidBackends() = saved_; }

    std::string Path(int collection) const {
        return sys.DevRoot() + "/hidraw3#vid_320f&pid_2002&mi_01&col0" + std::to_string(collection);
    }
    static std::vector<uint8_t> Report(uint8_t id, uint8_t marker, size_t length = 64) {
        std::vector<uint8_t> report(length, 0);
        report[0] = id;
        report[1] = marker;
        return report;
    }
    // Gives a reader on another thread time to reach its wait.
    static void LetReaderBlock() { std::this_thread::sleep_for(50ms); }

    FakeSysfs sys;
    std::vector<std::shared_ptr<IHidBackend>> saved_;
};

TEST_F(HidDeviceTest, CursorHandsOutEveryPathThenNothing) {
    // More interfaces than the first list capacity of 8.
    for (int node = 10; node < 30; ++node)
        sys.AddNode(node, 0x1234, static_cast<uint16_t>(node), 0, kBootMouseDescriptor);
    CHidDevice hid;
    EXPECT_EQ(hid.NextPath(), nullptr);  // no list yet
    ASSERT_TRUE(hid.Enumerate());
    std::vector<std::string> seen;
    while (const std::string* path = hid.NextPath()) seen.push_back(*path);
    ASSERT_EQ(seen.size(), 24u);  // 4 collections of node 3 and 20 single ones
    EXPECT_EQ(seen[3], Path(4));
    EXPECT_EQ(seen[4], sys.DevRoot() + "/hidraw10#vid_1234&pid_000a&mi_00");
    EXPECT_EQ(seen[23], sys.DevRoot() + "/hidraw29#vid_1234&pid_001d&mi_00");
    EXPECT_EQ(hid.NextPath(), nullptr);
    EXPECT_EQ(hid.NextPath(), nullptr);

    // A new pass starts at the beginning; clearing drops the list.
    ASSERT_TRUE(hid.Enumerate());
    ASSERT_NE(hid.NextPath(), nullptr);
    hid.ClearPaths();
    EXPECT_EQ(hid.NextPath(), nullptr);
}

TEST_F(HidDeviceTest, EnumerationFailsWhenABackendFails) {
    class FailingBackend : public IHidBackend {
    public:
        bool Enumerate(std::vector<std::string>&) override { return false; }
        bool Handles(const std::string&) const override { return false; }
        std::unique_ptr<IHidConnection> Open(const std::string&, bool, bool, bool) override {
            return nullptr;
        }
        bool IsPresent(const std::string&) override { return false; }
    };
    HidBackends().push_back(std::make_shared<FailingBackend>());
    CHidDevice hid;
    EXPECT_FALSE(hid.Enumerate());
    EXPECT_EQ(hid.NextPath(), nullptr);
}

TEST_F(HidDeviceTest, OpenBuildsTheCollectionDescription) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    EXPECT_TRUE(hid.IsOpen());
    EXPECT_EQ(hid.Caps().usagePage, 0xFF1C);
    EXPECT_EQ(hid.Caps().usage, 0x0092);
    EXPECT_EQ(hid.Caps().inputReportByteLength, 64);
    EXPECT_EQ(hid.Caps().outputReportByteLength, 64);
    EXPECT_EQ(hid.Attributes().vendorId, 0x320F);
    EXPECT_EQ(hid.Attributes().productId, 0x2002);
    EXPECT_EQ(hid.Attributes().versionNumber, 0x0105);
    EXPECT_EQ(hid.InterfaceNumber(), 1u);
    EXPECT_EQ(hid.CollectionNumber(), 4u);
    EXPECT_EQ(hid.DevicePath(), Path(4));
    EXPECT_EQ(hid.InputReportBuffer(), std::vector<uint8_t>(64, 0));
    ASSERT_EQ(hid.InputItems().size(), 1u);
    EXPECT_FALSE(hid.InputItems()[0].isButtonData);
    EXPECT_EQ(hid.OutputItems().size(), 1u);
    EXPECT_TRUE(hid.FeatureItems().empty());

    // Opening another collection replaces the description.
    ASSERT_TRUE(hid.Open(Path(3), true, false, true, false));
    EXPECT_EQ(hid.Caps().usagePage, 0x000C);
    EXPECT_EQ(hid.Caps().inputReportByteLength, 5);
    ASSERT_EQ(hid.InputItems().size(), 1u);
    EXPECT_EQ(hid.InputItems()[0].usageList.size(), 2u);

    hid.Close();
    EXPECT_FALSE(hid.IsOpen());
    EXPECT_TRUE(hid.InputItems().empty());
    EXPECT_TRUE(hid.InputReportBuffer().empty());
    hid.Close();  // closing twice is harmless
}

TEST_F(HidDeviceTest, OpenRefusesPathsItCannotServe) {
    sys.AddNode(5, 0x320F, 0x2002, 0, {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01});  // never closed
    sys.AddNode(6, 0x320F, 0x2002, 0, kBootMouseDescriptor);
    sys.SetOpenError(6, EACCES);  // present, but no rule grants this user access
    const struct {
        std::string path;
        HidOpenError error;
    } cases[] = {
        {Path(5), HidOpenError::NoSuchCollection},  // beyond the last collection
        {sys.DevRoot() + "/hidraw3#vid_320f&pid_2002&mi_01", HidOpenError::NoSuchCollection},  // none named
        {sys.DevRoot() + "/hidraw5#vid_320f&pid_2002&mi_00", HidOpenError::BadDescriptor},
        {sys.DevRoot() + "/hidraw6#vid_320f&pid_2002&mi_00", HidOpenError::AccessDenied},
        {sys.DevRoot() + "/hidraw9#vid_320f&pid_2002&mi_01", HidOpenError::NotFound},
        {"nowhere:1#vid_320f&pid_2002", HidOpenError::NoBackend},
    };
    for (const auto& c : cases) {
        CHidDevice hid;
        EXPECT_FALSE(hid.Open(c.path, true, true, true, false)) << c.path;
        EXPECT_EQ(hid.LastOpenError(), c.error) << c.path;
        EXPECT_FALSE(hid.IsOpen()) << c.path;
        uint8_t buffer[64];
        EXPECT_EQ(hid.ReadReport(buffer, sizeof buffer, 0), 0);
    }
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    EXPECT_EQ(hid.LastOpenError(), HidOpenError::None);
}

TEST_F(HidDeviceTest, ReadDeliversOnlyReportsOfTheOpenedCollection) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    const int device = sys.DeviceEnd(kCommandNode);
    ASSERT_TRUE(SendInputReport(device, Report(3, 0x11, 5)));
    ASSERT_TRUE(SendInputReport(device, Report(1, 0x22, 2)));
    ASSERT_TRUE(SendInputReport(device, Report(4, 0x33)));
    ASSERT_TRUE(SendInputReport(device, Report(4, 0x44)));

    std::vector<uint8_t> buffer(64);
    size_t transferred = 0;
    ASSERT_NE(hid.ReadReport(buffer.data(), buffer.size(), 1000, &transferred), 0);
    EXPECT_EQ(transferred, 64u);
    EXPECT_EQ(buffer, Report(4, 0x33));
    ASSERT_NE(hid.ReadReport(buffer.data(), buffer.size(), 1000, &transferred), 0);
    EXPECT_EQ(buffer[1], 0x44);

    // Only another collection's reports arrive: the read times out.
    ASSERT_TRUE(SendInputReport(device, Report(3, 0x55, 5)));
    transferred = 99;
    EXPECT_EQ(hid.ReadReport(buffer.data(), buffer.size(), 50, &transferred), 0);
    EXPECT_EQ(transferred, 0u);
}

TEST_F(HidDeviceTest, ReadTimesOutAndRefusesShortBuffers) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    std::vector<uint8_t> buffer(64);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(hid.ReadReport(buffer.data(), buffer.size(), 60), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 55ms);
    EXPECT_FALSE(hid.DeviceGone());

    ASSERT_TRUE(SendInputReport(sys.DeviceEnd(kCommandNode), Report(4, 0x01)));
    EXPECT_EQ(hid.ReadReport(buffer.data(), 63, 100), 0);  // less than one report
    EXPECT_NE(hid.ReadReport(buffer.data(), 64, 100), 0);  // the report is still there
}

TEST_F(HidDeviceTest, CloseReleasesABlockedReadAndTheNode) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(3), true, true, true, false));
    const int device = sys.DeviceEnd(kCommandNode);
    // The reader fills the object's own report buffer, which Close releases.
    auto reader = std::async(std::launch::async, [&hid] {
        std::vector<uint8_t>& buffer = hid.InputReportBuffer();
        return hid.ReadReport(buffer.data(), buffer.size(), kHidInfinite);
    });
    LetReaderBlock();
    ASSERT_EQ(reader.wait_for(0ms), std::future_status::timeout);
    hid.Close();
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0);
    EXPECT_FALSE(hid.IsOpen());
    EXPECT_FALSE(hid.DeviceGone());
    // A worker that still unpacks learns that nothing is there any more.
    const uint8_t resync[] = {0x03, 0x01, 0x04, 0x00, 0x00};
    EXPECT_FALSE(hid.UnpackInputReport(resync, sizeof resync, hid.InputItems()));
    // The node was closed: the device end sees the host hang up.
    pollfd fd{device, POLLIN, 0};
    ASSERT_EQ(::poll(&fd, 1, 1000), 1);
    EXPECT_NE(fd.revents & POLLHUP, 0);
}

TEST_F(HidDeviceTest, OpenOnAnotherThreadReleasesABlockedRead) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    auto reader = std::async(std::launch::async, [&hid] {
        uint8_t buffer[64];
        return hid.ReadReport(buffer, sizeof buffer, kHidInfinite);
    });
    LetReaderBlock();
    ASSERT_TRUE(hid.Open(Path(3), true, true, true, false));
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0);
    EXPECT_TRUE(hid.IsOpen());
}

TEST_F(HidDeviceTest, SignalStopReleasesOneReadAndTheDeviceStaysOpen) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    const int device = sys.DeviceEnd(kCommandNode);
    auto reader = std::async(std::launch::async, [&hid] {
        uint8_t buffer[64];
        return hid.ReadReport(buffer, sizeof buffer, kHidInfinite);
    });
    LetReaderBlock();
    hid.SignalStop();
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0);
    EXPECT_TRUE(hid.IsOpen());

    std::vector<uint8_t> buffer(64);
    ASSERT_TRUE(SendInputReport(device, Report(4, 0x77)));
    ASSERT_NE(hid.ReadReport(buffer.data(), buffer.size(), 1000), 0);
    EXPECT_EQ(buffer[1], 0x77);

    // A stop signalled while nobody waits ends the next read, and only that one.
    hid.SignalStop();
    ASSERT_TRUE(SendInputReport(device, Report(4, 0x78)));
    EXPECT_EQ(hid.ReadReport(buffer.data(), buffer.size(), 1000), 0);
    ASSERT_NE(hid.ReadReport(buffer.data(), buffer.size(), 1000), 0);
    EXPECT_EQ(buffer[1], 0x78);
}

TEST_F(HidDeviceTest, UnplugMarksTheDeviceGone) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    auto reader = std::async(std::launch::async, [&hid] {
        uint8_t buffer[64];
        return hid.ReadReport(buffer, sizeof buffer, kHidInfinite);
    });
    LetReaderBlock();
    sys.Unplug(kCommandNode);
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0);
    EXPECT_TRUE(hid.DeviceGone());
    const std::vector<uint8_t> frame = Report(4, 0x01);
    EXPECT_EQ(hid.WriteReport(frame.data(), frame.size(), 100), 0);

    // A write is the first to notice.
    CHidDevice writer;
    ASSERT_TRUE(writer.Open(Path(4), true, true, true, false));
    sys.Unplug(kCommandNode);
    EXPECT_EQ(writer.WriteReport(frame.data(), frame.size(), 100), 0);
    EXPECT_TRUE(writer.DeviceGone());
}

TEST_F(HidDeviceTest, WriteSendsTheReportAsGiven) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(4), true, true, true, false));
    std::vector<uint8_t> frame = Report(4, 0x03);
    frame[63] = 0x5A;
    size_t transferred = 0;
    ASSERT_NE(hid.WriteReport(frame.data(), frame.size(), 1000, &transferred), 0);
    EXPECT_EQ(transferred, 64u);
    EXPECT_EQ(ReceiveOutputReport(sys.DeviceEnd(kCommandNode), 1000), frame);

    // Opened for reading only: nothing reaches the device.
    CHidDevice reader;
    ASSERT_TRUE(reader.Open(Path(4), true, false, true, false));
    EXPECT_EQ(reader.WriteReport(frame.data(), frame.size(), 100, &transferred), 0);
    EXPECT_EQ(transferred, 0u);
    EXPECT_TRUE(ReceiveOutputReport(sys.DeviceEnd(kCommandNode), 50).empty());
}

TEST_F(HidDeviceTest, InputWorkerPatternFindsTheResyncUsage) {
    CHidDevice hid;
    ASSERT_TRUE(hid.Open(Path(3), true, false, true, false));
    ASSERT_TRUE(SendInputReport(sys.DeviceEnd(kCommandNode), Report(4, 0x01)));  // the command channel's
    ASSERT_TRUE(SendInputReport(sys.DeviceEnd(kCommandNode), {0x03, 0x01, 0x04, 0x00, 0x00}));
    std::vector<uint8_t>& buffer = hid.InputReportBuffer();
    size_t transferred = 0;
    ASSERT_NE(hid.ReadReport(buffer.data(), buffer.size(), 1000, &transferred), 0);
    ASSERT_TRUE(hid.UnpackInputReport(buffer.data(), transferred, hid.InputItems()));
    EXPECT_EQ(hid.InputItems()[0].usageList[0], 0x0401);
}

TEST_F(HidDeviceTest, IsPresentAsksTheOwningBackend) {
    EXPECT_TRUE(CHidDevice::IsPresent(Path(4)));
    EXPECT_FALSE(CHidDevice::IsPresent("nowhere:1#vid_320f"));
    sys.RemoveNode(kCommandNode);
    EXPECT_FALSE(CHidDevice::IsPresent(Path(4)));
}

}  // namespace
