// Slow transactions on the device's I/O worker, their results taken back on the device's
// thread, and the work that waits until none is outstanding.
#include "devices/usb_device.h"

void CVornakelUSBDevice::SetIoOwner(std::function<void(std::function<void()>)> post,
                                    std::function<void(bool)> busyChanged) {
    StopIo();
    io_ = std::make_unique<CDeviceIoWorker>(std::move(post));
    ioBusyChanged_ = std::move(busyChanged);
}

void CVornakelUSBDevice::RunIo(std::function<void()> io, std::function<void()> done) {
    if (!io_) {
        io();
        if (done) done();
        return;
    }
    std::weak_ptr<ScheduleSerials> alive = scheduled_;
    auto finish = [this, alive, done = std::move(done)] {
        if (!alive.lock()) return;  // the device is gone
        IoDone(done);
    };
    if (!io_->Submit(std::move(io), std::move(finish))) return;
    if (ioOutstanding_++ == 0 && ioBusyChanged_) ioBusyChanged_(true);
}

void CVornakelUSBDevice::IoDone(const std::function<void()>& done) {
    if (ioOutstanding_ > 0) --ioOutstanding_;
    // The page is the user's again before the result is shown on it: what it shows may
    // depend on which of its controls are enabled.
    if (ioOutstanding_ == 0 && ioBusyChanged_) ioBusyChanged_(false);
    if (done) done();
    // Work that waited runs in order; it may submit I/O again, which leaves the rest waiting
    // for that I/O in turn.
    while (ioOutstanding_ == 0 && !whenIoIdle_.empty()) {
        std::function<void()> task = std::move(whenIoIdle_.front());
        whenIoIdle_.erase(whenIoIdle_.begin());
        task();
    }
}

void CVornakelUSBDevice::WhenIoIdle(std::function<void()> task) {
    if (!task) return;
    if (ioOutstanding_ == 0)
        task();
    else
        whenIoIdle_.push_back(std::move(task));
}

void CVornakelUSBDevice::StopIo() {
    if (!io_) return;
    io_->Stop([this] { commandChannel_.Close(); });
}
