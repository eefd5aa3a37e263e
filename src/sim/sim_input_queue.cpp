#include "sim/sim_input_queue.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cstring>

SimInputQueue::SimInputQueue() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        readFd_ = fds[0];
        writeFd_ = fds[1];
    }
}

SimInputQueue::~SimInputQueue() {
    if (writeFd_ >= 0) ::close(writeFd_);
    if (readFd_ >= 0) ::close(readFd_);
}

bool SimInputQueue::Push(std::vector<uint8_t> report) {
    std::lock_guard guard(lock_);
    if (writeFd_ < 0 || reports_.size() >= kCapacity) return false;
    // The pipe holds one byte exactly while the queue is not empty.
    if (reports_.empty()) {
        const uint8_t mark = 1;
        if (::write(writeFd_, &mark, 1) != 1) return false;
    }
    reports_.push_back(std::move(report));
    return true;
}

int SimInputQueue::Pop(uint8_t* data, size_t capacity) {
    std::lock_guard guard(lock_);
    if (reports_.empty()) return writeFd_ < 0 ? -1 : 0;
    const std::vector<uint8_t>& report = reports_.front();
    const size_t count = std::min(capacity, report.size());
    if (count > 0) std::memcpy(data, report.data(), count);
    reports_.pop_front();
    if (reports_.empty()) {
        uint8_t mark;
        [[maybe_unused]] ssize_t drained = ::read(readFd_, &mark, 1);
    }
    return static_cast<int>(count);
}

void SimInputQueue::MarkGone() {
    std::lock_guard guard(lock_);
    if (writeFd_ >= 0) {
        ::close(writeFd_);
        writeFd_ = -1;
    }
}

bool SimInputQueue::Gone() const {
    std::lock_guard guard(lock_);
    return writeFd_ < 0;
}
