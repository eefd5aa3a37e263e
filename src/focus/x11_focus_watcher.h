#pragma once
// The X11 focus watcher: PropertyChange events on the root window's _NET_ACTIVE_WINDOW
// (kept by EWMH window managers), then the active window's WM_CLASS and process: its
// _NET_WM_PID, else the X Resource extension's client id, which names the process of any
// local client (xcalc and other toolkit-less clients set no _NET_WM_PID). A thread of its
// own waits with poll() on the connection and a stop event.
#include <memory>
#include <string>

#include "focus/focus_watcher.h"
#include "util/worker_thread.h"

class CX11FocusWatcher : public IFocusWatcher {
public:
    CX11FocusWatcher();
    ~CX11FocusWatcher() override;
    bool Start(Callback onFocus) override;
    void Stop() override;
    const std::string& LastError() const override { return lastError_; }

private:
    struct Connection;
    std::shared_ptr<Connection> connection_;
    WorkerThread worker_;
    std::string lastError_;
};
