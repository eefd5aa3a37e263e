// The thread table: 20 slots, each with its own manual-reset stop event. At WM_DESTROY all
// events are set first, so every worker winds down at once, and then each started worker
// is waited for up to 1000 ms.
#include <memory>
#include "mainwnd/main_wnd_thread_slot.h"
#include "util/debug_log.h"
#include "util/stop_event.h"
#include "util/worker_thread.h"

bool CMainWnd::StartThread(int slot, std::function<void(const StopEvent&)> body) {
    if (slot < 0 || slot >= kThreadSlots || !body || threadsShutDown_) return false;
    std::unique_ptr<ThreadSlot>& entry = threads_[static_cast<size_t>(slot)];
    if (entry && entry->worker.Running()) return false;
    entry = std::make_unique<ThreadSlot>();
    std::shared_ptr<StopEvent> stop = entry->stop;
    entry->started = entry->worker.Start([stop, body = std::move(body)](const StopEvent&) { body(*stop); });
    return entry->started;
}

bool CMainWnd::ThreadRunning(int slot) const {
    if (slot < 0 || slot >= kThreadSlots) return false;
    const auto& entry = threads_[static_cast<size_t>(slot)];
    return entry && entry->worker.Running();
}

const StopEvent* CMainWnd::SlotStopEvent(int slot) const {
    if (slot < 0 || slot >= kThreadSlots) return nullptr;
    const auto& entry = threads_[static_cast<size_t>(slot)];
    return entry ? entry->stop.get() : nullptr;
}

void CMainWnd::ShutdownThreads() {
    if (threadsShutDown_) return;
    threadsShutDown_ = true;
    hide();
    for (const auto& entry : threads_)
        if (entry) entry->stop->Set();
    for (int slot = 0; slot < kThreadSlots; ++slot) {
        const auto& entry = threads_[static_cast<size_t>(slot)];
        if (!entry || !entry->started) continue;
        switch (entry->worker.Stop({}, 1000)) {
        case WorkerStopResult::Finished:
        case WorkerStopResult::NotStarted:
            DebugOutput("所有对象处于激发状态\n");
            break;
        case WorkerStopResult::TimedOut:
            // A thread cannot be killed safely here; the worker keeps its own stop event and
            // is left to end on its own, the window is destroyed regardless.
            DebugOutput("所有对象处于非激发状态，超时\n");
            break;
        case WorkerStopResult::Failed:
            DebugPrintf("错误\n%d", slot);
            break;
        }
    }
}
