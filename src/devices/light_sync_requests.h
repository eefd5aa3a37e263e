#pragma once
// Requests to the light-synchronisation worker. The user-interface thread posts that a
// synchronised device's lighting changed (or that the program drives the lights again);
// the worker sleeps on its stop event and on this queue's event together (no polling),
// takes every request posted meanwhile as one, and hands it back to the window.
#include <mutex>
#include <optional>

#include "util/stop_event.h"

class CLightSyncRequests {
public:
    // Posts a request from the device slot `source`; a later post before the worker took
    // the request replaces it (the latest lighting wins).
    void Post(int source);
    // Blocks until a request is there or `stop` is set. The request, or none once stop is
    // set (stop wins over a pending request).
    std::optional<int> WaitNext(const StopEvent& stop);

private:
    std::mutex lock_;
    std::optional<int> pending_;
    StopEvent posted_;  // set while a request is pending
};
