#pragma once
// Wakes the workers that list HID interfaces when a backend knows that interfaces came or
// went: the simulated bus on plug and unplug. Each listener owns an event (an eventfd it
// can poll beside its stop event); a notice sets every registered event.
#include "util/stop_event.h"

class HidChangeListener {
public:
    HidChangeListener();   // registered from construction ...
    ~HidChangeListener();  // ... to destruction
    HidChangeListener(const HidChangeListener&) = delete;
    HidChangeListener& operator=(const HidChangeListener&) = delete;

    // Readable while a change is waiting to be taken.
    int Fd() const { return event_.Fd(); }
    // True when a change was noticed since the last call; clears it.
    bool Take();

private:
    StopEvent event_;
};

// Sets the event of every listener.
void NotifyHidInterfacesChanged();
