// Report reads and writes of CHidDevice. Both wait with poll() on the device, the object's
// stop event and the interface's closed event, so a stop or a Close from another thread
// ends them at once. read(2)/write(2) run on the caller's thread into the caller's buffer,
// and Close waits until every call has left before it frees anything, so no transfer can
// complete into memory that is gone.
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "hid/hid_device.h"
#include "hid/hid_open_interface.h"

namespace {

using Clock = std::chrono::steady_clock;

// Reports of other collections that a read still drains once its time is up, so a busy
// interface cannot keep a read with a time-out going for ever (one hidraw ring's worth).
constexpr int kMaxReadsAfterDeadline = 64;
// Pause before a write the device could not take is tried again.
constexpr int kWriteRetryMs = 5;

class Deadline {
public:
    explicit Deadline(int timeoutMs)
        : infinite_(timeoutMs < 0), end_(Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0))) {}
    bool Infinite() const { return infinite_; }
    bool Passed() const { return !infinite_ && Clock::now() >= end_; }
    // Milliseconds for poll(): -1 without limit, rounded up so poll never wakes early.
    int RemainingMs() const {
        if (infinite_) return -1;
        const auto left = end_ - Clock::now();
        if (left <= Clock::duration::zero()) return 0;
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        return static_cast<int>(std::min<long long>(ms, 1 << 30));
    }

private:
    bool infinite_;
    Clock::time_point end_;
};

bool HungUp(short revents) {
    return (revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// True when the connection's descriptor reports the device gone.
bool ConnectionHungUp(const IHidConnection& connection) {
    pollfd fd{connection.PollFd(), 0, 0};
    return ::poll(&fd, 1, 0) > 0 && HungUp(fd.revents);
}

}  // namespace

std::shared_ptr<CHidDevice::OpenInterface> CHidDevice::BeginIo(std::atomic<bool>& pendingFlag) {
    std::lock_guard<std::mutex> guard(openLock_);
    if (!open_) return nullptr;
    ++ioInFlight_;
    pendingFlag = true;
    return open_;
}

void CHidDevice::EndIo(std::atomic<bool>& pendingFlag) {
    std::lock_guard<std::mutex> guard(openLock_);
    pendingFlag = false;
    --ioInFlight_;
    ioIdle_.notify_all();
}

void CHidDevice::SignalStop() {
    stop_.Set();
}

int CHidDevice::ReadReport(uint8_t* buffer, size_t length, int timeoutMs, size_t* transferred) {
    if (transferred) *transferred = 0;
    if (buffer == nullptr || length == 0) return 0;
    std::shared_ptr<OpenInterface> state = BeginIo(readPending_);
    if (!state) return 0;
    // As with any HID read, the buffer must hold a whole report of the collection.
    if (!state->canRead || length < state->inputReportLength) {
        EndIo(readPending_);
        return 0;
    }

    IHidConnection& connection = *state->connection;
    const Deadline deadline(timeoutMs);
    int lateReads = 0;
    int result = 0;
    for (;;) {
        int waitMs = deadline.RemainingMs();
        if (deadline.Passed()) {
            if (++lateReads > kMaxReadsAfterDeadline) break;
            waitMs = 0;  // take what is already waiting, then give up
        }
        pollfd fds[3] = {
            {stop_.Fd(), POLLIN, 0}, {state->closed.Fd(), POLLIN, 0}, {connection.PollFd(), POLLIN, 0}};
        const int ready = ::poll(fds, 3, waitMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents & POLLIN) {
            stop_.Reset();  // one stop releases the waiting call it was meant for
            break;
        }
        if (fds[1].revents & POLLIN) break;
        const short revents = fds[2].revents;
        if (revents & POLLIN) {
            const int n = connection.ReadInput(buffer, length);
            if (n < 0) {
                gone_ = true;
                break;
            }
            if (n > 0 && state->OwnsReport(buffer[0])) {
                if (transferred) *transferred = static_cast<size_t>(n);
                result = 1;
                break;
            }
            continue;  // nothing after all, or another collection's report: dropped
        }
        if (HungUp(revents)) {
            gone_ = true;
            break;
        }
        if (ready == 0 && !deadline.Infinite()) break;  // time-out
    }
    EndIo(readPending_);
    return result;
}

int CHidDevice::WriteReport(const uint8_t* buffer, size_t length, int timeoutMs, size_t* transferred) {
    if (transferred) *transferred = 0;
    if (buffer == nullptr || length == 0) return 0;
    std::shared_ptr<OpenInterface> state = BeginIo(writePending_);
    if (!state) return 0;
    if (!state->canWrite) {
        EndIo(writePending_);
        return 0;
    }

    IHidConnection& connection = *state->connection;
    const Deadline deadline(timeoutMs);
    int result = 0;
    int waitMs = 0;  // the first round only checks for a stop already signalled
    for (;;) {
        pollfd fds[3] = {
            {stop_.Fd(), POLLIN, 0}, {state->closed.Fd(), POLLIN, 0}, {connection.PollFd(), 0, 0}};
        const int ready = ::poll(fds, 3, waitMs);
        if (ready < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) {
            stop_.Reset();
            break;
        }
        if (fds[1].revents & POLLIN) break;
        if (HungUp(fds[2].revents)) {
            gone_ = true;
            break;
        }
        const int n = connection.WriteOutput(buffer, length);
        if (n > 0) {
            if (transferred) *transferred = static_cast<size_t>(n);
            result = 1;
            break;
        }
        if (n < 0) {
            // Refused; the device may also have gone, which its descriptor then shows.
            if (ConnectionHungUp(connection)) gone_ = true;
            break;
        }
        // The device cannot take the report yet: wait a little (abortably) and try again.
        if (deadline.Passed()) break;
        const int remaining = deadline.RemainingMs();
        waitMs = remaining < 0 ? kWriteRetryMs : std::min(remaining, kWriteRetryMs);
    }
    EndIo(writePending_);
    return result;
}
