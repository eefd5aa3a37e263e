#include "devices/device_io_worker.h"

#include <chrono>
#include <system_error>

#include "util/debug_log.h"

CDeviceIoWorker::CDeviceIoWorker(Post post) : post_(std::move(post)) {}

CDeviceIoWorker::~CDeviceIoWorker() {
    Stop();
}

bool CDeviceIoWorker::Submit(Task io, Task done) {
    std::lock_guard<std::mutex> guard(lock_);
    if (stopping_ || !io) return false;
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    jobs_.push_back({std::move(io), std::move(done)});
    wake_.notify_one();
    return true;
}

bool CDeviceIoWorker::Pending() const {
    std::lock_guard<std::mutex> guard(lock_);
    return running_ || !jobs_.empty();
}

void CDeviceIoWorker::Run() {
    std::unique_lock<std::mutex> guard(lock_);
    for (;;) {
        wake_.wait(guard, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) break;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        guard.unlock();
        job.io();
        guard.lock();
        running_ = false;
        // A worker being stopped hands nothing more to its owner.
        if (!stopping_ && job.done && post_) post_(std::move(job.done));
    }
    finished_ = true;
    ended_.notify_all();
}

bool CDeviceIoWorker::Stop(const Task& release, int timeoutMs) {
    std::unique_lock<std::mutex> guard(lock_);
    if (stopping_ && !thread_.joinable()) return true;
    stopping_ = true;
    jobs_.clear();
    wake_.notify_all();
    if (!thread_.joinable()) return true;
    guard.unlock();
    if (release) release();
    guard.lock();
    const bool inTime = ended_.wait_for(guard, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                                        [this] { return finished_; });
    guard.unlock();
    if (!inTime) DebugOutput("device I/O worker still busy after its stop; waiting for it\n");
    thread_.join();
    return inTime;
}
