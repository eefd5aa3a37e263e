#pragma once
// The thread that carries a device's slow transactions (the first read after an arrival, the
// writes of a profile switch) so that the owner's thread never waits for a device that does
// not answer. One per device: a device that stalls holds up its own work only.
//
// Jobs run one after the other in the order they were submitted. After a job's `io` has
// returned, its `done` is handed to `post`, which must run it on the owner's thread (a queued
// call); `post` is called on the worker's thread.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CDeviceIoWorker {
public:
    using Task = std::function<void()>;
    using Post = std::function<void(Task)>;

    explicit CDeviceIoWorker(Post post);
    // Stops the worker (as Stop without a release).
    ~CDeviceIoWorker();
    CDeviceIoWorker(const CDeviceIoWorker&) = delete;
    CDeviceIoWorker& operator=(const CDeviceIoWorker&) = delete;

    // Queues a job; the thread starts with the first one. False once stopped (nothing runs).
    bool Submit(Task io, Task done);
    // Drops the jobs that have not started (their `done` is never posted), calls release so a
    // transaction in progress returns at once (the owner closes the device's channel), and
    // waits up to timeoutMs for the thread. True when it ended in time. The thread is joined
    // in any case before this returns: a job still running uses the device, which its owner
    // is about to destroy.
    bool Stop(const Task& release = {}, int timeoutMs = 1000);
    // Whether a job is queued or running.
    bool Pending() const;

private:
    struct Job {
        Task io;
        Task done;
    };
    void Run();

    Post post_;
    mutable std::mutex lock_;
    std::condition_variable wake_;   // a job was queued, or the worker is to stop
    std::condition_variable ended_;  // the thread has left its loop
    std::deque<Job> jobs_;
    bool running_ = false;  // a job's io is running
    bool stopping_ = false;
    bool finished_ = false;
    std::thread thread_;
};
