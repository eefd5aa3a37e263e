#pragma once
// Capture from the kernel's input event nodes ("event*" in /dev/input): works on any
// desktop, Wayland included, for a user who may read the nodes. Button records carry no
// cursor position. A node that goes away (unplugged) is dropped; the others go on.
#include <memory>
#include <string>

#include "macros/capture/input_capture.h"

namespace capture {

inline constexpr const char* kInputFolder = "/dev/input";

std::unique_ptr<InputCapture> CreateEvdevCapture(std::string folder = kInputFolder);
// True when at least one "event*" node of `folder` can be opened for reading.
bool EvdevCaptureUsable(const std::string& folder = kInputFolder);

}  // namespace capture
