#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "util/stop_event.h"

namespace {

using namespace std::chrono;

TEST(StopEvent, StaysSetUntilResetAndPollSeesIt) {
    StopEvent e;
    ASSERT_GE(e.Fd(), 0);
    EXPECT_FALSE(e.IsSet());
    EXPECT_FALSE(e.Wait(0));
    e.Set();
    e.Set();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(e.Wait(0)) << "manual reset: waiting must not consume it";
    pollfd p{e.Fd(), POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 0), 1);
    e.Reset();
    EXPECT_FALSE(e.IsSet());
    EXPECT_EQ(poll(&p, 1, 0), 0);
}

TEST(StopEvent, WaitTimesOutWhenNotSet) {
    StopEvent e;
    const auto start = steady_clock::now();
    EXPECT_FALSE(e.Wait(30));
    EXPECT_GE(steady_clock::now() - start, milliseconds(25));
}

TEST(StopEvent, SetWakesThreadsWaitingWithoutLimitAndInPoll) {
    StopEvent e;
    std::atomic<int> woken{0};
    std::thread waiter([&] {
        if (e.Wait(-1)) ++woken;
    });
    std::thread poller([&] {
        pollfd p{e.Fd(), POLLIN, 0};
        if (poll(&p, 1, 5000) == 1) ++woken;
    });
    std::this_thread::sleep_for(milliseconds(20));
    EXPECT_EQ(woken.load(), 0);
    e.Set();
    waiter.join();
    poller.join();
    EXPECT_EQ(woken.load(), 2);
}

}  // namespace
