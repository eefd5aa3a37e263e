// The device I/O worker: jobs in order off the caller's thread, results posted back, a stop
// that drops queued work and releases the running job; and the device's use of it: busy
// while I/O is outstanding, work that waits for it, results of a device that is gone.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "devices/device_io_worker.h"
#include "devices/usb_device.h"

namespace {

constexpr int kWaitMs = 2000;

// The owner's thread as the test sees it: posted tasks wait until the test runs them.
class PostedTasks {
public:
    CDeviceIoWorker::Post Poster() {
        return [this](CDeviceIoWorker::Task task) {
            std::lock_guard<std::mutex> guard(lock_);
            tasks_.push_back(std::move(task));
            arrived_.notify_all();
        };
    }
    // Waits until n tasks were posted (false after kWaitMs).
    bool WaitFor(size_t n) {
        std::unique_lock<std::mutex> guard(lock_);
        return arrived_.wait_for(guard, std::chrono::milliseconds(kWaitMs),
                                 [&] { return tasks_.size() >= n; });
    }
    // Runs the tasks posted so far, oldest first; how many ran.
    size_t RunAll() {
        std::deque<CDeviceIoWorker::Task> now;
        {
            std::lock_guard<std::mutex> guard(lock_);
            now.swap(tasks_);
        }
        for (auto& task : now) task();
        return now.size();
    }
    size_t Count() {
        std::lock_guard<std::mutex> guard(lock_);
        return tasks_.size();
    }

private:
    std::mutex lock_;
    std::condition_variable arrived_;
    std::deque<CDeviceIoWorker::Task> tasks_;
};

// A job that runs until it is let go.
class Gate {
public:
    void Wait() {
        std::unique_lock<std::mutex> guard(lock_);
        entered_ = true;
        changed_.notify_all();
        changed_.wait(guard, [this] { return open_; });
    }
    bool WaitEntered() {
        std::unique_lock<std::mutex> guard(lock_);
        return changed_.wait_for(guard, std::chrono::milliseconds(kWaitMs), [this] { return entered_; });
    }
    void Open() {
        std::lock_guard<std::mutex> guard(lock_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool open_ = false;
};

}  // namespace

TEST(DeviceIoWorker, RunsJobsInOrderOffTheCallersThreadAndPostsEachResult) {
    PostedTasks posted;
    CDeviceIoWorker worker(posted.Poster());
    std::mutex lock;
    std::vector<int> ran;
    std::vector<int> results;
    std::atomic<bool> onCallersThread{false};
    const std::thread::id caller = std::this_thread::get_id();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(worker.Submit(
            [&, i] {
                if (std::this_thread::get_id() == caller) onCallersThread = true;
                std::lock_guard<std::mutex> guard(lock);
                ran.push_back(i);
            },
            [&results, i] { results.push_back(i); }));
    }
    ASSERT_TRUE(posted.WaitFor(3));
    EXPECT_TRUE(results.empty()) << "results run only on the owner's thread";
    EXPECT_EQ(posted.RunAll(), 3u);
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(results, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(onCallersThread);
    EXPECT_FALSE(worker.Pending());
}

TEST(DeviceIoWorker, StopReleasesTheRunningJobAndDropsTheQueuedOnes) {
    PostedTasks posted;
    CDeviceIoWorker worker(posted.Poster());
    Gate gate;
    bool secondRan = false;
    ASSERT_TRUE(worker.Submit([&] { gate.Wait(); }, [] {}));
    ASSERT_TRUE(worker.Submit([&] { secondRan = true; }, [] {}));
    ASSERT_TRUE(gate.WaitEntered());
    EXPECT_TRUE(worker.Pending());

    EXPECT_TRUE(worker.Stop([&] { gate.Open(); }));
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(posted.Count(), 0u) << "a stopped worker hands nothing back";
    EXPECT_FALSE(worker.Submit([] {}, [] {}));
}

TEST(DeviceIoWorker, StopWithoutAJobEverSubmittedReturnsAtOnce) {
    PostedTasks posted;
    CDeviceIoWorker worker(posted.Poster());
    EXPECT_TRUE(worker.Stop());
    EXPECT_FALSE(worker.Submit([] {}, [] {}));
}

// ---- the device's side ----

namespace {

class ReadingDevice : public CVornakelUSBDevice {
public:
    std::atomic<int> reads{0};
    int shown = 0, rereads = 0;
    std::function<void()> duringRead;
    void ReadState() override {
        if (duringRead) duringRead();
        ++reads;
    }
    void ShowReadState() override { ++shown; }
    void OnDeviceTimer2() override { ++rereads; }
};

class DeviceIo : public ::testing::Test {
protected:
    void SetUp() override {
        DeviceOwner owner;
        owner.schedule = [this](int, std::function<void()> task) { scheduled.push_back(std::move(task)); };
        device->SetOwnerWindow(owner);
        device->SetIoOwner(posted.Poster(), [this](bool busy) { busyChanges.push_back(busy); });
    }
    void RunScheduled() {
        std::vector<std::function<void()>> now;
        now.swap(scheduled);
        for (auto& task : now) task();
    }

    PostedTasks posted;
    std::vector<std::function<void()>> scheduled;
    std::vector<bool> busyChanges;
    std::unique_ptr<ReadingDevice> device = std::make_unique<ReadingDevice>();
};

}  // namespace

TEST_F(DeviceIo, FirstReadRunsOnTheWorkerAndIsShownWhenItsResultIsTakenBack) {
    device->ScheduleFirstRead();
    RunScheduled();
    EXPECT_TRUE(device->IoBusy());
    EXPECT_EQ(busyChanges, std::vector<bool>{true});
    ASSERT_TRUE(posted.WaitFor(1));
    EXPECT_EQ(device->reads.load(), 1);
    EXPECT_EQ(device->shown, 0);
    posted.RunAll();
    EXPECT_EQ(device->shown, 1);
    EXPECT_FALSE(device->IoBusy());
    EXPECT_EQ(busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(DeviceIo, WorkDueWhileBusyWaitsForTheIo) {
    device->ScheduleFirstRead();
    RunScheduled();
    ASSERT_TRUE(posted.WaitFor(1));
    // A re-read falls due and a caller asks to use the device while the read is outstanding.
    device->ScheduleResync();
    RunScheduled();
    bool idleTaskRan = false;
    device->WhenIoIdle([&] { idleTaskRan = device->shown == 1; });
    EXPECT_EQ(device->rereads, 0);
    EXPECT_FALSE(idleTaskRan);
    posted.RunAll();
    EXPECT_EQ(device->rereads, 1);
    EXPECT_TRUE(idleTaskRan) << "idle work runs after the read's result was taken in";
}

TEST_F(DeviceIo, ReadOfADeviceThatLeftIsNotShown) {
    device->ScheduleFirstRead();
    RunScheduled();
    ASSERT_TRUE(posted.WaitFor(1));
    device->CancelScheduled();  // the device left while it was read
    posted.RunAll();
    EXPECT_EQ(device->shown, 0);
    EXPECT_FALSE(device->IoBusy());
}

TEST_F(DeviceIo, ResultOfADeviceThatIsGoneIsDropped) {
    device->ScheduleFirstRead();
    RunScheduled();
    ASSERT_TRUE(posted.WaitFor(1));
    device->StopIo();
    device.reset();
    EXPECT_EQ(posted.RunAll(), 1u);  // runs without touching the device (checked by the sanitizers)
}
