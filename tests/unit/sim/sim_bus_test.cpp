// The simulated bus and backend seen from the host: paths, descriptors, per-handle input
// queues, unplugging and delayed delivery.
#include <gtest/gtest.h>
#include <poll.h>
#include <algorithm>
#include <chrono>
#include <atomic>
#include <thread>
#include "hid/hid_backend.h"
#include "hid/hid_device.h"
#include "sim/sim_backend.h"
#include "sim/sim_bus.h"
#include "sim/sim_devices.h"
#include "sim_test_host.h"

namespace {

class SimBusTest : public ::testing::Test {
protected:
    void SetUp() override { SimHidBus::Instance().UnplugAll(); }
    void TearDown() override { SimHidBus::Instance().UnplugAll(); }
};

short PollEvents(int fd, int timeoutMs = 0) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0 ? p.revents : 0;
}

TEST_F(SimBusTest, ListsOnePathPerTopLevelCollectionOfBothModels) {
    auto wired = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    auto m3389 = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
    const int a = wired->Plug();
    const int b = m3389->Plug();
    ASSERT_NE(a, b);

    std::vector<std::string> paths;
    ASSERT_TRUE(SimHidBackend().Enumerate(paths));
    std::vector<std::string> expected;
    for (auto [id, pid] : {std::pair{a, "2002"}, std::pair{b, "21fd"}}) {
        const std::string ids = std::string("vid_320f&pid_") + pid;
        expected.push_back("sim:" + std::to_string(id) + ":00#" + ids + "&mi_00");
        for (int col = 1; col <= 4; ++col)
            expected.push_back("sim:" + std::to_string(id) + ":01#" + ids + "&mi_01&col0" +
                               std::to_string(col));
    }
    EXPECT_EQ(paths, expected);
}

TEST_F(SimBusTest, PlugAddsTheBackendOnceEvenAfterTheListWasReplaced) {
    auto countSim = [] {
        return std::count_if(HidBackends().begin(), HidBackends().end(), [](const auto& backend) {
            return dynamic_cast<SimHidBackend*>(backend.get()) != nullptr;
        });
    };
    auto saved = HidBackends();
    HidBackends().clear();
    PlugSimulatedDevices("mouse,mouse", nullptr);
    EXPECT_EQ(countSim(), 1);

    // CHidDevice sees the simulated paths among all others.
    CHidDevice cursor;
    ASSERT_TRUE(cursor.Enumerate());
    int simulated = 0;
    while (const std::string* path = cursor.NextPath()) simulated += path->rfind("sim:", 0) == 0;
    EXPECT_EQ(simulated, 10);
    HidBackends() = saved;
}

struct CollectionCase {
    int interfaceNumber;
    int collection;
    uint16_t usagePage, usage;
    uint16_t inputLength, outputLength;
};

TEST_F(SimBusTest, DescriptorsGiveTheCollectionsTheHostLooksFor) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const int id = mouse->Plug();
    const CollectionCase cases[] = {
        {0, 0, 0x0001, 0x0002, 4, 0},    // boot mouse: buttons, X, Y, wheel
        {1, 1, 0x0001, 0x0006, 9, 2},    // keyboard
        {1, 2, 0x0001, 0x0080, 2, 0},    // system control
        {1, 3, 0x000C, 0x0001, 3, 0},    // consumer control: id + one 16-bit usage
        {1, 4, 0xFF1C, 0x0092, 64, 64},  // command collection
    };
    for (const CollectionCase& c : cases) {
        SCOPED_TRACE(c.collection);
        CHidDevice device;
        ASSERT_TRUE(device.Open(SimPath(id, c.interfaceNumber, c.collection), true, false, true, false));
        EXPECT_EQ(device.Caps().usagePage, c.usagePage);
        EXPECT_EQ(device.Caps().usage, c.usage);
        EXPECT_EQ(device.Caps().inputReportByteLength, c.inputLength);
        EXPECT_EQ(device.Caps().outputReportByteLength, c.outputLength);
        EXPECT_EQ(device.Attributes().vendorId, 0x320F);
        EXPECT_EQ(device.Attributes().productId, 0x2002);
    }
}

TEST_F(SimBusTest, EveryOpenHandleGetsItsOwnCopyAndTheFdFollowsTheQueue) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const std::string path = SimPath(mouse->Plug(), 1, 3);
    SimHidBackend backend;
    auto first = backend.Open(path, true, true, false);
    auto second = backend.Open(path, true, true, false);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(PollEvents(first->PollFd()), 0);

    mouse->RequestResync();
    for (auto* handle : {first.get(), second.get()}) {
        EXPECT_TRUE(PollEvents(handle->PollFd()) & POLLIN);
        uint8_t report[8] = {};
        ASSERT_EQ(handle->ReadInput(report, sizeof report), 3);
        EXPECT_EQ(Bytes(report, report + 3), (Bytes{3, 0x01, 0x04}));
        ASSERT_EQ(handle->ReadInput(report, sizeof report), 3);
        EXPECT_EQ(Bytes(report, report + 3), (Bytes{3, 0x00, 0x00}));  // key released
        EXPECT_EQ(handle->ReadInput(report, sizeof report), 0);
        EXPECT_EQ(PollEvents(handle->PollFd()), 0);
    }
}

TEST_F(SimBusTest, QueueKeepsAtMost64ReportsAndCutsLongOnesToTheBuffer) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    auto handle = SimHidBackend().Open(SimPath(mouse->Plug(), 1, 3), true, false, false);
    ASSERT_TRUE(handle);
    for (int i = 0; i < 40; ++i) mouse->RequestResync();  // 80 reports
    int count = 0;
    uint8_t report[2];
    while (handle->ReadInput(report, sizeof report) > 0) ++count;
    EXPECT_EQ(count, 64);

    mouse->RequestResync();
    EXPECT_EQ(handle->ReadInput(report, 2), 2);  // a 3-byte report cut to the 2-byte buffer
    EXPECT_EQ(report[1], 0x01);
}

TEST_F(SimBusTest, UnplugHangsUpOpenHandlesAndRemovesThePaths) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const int id = mouse->Plug();
    const std::string path = SimPath(id, 1, 4);
    SimHidBackend backend;
    auto handle = backend.Open(path, true, true, false);
    ASSERT_TRUE(handle);
    EXPECT_TRUE(backend.IsPresent(path));
    mouse->RequestResync();  // queued before the unplug: still readable after it

    mouse->Unplug();
    EXPECT_EQ(mouse->BusId(), -1);
    EXPECT_TRUE(PollEvents(handle->PollFd()) & POLLHUP);
    uint8_t report[64];
    EXPECT_EQ(handle->ReadInput(report, sizeof report), 3);
    EXPECT_EQ(handle->ReadInput(report, sizeof report), 3);
    EXPECT_EQ(handle->ReadInput(report, sizeof report), -1);
    const Bytes frame = MakeFrame(1, 0, 0);
    EXPECT_EQ(handle->WriteOutput(frame.data(), frame.size()), -1);
    EXPECT_FALSE(backend.IsPresent(path));
    EXPECT_FALSE(backend.Open(path, true, true, false));
    EXPECT_EQ(SimPath(id, 1, 4), "");
    EXPECT_TRUE(mouse->CommandFrames().empty());  // the write never reached the device
}

TEST_F(SimBusTest, UnplugReleasesABlockedReadOfCHidDevice) {
    SimMouseHost host;
    ASSERT_TRUE(host.Opened());
    std::atomic<int> result{-1};
    std::thread reader([&] {
        uint8_t buffer[64];
        result = host.Channel().ReadReport(buffer, sizeof buffer, kHidInfinite);
    });
    host.Mouse().Unplug();
    reader.join();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(host.Channel().DeviceGone());
}

TEST_F(SimBusTest, ExclusiveAndSharedOpensDoNotMix) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const std::string path = SimPath(mouse->Plug(), 1, 4);
    SimHidBackend backend;
    {
        auto shared = backend.Open(path, true, true, false);
        ASSERT_TRUE(shared);
        EXPECT_FALSE(backend.Open(path, true, true, true));
    }
    auto exclusive = backend.Open(path, true, true, true);
    ASSERT_TRUE(exclusive);
    EXPECT_FALSE(backend.Open(path, true, false, false));
}

TEST_F(SimBusTest, RejectsMalformedAndForeignPaths) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const int id = mouse->Plug();
    SimHidBackend backend;
    for (const std::string& path :
         {"sim:" + std::to_string(id) + ":02", "sim:" + std::to_string(id + 100) + ":01",
          std::string("sim:x:01"), std::string("sim:1"), std::string("/dev/hidraw0")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(backend.Open(path, true, true, false));
        EXPECT_FALSE(backend.IsPresent(path));
    }
    EXPECT_FALSE(backend.Handles("/dev/hidraw0#vid_320f"));
    EXPECT_TRUE(backend.Handles("sim:1:01#vid_320f"));
}

TEST_F(SimBusTest, DelayedReportsArriveLateAndInOrder) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    auto handle = SimHidBackend().Open(SimPath(mouse->Plug(), 1, 4), true, false, false);
    ASSERT_TRUE(handle);
    auto& bus = SimHidBus::Instance();
    const auto start = std::chrono::steady_clock::now();
    bus.SendInputReport(mouse.get(), 1, {4, 2}, 150);
    bus.SendInputReport(mouse.get(), 1, {4, 1}, 100);
    bus.SendInputReport(mouse.get(), 1, {4, 3}, 150);
    EXPECT_EQ(PollEvents(handle->PollFd()), 0);

    Bytes order;
    while (order.size() < 3) {
        ASSERT_TRUE(PollEvents(handle->PollFd(), 2000) & POLLIN);
        uint8_t report[2];
        while (handle->ReadInput(report, 2) == 2) order.push_back(report[1]);
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    EXPECT_EQ(order, (Bytes{1, 2, 3}));
}

TEST_F(SimBusTest, DelayedReportsOfAnUnpluggedDeviceAreDropped) {
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    SimHidBackend backend;
    auto old = backend.Open(SimPath(mouse->Plug(), 1, 4), true, false, false);
    SimHidBus::Instance().SendInputReport(mouse.get(), 1, {4, 1}, 50);
    mouse->Unplug();

    // Plugged again under a new id; a later report shows the earlier one is gone.
    auto fresh = backend.Open(SimPath(mouse->Plug(), 1, 4), true, false, false);
    ASSERT_TRUE(old && fresh);
    SimHidBus::Instance().SendInputReport(mouse.get(), 1, {4, 2}, 100);
    ASSERT_TRUE(PollEvents(fresh->PollFd(), 2000) & POLLIN);
    uint8_t report[2];
    EXPECT_EQ(fresh->ReadInput(report, 2), 2);
    EXPECT_EQ(report[1], 2);
    EXPECT_EQ(fresh->ReadInput(report, 2), 0);
    EXPECT_EQ(old->ReadInput(report, 2), -1);
}

}  // namespace
