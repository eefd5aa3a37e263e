#include "util/worker_thread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "util/debug_log.h"

// Shared between the owner and the thread: a worker that is detached after a time-out
// still holds its own reference, so neither the event nor the flags go away under it.
struct WorkerThread::State {
    StopEvent event;
    std::mutex lock;
    std::condition_variable ended;
    std::thread thread;
    bool started = false;  // a thread was created and not yet stopped
    bool done = false;     // the body has returned
    bool givenUp = false;  // a stop timed out and the thread was detached
};

WorkerThread::WorkerThread() : state_(std::make_shared<State>()) {}

WorkerThread::~WorkerThread() {
    bool givenUp = false;
    {
        std::lock_guard<std::mutex> guard(state_->lock);
        givenUp = state_->givenUp;
    }
    // A worker already given up after a time-out is not waited for a second time.
    if (Running() && !givenUp) Stop();
    // A body that ended on its own is still joinable; joining it costs nothing.
    if (state_->thread.joinable()) {
        try {
            state_->thread.join();
        } catch (const std::system_error&) {
            state_->thread.detach();
        }
    }
}

bool WorkerThread::Start(std::function<void(const StopEvent&)> body) {
    if (!body) return false;
    State& s = *state_;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (s.started && !s.done) return false;
    }
    if (s.thread.joinable()) {
        try {
            s.thread.join();  // the previous body has already returned
        } catch (const std::system_error&) {
            return false;
        }
    }
    s.event.Reset();
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.started = true;
        s.done = false;
        s.givenUp = false;
    }
    std::shared_ptr<State> keep = state_;
    try {
        s.thread = std::thread([keep, body = std::move(body)]() {
            body(keep->event);
            std::lock_guard<std::mutex> guard(keep->lock);
            keep->done = true;
            keep->ended.notify_all();
        });
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> guard(s.lock);
        s.started = false;
        return false;
    }
    return true;
}

WorkerStopResult WorkerThread::Stop(const std::function<void()>& releaseBlockedRead, int timeoutMs) {
    State& s = *state_;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.started) return WorkerStopResult::NotStarted;
    }
    s.event.Set();
    if (releaseBlockedRead) releaseBlockedRead();

    bool finished = false;
    {
        std::unique_lock<std::mutex> guard(s.lock);
        finished = s.ended.wait_for(guard, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                                    [&s] { return s.done; });
    }

    if (!finished) {
        // The thread keeps its own reference to the state; letting it go is safe.
        if (s.thread.joinable()) s.thread.detach();
        {
            std::lock_guard<std::mutex> guard(s.lock);
            s.givenUp = true;
        }
        DebugOutput("线程退出：：对象处于非激发状态，超时\n");
        return WorkerStopResult::TimedOut;
    }

    try {
        if (s.thread.joinable()) s.thread.join();
    } catch (const std::system_error&) {
        s.thread.detach();
        DebugOutput("线程退出：：错误\n");
        return WorkerStopResult::Failed;
    }
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.started = false;
    }
    DebugOutput("线程退出：：对象处于激发状态\n");
    return WorkerStopResult::Finished;
}

bool WorkerThread::Running() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->started && !state_->done;
}

const StopEvent& WorkerThread::Event() const {
    return state_->event;
}
