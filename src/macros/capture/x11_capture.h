#pragma once
// Capture through XInput2 raw events: key and button presses and releases of every master
// device, wherever the pointer or focus is, without extra permissions. A connection of its
// own is read by a worker thread, woken by its stop event.
#include <memory>
#include <string>

#include "macros/capture/input_capture.h"

namespace capture {

// `display` is an X display name; empty means $DISPLAY.
std::unique_ptr<InputCapture> CreateX11Capture(std::string display = {});
// True when the display can be opened and offers XInput 2.2.
bool X11CaptureUsable(const std::string& display = {});

}  // namespace capture
