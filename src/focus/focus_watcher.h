#pragma once
// A focus watcher reports the window that gets the keyboard focus, from its own thread,
// driven by the display's events (no polling). One backend per platform, chosen at run time.
#include <functional>
#include <memory>
#include <string>

#include "focus/focused_window.h"

class IFocusWatcher {
public:
    using Callback = std::function<void(const FocusedWindow&)>;
    virtual ~IFocusWatcher() = default;
    // Starts watching: onFocus runs on the watcher's thread once for the window focused at
    // start and then on every change. False (LastError tells) when the display cannot be used.
    virtual bool Start(Callback onFocus) = 0;
    // Stops the thread (within a second) and closes the display connection.
    virtual void Stop() = 0;
    virtual const std::string& LastError() const = 0;
};

enum class FocusBackend {
    None,     // no display at all
    X11,      // an X server, also XWayland under a Wayland desktop
    Wayland,  // a Wayland session without X: no common protocol names the focused window
};

// The backend for these environment values (DISPLAY, WAYLAND_DISPLAY; null when unset).
FocusBackend ChooseFocusBackend(const char* display, const char* waylandDisplay);
// The backend for this process's environment.
FocusBackend CurrentFocusBackend();

// A watcher for backend, or null when the backend has none (None, Wayland).
std::unique_ptr<IFocusWatcher> MakeFocusWatcher(FocusBackend backend);
