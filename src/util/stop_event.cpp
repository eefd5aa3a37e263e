#include "util/stop_event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

StopEvent::StopEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopEvent::~StopEvent() {
    if (fd_ >= 0) close(fd_);
}

void StopEvent::Set() {
    if (fd_ < 0) return;
    const uint64_t one = 1;
    // The counter only grows; a write fails with EAGAIN only when it is already huge,
    // and then the event is set anyway.
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {}
}

void StopEvent::Reset() {
    if (fd_ < 0) return;
    uint64_t value = 0;
    // Reading drains the counter to zero, which makes the descriptor unreadable again.
    while (read(fd_, &value, sizeof value) < 0 && errno == EINTR) {}
}

bool StopEvent::IsSet() const {
    return Wait(0);
}

bool StopEvent::Wait(int timeoutMs) const {
    if (fd_ < 0) return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    int remaining = timeoutMs;
    for (;;) {
        pollfd p{fd_, POLLIN, 0};
        const int n = poll(&p, 1, remaining);
        if (n > 0) return (p.revents & POLLIN) != 0;
        if (n == 0) return false;
        if (errno != EINTR) return false;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            remaining = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        }
    }
}
