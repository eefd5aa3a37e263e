#include "devices/discovery/dev_node_watcher.h"

#include <sys/inotify.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace {

constexpr uint32_t kNodeEvents = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO;

}  // namespace

CDevNodeWatcher::CDevNodeWatcher(std::string folder, std::string prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {}

CDevNodeWatcher::~CDevNodeWatcher() {
    if (fd_ >= 0) close(fd_);
}

bool CDevNodeWatcher::Open() {
    if (fd_ >= 0) return true;
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return false;
    if (inotify_add_watch(fd_, folder_.c_str(), kNodeEvents | IN_ONLYDIR) < 0) {
        close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

bool CDevNodeWatcher::TakeChanges() {
    if (fd_ < 0) return false;
    bool changed = false;
    // Aligned as the kernel writes whole events with their names into it.
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // drained (EAGAIN) or failed
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->mask & IN_Q_OVERFLOW)
                changed = true;
            else if (event->len > 0 && std::strncmp(event->name, prefix_.c_str(), prefix_.size()) == 0)
                changed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return changed;
}
