#pragma once
// The keyboard and mouse hooks of macro recording and key capture. While installed, every
// key and mouse button press and release is sent to the target window with the registered
// message of the current mode (macros/hook_messages.h): wParam the keyboard or mouse
// message, lParam a pointer to a KeyboardHookRecord or MouseHookRecord
// (macros/hook_records.h), valid during the synchronous send on the UI thread.
//
// Input outside the program is read by a capture backend (XInput2 raw events or input event
// nodes) on its own thread and handed to the UI thread; where none can run, only the
// program's own window events are seen. Keys never reach the program's windows while the
// keyboard side is installed, except Caps Lock, Num Lock and Scroll Lock; raw capture cannot
// keep keys from other programs.
#include <QObject>
#include <functional>
#include <memory>

#include "macros/capture/input_capture.h"
#include "ui/window_messages.h"

class CWindowInputFilter;

class CDeviceHook : public QObject {
public:
    using CaptureFactory = std::function<std::unique_ptr<capture::InputCapture>()>;

    explicit CDeviceHook(QObject* parent = nullptr);
    // Uninstalls.
    ~CDeviceHook() override;

    // Removes a keyboard side still installed; then installs the keyboard side (keys, when
    // `keyboardHook` is set) and the mouse side (buttons, when `hookLibrary` is set) for
    // `window` in `mode`, and keeps `value`. Returns 1, or 0 when the keyboard side cannot
    // be installed (no application object): then nothing is installed or stored.
    int Install(int value, int mode, WindowHandle window, int keyboardHook, int hookLibrary);
    // Removes both sides. Returns 1 when a keyboard side was installed, else 0.
    int Uninstall();

    // True while a capture backend sees input outside the program's windows.
    bool CapturesOutsideWindow() const;
    // The backend that is running now; None when only the window's own events are seen
    // (nothing installed, or no backend could start).
    capture::CaptureKind RunningCapture() const;
    bool KeyboardInstalled() const { return keyboard_; }
    int Mode() const { return mode_; }
    int Value() const { return value_; }
    WindowHandle Window() const { return window_; }

    // The backend Install starts (the system's choice by default); a factory returning
    // nullptr leaves only the window events.
    void SetCaptureFactory(CaptureFactory factory) { factory_ = std::move(factory); }

private:
    void StopCapture();
    void Deliver(const macros::HookRecord& record);

    CaptureFactory factory_;
    std::unique_ptr<capture::InputCapture> capture_;
    std::unique_ptr<CWindowInputFilter> filter_;
    bool keyboard_ = false;
    bool mouse_ = false;
    int mode_ = 0;
    int value_ = 0;
    WindowHandle window_ = 0;
    // Records already queued for the UI thread belong to the installation they came from;
    // those of an earlier one are dropped.
    unsigned generation_ = 0;
};
