#pragma once
// Capture of keyboard keys and mouse buttons outside the program's windows, for macro
// recording and key capture. A backend runs its own worker thread and hands every event to
// the callback on that thread, stamped with MonotonicMilliseconds() (or the device's own
// monotonic time stamp); the callback must not block (pass the record on and return).
#include <functional>
#include <memory>

#include "macros/hook_record.h"

namespace capture {

using RecordCallback = std::function<void(const macros::HookRecord&)>;

// Where the input comes from: X11 raw events, the kernel's input event nodes, or (None)
// only the program's own window events.
enum class CaptureKind { None, X11, Evdev };

class InputCapture {
public:
    virtual ~InputCapture() = default;
    // Starts capturing; false (and nothing running) when the backend cannot run here or is
    // already running.
    virtual bool Start(RecordCallback callback) = 0;
    // Stops the worker (within 1 s); no callback runs after Stop returns. Safe when stopped.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
    // Whether button records carry the cursor's screen position.
    virtual bool KnowsCursorPosition() const = 0;
    virtual CaptureKind Kind() const = 0;
};

}  // namespace capture
