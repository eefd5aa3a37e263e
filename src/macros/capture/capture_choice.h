#pragma once
// Which capture backend a session can use, chosen when recording starts.
#include <memory>
#include <string>

#include "macros/capture/input_capture.h"

namespace capture {

struct CaptureHost {
    bool wayland = false;      // a Wayland session ($WAYLAND_DISPLAY set)
    bool x11Usable = false;    // an X display with XInput 2.2
    bool evdevUsable = false;  // a readable input event node
};

// X11 raw events first (they need no permission), except under Wayland, where an X display
// is only the compatibility server and sees none of the native windows' input: evdev there.
// None when neither can run: the program then sees only its own window's input.
CaptureKind ChooseCapture(const CaptureHost& host);

// The backend for this session (reads $WAYLAND_DISPLAY and probes $DISPLAY and /dev/input);
// nullptr when none can run.
std::unique_ptr<InputCapture> CreateSystemCapture();

}  // namespace capture
