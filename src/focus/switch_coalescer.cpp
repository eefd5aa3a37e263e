#include "focus/switch_coalescer.h"

bool CSwitchCoalescer::Request(int index) {
    if (index < 0) return false;
    if (inFlight_) {
        // A request that returns to the profile on its way needs nothing more.
        pending_ = index == running_ ? -1 : index;
        return false;
    }
    if (index == applied_) return false;
    inFlight_ = true;
    running_ = index;
    return true;
}

int CSwitchCoalescer::Done() {
    inFlight_ = false;
    applied_ = running_;
    const int next = pending_;
    pending_ = -1;
    if (next < 0 || next == applied_) return -1;
    inFlight_ = true;
    running_ = next;
    return next;
}
