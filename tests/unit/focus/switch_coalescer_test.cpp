// One switch in flight per device; the last request wins.
#include <gtest/gtest.h>

#include <random>

#include "focus/focus_watcher.h"
#include "focus/switch_coalescer.h"

namespace {

TEST(SwitchCoalescer, RequestsWhileBusyCollapseIntoTheLast) {
    CSwitchCoalescer coalescer;
    coalescer.SetApplied(0);
    EXPECT_FALSE(coalescer.Request(0));  // already there
    EXPECT_TRUE(coalescer.Request(2));
    EXPECT_FALSE(coalescer.Request(1));
    EXPECT_FALSE(coalescer.Request(3));
    EXPECT_EQ(coalescer.Done(), 3);  // 1 was overtaken
    EXPECT_EQ(coalescer.Applied(), 2);
    EXPECT_EQ(coalescer.Done(), -1);
    EXPECT_EQ(coalescer.Applied(), 3);
    EXPECT_FALSE(coalescer.InFlight());
}

TEST(SwitchCoalescer, BackToTheProfileOnItsWayCancelsThePending) {
    CSwitchCoalescer coalescer;
    coalescer.SetApplied(0);
    ASSERT_TRUE(coalescer.Request(2));
    EXPECT_FALSE(coalescer.Request(0));
    EXPECT_FALSE(coalescer.Request(2));
    EXPECT_EQ(coalescer.Done(), -1);
    EXPECT_EQ(coalescer.Applied(), 2);
    // Pending back to where the device already was after the switch in flight.
    ASSERT_TRUE(coalescer.Request(1));
    EXPECT_FALSE(coalescer.Request(2));
    EXPECT_EQ(coalescer.Done(), 2);
    EXPECT_EQ(coalescer.Done(), -1);
    EXPECT_EQ(coalescer.Applied(), 2);
}

TEST(SwitchCoalescer, StormEndsOnTheLastRequestWithFewSwitches) {
    CSwitchCoalescer coalescer;
    coalescer.SetApplied(0);
    std::mt19937 random(7);
    int started = 0;
    int last = 0;
    // Requests arrive twenty times faster than switches finish.
    for (int i = 0; i < 400; ++i) {
        last = static_cast<int>(random() % 3);
        if (coalescer.Request(last)) ++started;
        if (i % 20 == 19 && coalescer.InFlight() && coalescer.Done() >= 0) ++started;
    }
    while (coalescer.InFlight()) {
        if (coalescer.Done() >= 0) ++started;
    }
    EXPECT_EQ(coalescer.Applied(), last);
    EXPECT_LE(started, 400 / 20 * 2 + 2);
}

TEST(FocusBackend, AnXDisplayWinsOverWayland) {
    struct Case {
        const char* display;
        const char* wayland;
        FocusBackend backend;
    };
    const Case cases[] = {
        {":0", nullptr, FocusBackend::X11},
        {":0", "wayland-0", FocusBackend::X11},  // XWayland clients, games among them
        {nullptr, "wayland-0", FocusBackend::Wayland},
        {"", "wayland-0", FocusBackend::Wayland},
        {nullptr, nullptr, FocusBackend::None},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseFocusBackend(c.display, c.wayland), c.backend);
    EXPECT_EQ(MakeFocusWatcher(FocusBackend::Wayland), nullptr);
    EXPECT_EQ(MakeFocusWatcher(FocusBackend::None), nullptr);
}

}  // namespace
