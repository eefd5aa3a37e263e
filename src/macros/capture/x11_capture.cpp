#include "macros/capture/x11_capture.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>

#include <cstring>
#include <mutex>

#include "macros/capture/linux_input_records.h"
#include "util/worker_thread.h"

namespace capture {
namespace {

// Raw events as XInput 2.0 defines them go only to the client that holds a grab, so the
// release of every click on a window that takes the pointer grab (a window manager's frame,
// a toolkit's button) would never reach us; from 2.1 on the root window gets them always.
// The server treats us by the version we announce, so 2.2 is asked for and required.
constexpr int kXiMajor = 2;
constexpr int kXiMinor = 2;

struct DisplayCloser {
    void operator()(Display* display) const {
        if (display)  // a shared_ptr calls its deleter for a null pointer too
            XCloseDisplay(display);
    }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr OpenDisplay(const std::string& name) {
    return DisplayPtr(XOpenDisplay(name.empty() ? nullptr : name.c_str()));
}

// The XInput extension's opcode, or -1 when the server has no XInput 2.2.
int XInputOpcode(Display* display) {
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) return -1;
    int major = kXiMajor, minor = kXiMinor;  // the server answers with what it offers
    if (XIQueryVersion(display, &major, &minor) != Success) return -1;
    return major > kXiMajor || (major == kXiMajor && minor >= kXiMinor) ? opcode : -1;
}

void SelectRawEvents(Display* display) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSync(display, False);
}

class X11Capture : public InputCapture {
public:
    explicit X11Capture(std::string display) : displayName_(std::move(display)) {}
    ~X11Capture() override { Stop(); }

    bool Start(RecordCallback callback) override {
        if (worker_.Running()) return false;
        // Opened here so a display that cannot be used is known before anything runs; the
        // worker is the connection's only user from then on.
        auto display = std::shared_ptr<Display>(OpenDisplay(displayName_).release(), DisplayCloser{});
        if (!display) return false;
        const int opcode = XInputOpcode(display.get());
        if (opcode < 0) return false;
        SelectRawEvents(display.get());
        return worker_.Start([display, opcode, callback = std::move(callback)](const StopEvent& stop) {
            ReleaseFilter filter;
            Run(display.get(), opcode, filter, callback, stop);
        });
    }

    void Stop() override { worker_.Stop(); }
    bool Running() const override { return worker_.Running(); }
    bool KnowsCursorPosition() const override { return true; }
    CaptureKind Kind() const override { return CaptureKind::X11; }

private:
    static void Run(Display* display, int opcode, ReleaseFilter& filter, const RecordCallback& callback,
                    const StopEvent& stop) {
        pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
        while (!stop.IsSet()) {
            // Events already read into Xlib's queue do not show on the socket.
            while (XPending(display) > 0 && !stop.IsSet()) Handle(display, opcode, filter, callback);
            if (poll(fds, 2, -1) < 0 && errno != EINTR) return;
            if (fds[0].revents & (POLLHUP | POLLERR)) return;  // the X server went away
        }
    }

    static void Handle(Display* display, int opcode, ReleaseFilter& filter, const RecordCallback& callback) {
        XEvent event;
        XNextEvent(display, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode || !XGetEventData(display, cookie))
            return;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        const std::uint32_t now = macros::MonotonicMilliseconds();
        std::optional<macros::HookRecord> record;
        const bool keyEvent = cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease;
        const bool buttonEvent = cookie->evtype == XI_RawButtonPress || cookie->evtype == XI_RawButtonRelease;
        const bool down = cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawButtonPress;
        std::optional<std::uint16_t> code;
        if (keyEvent && raw->detail >= kXKeycodeOffset)
            code = static_cast<std::uint16_t>(raw->detail - kXKeycodeOffset);
        else if (buttonEvent)
            code = LinuxButtonOfXButton(raw->detail);
        if (code && filter.Pass(*code, down)) {
            record = RecordOfLinuxCode(*code, down, now);
            if (record && buttonEvent) PointerPosition(display, record->x, record->y);
        }
        XFreeEventData(display, cookie);
        if (record) callback(*record);
    }

    static void PointerPosition(Display* display, int& x, int& y) {
        Window root = 0, child = 0;
        int windowX = 0, windowY = 0;
        unsigned int mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &windowX, &windowY, &mask);
    }

    std::string displayName_;
    WorkerThread worker_;
};

}  // namespace

std::unique_ptr<InputCapture> CreateX11Capture(std::string display) {
    return std::make_unique<X11Capture>(std::move(display));
}

bool X11CaptureUsable(const std::string& display) {
    DisplayPtr connection = OpenDisplay(display);
    return connection && XInputOpcode(connection.get()) >= 0;
}

}  // namespace capture
