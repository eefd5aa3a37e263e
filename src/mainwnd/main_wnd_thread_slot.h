#pragma once
// One slot of the main window's thread table (used by main_wnd*.cpp only).
#include <memory>
#include "mainwnd/main_wnd.h"
#include "util/stop_event.h"
#include "util/worker_thread.h"

struct CMainWnd::ThreadSlot {
    // Shared with the worker's body, so a worker that outlives its wait still has it.
    std::shared_ptr<StopEvent> stop = std::make_shared<StopEvent>();
    WorkerThread worker;
    bool started = false;
};
