#include "hid/hid_change_notice.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

std::mutex& ListenersLock() {
    static std::mutex lock;
    return lock;
}

std::vector<StopEvent*>& Listeners() {
    static std::vector<StopEvent*> listeners;
    return listeners;
}

}  // namespace

HidChangeListener::HidChangeListener() {
    std::lock_guard guard(ListenersLock());
    Listeners().push_back(&event_);
}

HidChangeListener::~HidChangeListener() {
    std::lock_guard guard(ListenersLock());
    std::erase(Listeners(), &event_);
}

bool HidChangeListener::Take() {
    if (!event_.IsSet()) return false;
    event_.Reset();
    return true;
}

void NotifyHidInterfacesChanged() {
    std::lock_guard guard(ListenersLock());
    for (StopEvent* event : Listeners()) event->Set();
}
