#include "focus/focus_watcher.h"

#include <cstdlib>

#include "focus/x11_focus_watcher.h"

FocusBackend ChooseFocusBackend(const char* display, const char* waylandDisplay) {
    // Games under XWayland are X clients: an X display wins whenever there is one.
    if (display && *display) return FocusBackend::X11;
    if (waylandDisplay && *waylandDisplay) return FocusBackend::Wayland;
    return FocusBackend::None;
}

FocusBackend CurrentFocusBackend() {
    return ChooseFocusBackend(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
}

std::unique_ptr<IFocusWatcher> MakeFocusWatcher(FocusBackend backend) {
    if (backend == FocusBackend::X11) return std::make_unique<CX11FocusWatcher>();
    return nullptr;
}
