// What a device schedules for itself through its owner: the first read after arrival, the
// power poll after it, the re-read it asks for, and nothing after it left or is gone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "devices/usb_device.h"

namespace {

// A device that counts the scheduled operations it runs.
class CountingDevice : public CVornakelUSBDevice {
public:
    int firstReads = 0, rereads = 0, powerPolls = 0;
    void OnDeviceTimer1() override { ++firstReads; }
    void OnDeviceTimer2() override { ++rereads; }
    void OnDeviceTimer5() override { ++powerPolls; }
};

// The owner's scheduler: tasks wait in a list until the test runs them.
struct Pending {
    int delayMs;
    std::function<void()> task;
};

class DeviceSchedule : public ::testing::Test {
protected:
    void SetUp() override {
        DeviceOwner owner;
        owner.schedule = [this](int delayMs, std::function<void()> task) {
            pending.push_back({delayMs, std::move(task)});
        };
        device->SetOwnerWindow(owner);
    }
    // Runs what is pending now (tasks scheduled meanwhile wait for the next call); the
    // delays they were given, in order.
    std::vector<int> RunPending() {
        std::vector<Pending> now;
        now.swap(pending);
        std::vector<int> delays;
        for (Pending& p : now) {
            delays.push_back(p.delayMs);
            p.task();
        }
        return delays;
    }

    std::vector<Pending> pending;
    std::unique_ptr<CountingDevice> device = std::make_unique<CountingDevice>();
};

}  // namespace

TEST_F(DeviceSchedule, FirstReadThenPowerPollWhileTheDevicePollsAndIsOpen) {
    device->SetPollPeriodically(1);
    device->CommandChannel().opened = 1;
    device->ScheduleFirstRead();
    EXPECT_EQ(device->firstReads, 0) << "nothing runs before its delay";
    EXPECT_EQ(RunPending(), std::vector<int>{CVornakelUSBDevice::kFirstReadDelayMs});
    EXPECT_EQ(device->firstReads, 1);
    EXPECT_EQ(RunPending(), std::vector<int>{CVornakelUSBDevice::kPowerPollMs});
    EXPECT_EQ(RunPending(), std::vector<int>{CVornakelUSBDevice::kPowerPollMs});
    EXPECT_EQ(device->powerPolls, 2);

    device->CommandChannel().opened = 0;
    RunPending();
    EXPECT_EQ(device->powerPolls, 3);
    EXPECT_TRUE(pending.empty()) << "a closed channel ends the poll";
    EXPECT_EQ(device->firstReads, 1);
}

TEST_F(DeviceSchedule, NoPowerPollUnlessTheDeviceAsksForIt) {
    device->CommandChannel().opened = 1;
    device->ScheduleFirstRead();
    RunPending();
    EXPECT_EQ(device->firstReads, 1);
    EXPECT_TRUE(pending.empty());
}

TEST_F(DeviceSchedule, RemovalAndANewArrivalDropWhatWasScheduled) {
    device->SetPollPeriodically(1);
    device->CommandChannel().opened = 1;
    device->ScheduleFirstRead();
    device->CancelScheduled();
    RunPending();
    EXPECT_EQ(device->firstReads, 0) << "removed before its first read";

    device->ScheduleFirstRead();
    RunPending();
    device->ScheduleFirstRead();  // unplugged and back while the poll was pending
    RunPending();
    EXPECT_EQ(device->powerPolls, 0) << "the poll of the earlier arrival is dropped";
    EXPECT_EQ(device->firstReads, 2);
    RunPending();
    EXPECT_EQ(device->powerPolls, 1) << "one poll, of the current arrival";
}

TEST_F(DeviceSchedule, AResyncBurstGivesOneReread) {
    device->ScheduleResync();
    device->ScheduleResync();
    const std::vector<int> delays = RunPending();
    EXPECT_EQ(delays, (std::vector<int>{device->ResyncTimerMs(), device->ResyncTimerMs()}));
    EXPECT_EQ(device->rereads, 1);
}

TEST_F(DeviceSchedule, TasksOfADeviceThatIsGoneDoNothing) {
    device->ScheduleFirstRead();
    device->ScheduleResync();
    device.reset();
    EXPECT_EQ(RunPending().size(), 2u);  // no access to the destroyed device (checked under ASan)
}
