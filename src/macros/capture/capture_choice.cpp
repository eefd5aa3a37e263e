#include "macros/capture/capture_choice.h"

#include <cstdlib>

#include "macros/capture/evdev_capture.h"
#include "macros/capture/x11_capture.h"

namespace capture {

CaptureKind ChooseCapture(const CaptureHost& host) {
    if (host.wayland && host.evdevUsable) return CaptureKind::Evdev;
    if (host.x11Usable) return CaptureKind::X11;
    return host.evdevUsable ? CaptureKind::Evdev : CaptureKind::None;
}

std::unique_ptr<InputCapture> CreateSystemCapture() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    CaptureHost host;
    host.wayland = wayland && *wayland;
    host.evdevUsable = EvdevCaptureUsable();
    host.x11Usable = (!host.wayland || !host.evdevUsable) && X11CaptureUsable();
    switch (ChooseCapture(host)) {
    case CaptureKind::X11:
        return CreateX11Capture();
    case CaptureKind::Evdev:
        return CreateEvdevCapture();
    case CaptureKind::None:
        break;
    }
    return nullptr;
}

}  // namespace capture
