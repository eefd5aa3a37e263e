#pragma once
// A worker thread with its own manual-reset stop event and the program's stop protocol:
// signal the event, release a blocked read, wait up to 1000 ms, report the outcome on the
// debug output with one of the lines
//   "线程退出：：对象处于激发状态\n"            (the thread ended)
//   "线程退出：：对象处于非激发状态，超时\n"    (it did not end in time)
//   "线程退出：：错误\n"                        (any other failure)
#include <functional>
#include <memory>
#include "util/stop_event.h"

enum class WorkerStopResult { NotStarted, Finished, TimedOut, Failed };

class WorkerThread {
public:
    WorkerThread();
    // Stops the worker (as Stop) if it still runs.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Clears the stop event and runs body(stopEvent) on a new thread. False when a
    // worker of this object still runs.
    bool Start(std::function<void(const StopEvent&)> body);
    // Signals the stop event, calls releaseBlockedRead (when given) so a blocked read
    // returns, waits up to timeoutMs for the thread and writes the outcome line.
    // A worker that did not end in time is detached and keeps its shared state alive;
    // Running() stays true for it.
    WorkerStopResult Stop(const std::function<void()>& releaseBlockedRead = {}, int timeoutMs = 1000);
    bool Running() const;
    const StopEvent& Event() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};
