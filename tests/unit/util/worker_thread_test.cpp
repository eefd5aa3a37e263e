#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "debug_capture.h"
#include "util/stop_event.h"
#include "util/worker_thread.h"

namespace {

using namespace std::chrono;

const char* const kFinished = "线程退出：：对象处于激发状态\n";
const char* const kTimedOut = "线程退出：：对象处于非激发状态，超时\n";

TEST(WorkerThread, StopOfAWorkerThatWaitsOnItsEventFinishesAndSaysSo) {
    DebugCapture capture;
    WorkerThread worker;
    std::atomic<int> loops{0};
    ASSERT_TRUE(worker.Start([&](const StopEvent& stop) {
        while (!stop.Wait(1)) ++loops;
    }));
    EXPECT_TRUE(worker.Running());
    EXPECT_FALSE(worker.Start([](const StopEvent&) {})) << "one worker per object";
    std::this_thread::sleep_for(milliseconds(10));

    bool released = false;
    const auto start = steady_clock::now();
    EXPECT_EQ(worker.Stop([&] { released = true; }), WorkerStopResult::Finished);
    EXPECT_LT(steady_clock::now() - start, milliseconds(500));
    EXPECT_TRUE(released);
    EXPECT_FALSE(worker.Running());
    EXPECT_GT(loops.load(), 0);
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{kFinished});
}

TEST(WorkerThread, NeverStartedWorkerStopsSilently) {
    DebugCapture capture;
    WorkerThread worker;
    EXPECT_EQ(worker.Stop(), WorkerStopResult::NotStarted);
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(WorkerThread, RestartClearsTheEvent) {
    WorkerThread worker;
    ASSERT_TRUE(worker.Start([](const StopEvent& stop) { stop.Wait(-1); }));
    EXPECT_EQ(worker.Stop(), WorkerStopResult::Finished);
    EXPECT_TRUE(worker.Event().IsSet());
    std::atomic<int> seen{0};  // 1: clear at start, 2: set at start
    ASSERT_TRUE(worker.Start([&](const StopEvent& stop) {
        seen = stop.IsSet() ? 2 : 1;
        stop.Wait(-1);
    }));
    const auto start = steady_clock::now();
    while (seen == 0 && steady_clock::now() - start < seconds(5))
        std::this_thread::sleep_for(milliseconds(1));
    EXPECT_EQ(worker.Stop(), WorkerStopResult::Finished);
    EXPECT_EQ(seen.load(), 1);
}

// A worker that ignores its event is given up after the time-out; it must be able to go on
// using its event after the owning object is gone.
TEST(WorkerThread, TimedOutWorkerIsDetachedAndOutlivesItsOwner) {
    DebugCapture capture;
    StopEvent release;
    std::atomic<bool> touchedEventAfterOwnerGone{false};
    {
        auto worker = std::make_unique<WorkerThread>();
        ASSERT_TRUE(worker->Start([&](const StopEvent& stop) {
            release.Wait(5000);
            touchedEventAfterOwnerGone = stop.IsSet();  // the owner is gone by now
        }));
        EXPECT_EQ(worker->Stop({}, 50), WorkerStopResult::TimedOut);
        EXPECT_TRUE(worker->Running());
        EXPECT_FALSE(worker->Start([](const StopEvent&) {}));
    }  // destroyed while the thread still runs
    release.Set();
    const auto start = steady_clock::now();
    while (!touchedEventAfterOwnerGone && steady_clock::now() - start < seconds(5))
        std::this_thread::sleep_for(milliseconds(1));
    EXPECT_TRUE(touchedEventAfterOwnerGone.load());
    // One line: the owner's destructor does not wait a second time for a worker given up.
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{kTimedOut});
    std::this_thread::sleep_for(milliseconds(20));  // let the detached thread return
}

TEST(WorkerThread, DestructorStopsARunningWorker) {
    DebugCapture capture;
    std::atomic<bool> ended{false};
    {
        WorkerThread worker;
        ASSERT_TRUE(worker.Start([&](const StopEvent& stop) {
            stop.Wait(-1);
            ended = true;
        }));
    }
    EXPECT_TRUE(ended.load());
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{kFinished});
}

}  // namespace
