// What a device schedules for itself through its owner: the first read after an arrival,
// the power poll that follows it, and the re-read the device asks for.
#include "devices/usb_device.h"

void CVornakelUSBDevice::Schedule(int delayMs, unsigned ScheduleSerials::*serial,
                                  void (CVornakelUSBDevice::*task)()) {
    if (!owner_.schedule) return;
    const unsigned current = (*scheduled_).*serial;
    std::weak_ptr<ScheduleSerials> alive = scheduled_;
    // The block lives exactly as long as the device, on the device's own thread: a task of a
    // device that is gone, or of an earlier arrival, finds it expired or renumbered.
    // A task that falls due while I/O is outstanding waits for it: the worker and the task
    // would otherwise talk to the device at the same time.
    owner_.schedule(delayMs, [this, alive, serial, current, task] {
        auto runIfCurrent = [this, alive, serial, current, task] {
            const std::shared_ptr<ScheduleSerials> serials = alive.lock();
            if (serials && (*serials).*serial == current) (this->*task)();
        };
        if (!alive.lock()) return;
        WhenIoIdle(std::move(runIfCurrent));
    });
}

void CVornakelUSBDevice::ScheduleFirstRead() {
    ++scheduled_->arrival;
    Schedule(kFirstReadDelayMs, &ScheduleSerials::arrival, &CVornakelUSBDevice::FirstRead);
}

void CVornakelUSBDevice::ScheduleResync() {
    ++scheduled_->resync;
    Schedule(ResyncTimerMs(), &ScheduleSerials::resync, &CVornakelUSBDevice::OnDeviceTimer2);
}

void CVornakelUSBDevice::CancelScheduled() {
    ++scheduled_->arrival;
    ++scheduled_->resync;
}

void CVornakelUSBDevice::FirstRead() {
    const unsigned arrival = scheduled_->arrival;
    RunIo([this] { ReadState(); },
          [this, arrival] {
              // A device that left while it was being read shows nothing of that read.
              if (scheduled_->arrival != arrival) return;
              ShowReadState();
              if (owner_.firstReadDone) owner_.firstReadDone();
              SchedulePowerPoll();
          });
}

void CVornakelUSBDevice::PowerPoll() {
    OnDeviceTimer5();
    SchedulePowerPoll();
}

void CVornakelUSBDevice::SchedulePowerPoll() {
    if (pollPeriodically_ == 0 || commandChannel_.opened.load() == 0) return;
    Schedule(kPowerPollMs, &ScheduleSerials::arrival, &CVornakelUSBDevice::PowerPoll);
}
