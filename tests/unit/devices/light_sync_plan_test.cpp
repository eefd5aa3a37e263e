// What light synchronisation writes to each connected device, and the worker's queue.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "devices/light_sync_plan.h"
#include "devices/light_sync_requests.h"
#include "hid/protocol/supported_devices.h"

namespace {

const LightInfoRecord kFlashingMouse{7, 3, 2, 1, 0, 0x10, 0x20, 0x30};

TEST(LightSyncPlan, EachKindGetsItsModeInKindOrder) {
    const LightSyncTarget targets[] = {
        {DeviceKind::kMouse, true},          // 0: the source itself
        {DeviceKind::kHeadsetHs6533, true},  // 1
        {DeviceKind::kMousePad, true},       // 2
        {DeviceKind::kKeyboard, true},       // 3
        {DeviceKind::kMouseVariant, false},  // 4: not connected
        {DeviceKind::kHubIconOnly, true},    // 5: takes no part
    };
    const std::vector<LightSyncStep> steps = PlanLightSync(DeviceKind::kMouse, kFlashingMouse, targets);
    ASSERT_EQ(steps.size(), 4u);
    const size_t order[] = {3, 0, 2, 1};  // keyboards, mice, mouse pads, headsets
    const uint8_t modes[] = {17, 7, 4, 4};
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].target, order[i]);
        LightInfoRecord expected = kFlashingMouse;
        expected.selectItem = modes[i];
        EXPECT_EQ(steps[i].record, expected) << "step " << i;
    }
}

TEST(LightSyncPlan, NothingWithoutACommonEffect) {
    const LightSyncTarget targets[] = {{DeviceKind::kKeyboard, true}, {DeviceKind::kMousePad, true}};
    LightInfoRecord custom = kFlashingMouse;
    custom.selectItem = 8;  // the keyboard's custom colours have no equivalent
    EXPECT_TRUE(PlanLightSync(DeviceKind::kKeyboard, custom, targets).empty());
    EXPECT_TRUE(PlanLightSync(DeviceKind::kHubIconOnly, kFlashingMouse, targets).empty());
}

TEST(LightSyncRequests, LatestPostWinsAndStopEndsTheWait) {
    CLightSyncRequests requests;
    StopEvent stop;
    requests.Post(1);
    requests.Post(4);
    EXPECT_EQ(requests.WaitNext(stop), 4) << "posts before the worker woke count once, the latest";

    // A blocked worker wakes on a post and on its stop, at once.
    std::optional<int> taken;
    std::thread worker([&] { taken = requests.WaitNext(stop); });
    requests.Post(2);
    worker.join();
    EXPECT_EQ(taken, 2);

    bool ended = false;
    std::thread waiting([&] { ended = !requests.WaitNext(stop).has_value(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop.Set();
    waiting.join();
    EXPECT_TRUE(ended);
    // Stop wins over a request posted after it.
    requests.Post(3);
    EXPECT_FALSE(requests.WaitNext(stop).has_value());
}

}  // namespace
