// The discovery worker on simulated mice, without a window: what it reports, when, and
// what it does with reports the window did not take.
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include "debug_text_capture.h"
#include "devices/discovery/device_table_store.h"
#include "hid/protocol/supported_devices.h"
#include "devices/discovery/device_discovery.h"
#include "devices/discovery/udev_hidraw_monitor.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "util/worker_thread.h"

namespace {

std::shared_ptr<SimMouse> PlugMouse(const SimMouseModel& model) {
    auto mouse = std::make_shared<SimMouse>(model);
    mouse->Plug();
    return mouse;
}

// Polls `done` every millisecond until it holds or `ms` have passed.
template <class Done>
bool WaitUntil(Done done, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Reports of the worker, as the window would see them.
class ReportLog {
public:
    struct Report {
        bool arrival;
        int slot;
        HidDeviceInfo info;  // the slot as the worker left it while the report was handled
    };

    DiscoveryHooks Hooks(CInterfaceSlots& table) {
        DiscoveryHooks hooks;
        hooks.arrived = [this, &table](int slot) { return Add(true, slot, table.At(slot)); };
        hooks.removed = [this, &table](int slot) { return Add(false, slot, table.At(slot)); };
        hooks.firstPassDone = [this] { ++firstPasses; };
        return hooks;
    }
    // Waits until `count` reports arrived; false on time-out.
    bool WaitFor(size_t count, int ms) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::milliseconds(ms),
                                 [&] { return reports_.size() >= count; });
    }
    std::deque<Report> Reports() {
        std::lock_guard<std::mutex> guard(mutex_);
        return reports_;
    }
    size_t Size() {
        std::lock_guard<std::mutex> guard(mutex_);
        return reports_.size();
    }

    std::atomic<bool> take{true};  // what the window answers
    std::atomic<int> firstPasses{0};

private:
    bool Add(bool arrival, int slot, const HidDeviceInfo& info) {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            reports_.push_back({arrival, slot, info});
        }
        changed_.notify_all();
        return take.load();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Report> reports_;
};

class DiscoveryWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        table.Load(ShippedDeviceTable().Interfaces());
        hooks = log.Hooks(table);
    }
    void TearDown() override {
        worker.Stop();
        SimHidBus::Instance().UnplugAll();
    }
    void Start(int periodMs = kDiscoveryPeriodMs) {
        ASSERT_TRUE(worker.Start(
            [this, periodMs](const StopEvent& stop) { RunDeviceDiscovery(table, stop, hooks, periodMs); }));
    }

    CInterfaceSlots table;
    ReportLog log;
    DiscoveryHooks hooks;
    WorkerThread worker;
};

}  // namespace

TEST_F(DiscoveryWorkerTest, APluggedMouseArrivesWithBothCollectionsWithinAPass) {
    Start();
    ASSERT_TRUE(WaitUntil([&] { return log.firstPasses.load() == 1; }, 1000));
    EXPECT_EQ(log.Size(), 0u) << "nothing plugged, nothing reported";

    auto mouse = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(log.WaitFor(2, 1000));  // the latency itself is measured by app_bench

    const auto reports = log.Reports();
    ASSERT_EQ(reports.size(), 2u);
    // Enumeration order: collection 3 (consumer) comes before collection 4 (command).
    EXPECT_TRUE(reports[0].arrival && reports[1].arrival);
    EXPECT_EQ(reports[0].slot, 5);
    EXPECT_EQ(reports[1].slot, 4);
    const HidDeviceInfo& command = reports[1].info;
    EXPECT_EQ(command.attached, 1) << "bound before the report";
    EXPECT_NE(command.devicePath.find("#vid_320f&pid_21fd&mi_01&col04"), std::string::npos)
        << command.devicePath;
    EXPECT_EQ(command.usagePage, kCommandUsagePage);
    EXPECT_NE(reports[0].info.devicePath.find("&col03"), std::string::npos);
    EXPECT_EQ(log.firstPasses.load(), 1) << "the first-pass notice comes once";

    mouse->Unplug();
    ASSERT_TRUE(log.WaitFor(4, 1000));
    const auto after = log.Reports();
    for (size_t i = 2; i < 4; ++i) {
        EXPECT_FALSE(after[i].arrival);
        EXPECT_EQ(after[i].info.attached, 0) << "the slot is free before the removal is reported";
        EXPECT_TRUE(after[i].info.devicePath.empty());
    }
    EXPECT_TRUE(table.BoundPaths().empty());
}

TEST_F(DiscoveryWorkerTest, TheSimulatedBusWakesDiscoveryWithoutATimedPass) {
    // A period far beyond the waits below: only the bus's notice can trigger these passes.
    constexpr int kNoTimedPassMs = 60000;
    Start(kNoTimedPassMs);
    ASSERT_TRUE(WaitUntil([&] { return log.firstPasses.load() == 1; }, 1000));

    auto mouse = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(log.WaitFor(2, 1000)) << "plugging woke the worker";
    mouse->Unplug();
    ASSERT_TRUE(log.WaitFor(4, 1000)) << "unplugging woke the worker";
    const auto reports = log.Reports();
    EXPECT_TRUE(reports[0].arrival && reports[1].arrival);
    EXPECT_FALSE(reports[2].arrival || reports[3].arrival);

    const auto stopAsked = std::chrono::steady_clock::now();
    worker.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - stopAsked, std::chrono::seconds(1))
        << "the wait ends on stop";
}

TEST(UdevHidrawMonitorTest, OpensOnlyWhileAUdevDaemonRuns) {
    CUdevHidrawMonitor absent("/nonexistent/udev/control");
    EXPECT_FALSE(absent.Open()) << "a monitor without a daemon would never hear anything";
    EXPECT_EQ(absent.Fd(), -1);
    EXPECT_FALSE(absent.TakeChanges());

    // Any existing path stands for the daemon's socket.
    CUdevHidrawMonitor present(KVELM_SOURCE_DIR);
    ASSERT_TRUE(present.Open());
    EXPECT_GE(present.Fd(), 0);
    EXPECT_FALSE(present.TakeChanges()) << "nothing was plugged";
}

TEST_F(DiscoveryWorkerTest, ReportsTheWindowDidNotTakeComeAgainOnTheNextPass) {
    // The window's answer changes only while the worker is stopped, so every report has a
    // known answer.
    log.take = false;  // the window sleeps
    Start();
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    ASSERT_TRUE(log.WaitFor(4, 1000)) << "arrivals are reported again on every pass";
    worker.Stop();
    for (const auto& report : log.Reports())
        EXPECT_TRUE(report.arrival && (report.slot == 2 || report.slot == 3));
    EXPECT_TRUE(table.BoundPaths().empty()) << "an arrival not taken leaves its slot free";

    log.take = true;  // awake again: the next pass binds for good
    const size_t before = log.Size();
    Start();
    ASSERT_TRUE(log.WaitFor(before + 2, 1000));
    Pause(3 * kDiscoveryPeriodMs);
    EXPECT_EQ(log.Size(), before + 2) << "a taken arrival is not reported again";
    EXPECT_EQ(table.BoundPaths().size(), 2u);
    worker.Stop();

    log.take = false;
    const size_t settled = log.Size();
    Start();
    mouse->Unplug();
    ASSERT_TRUE(log.WaitFor(settled + 4, 1000)) << "removals are reported again while not taken";
    // Plugged again while the removal is still pending: the device must be closed first.
    auto again = PlugMouse(SimMouseModel::Mouse());
    Pause(3 * kDiscoveryPeriodMs);
    worker.Stop();
    const auto pending = log.Reports();
    for (size_t i = settled; i < pending.size(); ++i) EXPECT_FALSE(pending[i].arrival) << i;
    EXPECT_TRUE(table.BoundPaths().empty());
    EXPECT_EQ(table.PendingRemovals(), (std::vector<int>{2, 3}));

    log.take = true;
    const size_t resumed = log.Size();
    Start();
    ASSERT_TRUE(log.WaitFor(resumed + 4, 1000)) << "the two removals are taken, then the mouse arrives again";
    const auto last = log.Reports();
    EXPECT_FALSE(last[resumed].arrival);
    EXPECT_FALSE(last[resumed + 1].arrival);
    EXPECT_TRUE(last[resumed + 2].arrival);
    EXPECT_TRUE(last[resumed + 3].arrival);
    EXPECT_TRUE(table.PendingRemovals().empty());
}

TEST_F(DiscoveryWorkerTest, StopsAtOnceWithItsExitLine) {
    DebugCapture debug;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return log.firstPasses.load() == 1; }, 1000));
    EXPECT_EQ(worker.Stop(), WorkerStopResult::Finished) << "ended within the stop protocol's 1000 ms";
    EXPECT_EQ(debug.Count("抓取设备线程设定退出"), 1);
}

TEST_F(DiscoveryWorkerTest, TwoModelsAtOnceFillTheirOwnSlots) {
    Start();
    auto first = PlugMouse(SimMouseModel::Mouse());
    auto second = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(log.WaitFor(4, 1000));
    std::vector<int> bound;
    for (const auto& b : table.BoundPaths()) bound.push_back(b.slot);
    EXPECT_EQ(bound, (std::vector<int>{2, 3, 4, 5}));

    auto sameModel = PlugMouse(SimMouseModel::Mouse());
    Pause(3 * kDiscoveryPeriodMs);
    EXPECT_EQ(log.Size(), 4u) << "a second mouse of one model waits until the first is gone";
    first->Unplug();
    ASSERT_TRUE(log.WaitFor(8, 1500)) << "two removals, then the waiting mouse's two arrivals";
    EXPECT_NE(table.At(2).devicePath.find("sim:" + std::to_string(sameModel->BusId()) + ":"),
              std::string::npos)
        << table.At(2).devicePath;
}
