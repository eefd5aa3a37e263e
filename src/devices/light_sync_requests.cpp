#include "devices/light_sync_requests.h"

#include <poll.h>

#include <cerrno>

void CLightSyncRequests::Post(int source) {
    std::lock_guard<std::mutex> guard(lock_);
    pending_ = source;
    posted_.Set();
}

std::optional<int> CLightSyncRequests::WaitNext(const StopEvent& stop) {
    for (;;) {
        if (stop.IsSet()) return std::nullopt;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (pending_) {
                const std::optional<int> taken = pending_;
                pending_.reset();
                posted_.Reset();
                return taken;
            }
        }
        pollfd fds[] = {{stop.Fd(), POLLIN, 0}, {posted_.Fd(), POLLIN, 0}};
        // No time-out: either event wakes the worker.
        if (poll(fds, 2, -1) < 0 && errno != EINTR) return std::nullopt;
    }
}
