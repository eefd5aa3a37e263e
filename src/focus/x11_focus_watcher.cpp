#include "focus/x11_focus_watcher.h"

#include <poll.h>
#include <xcb/res.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "focus/focus_rules.h"
#include "focus/process_files.h"

namespace {

// WM_CLASS is two short strings; a window that claims more is cut here.
constexpr uint32_t kMaxClassWords = 256;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Own(T* reply) {
    return Reply<T>(reply, &std::free);
}

xcb_atom_t InternAtom(xcb_connection_t* c, const char* name) {
    auto reply = Own(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The first 32-bit value of a property, or 0.
uint32_t CardinalProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    auto reply =
        Own(xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return 0;
    uint32_t value = 0;
    std::memcpy(&value, xcb_get_property_value(reply.get()), sizeof value);
    return value;
}

}  // namespace

struct CX11FocusWatcher::Connection {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t wmPid = XCB_ATOM_NONE;
    bool haveRes = false;
    xcb_window_t lastReported = XCB_WINDOW_NONE;
    bool reportedOnce = false;

    ~Connection() {
        if (c) xcb_disconnect(c);
    }

    unsigned PidOf(xcb_window_t window) const {
        if (const uint32_t pid = CardinalProperty(c, window, wmPid, XCB_ATOM_CARDINAL)) return pid;
        if (!haveRes) return 0;
        // The server knows which local process owns the window's client.
        xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
        auto reply = Own(xcb_res_query_client_ids_reply(c, xcb_res_query_client_ids(c, 1, &spec), nullptr));
        if (!reply) return 0;
        for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem;
             xcb_res_client_id_value_next(&it)) {
            if (!(it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID)) continue;
            if (xcb_res_client_id_value_value_length(it.data) < 1) continue;
            return *xcb_res_client_id_value_value(it.data);
        }
        return 0;
    }

    void ReadClass(xcb_window_t window, FocusedWindow& focused) const {
        auto reply = Own(xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, kMaxClassWords),
            nullptr));
        if (!reply || reply->format != 8) return;
        const char* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
        const std::string text(value, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
        const size_t cut = text.find('\0');
        focused.classInstance = text.substr(0, cut);
        if (cut != std::string::npos) focused.className = std::string(text.c_str() + cut + 1);
    }

    FocusedWindow Describe(xcb_window_t window) const {
        FocusedWindow focused;
        if (window == XCB_WINDOW_NONE || window == root) return focused;
        focused.any = true;
        ReadClass(window, focused);
        const unsigned pid = PidOf(window);
        focused.exePath = ProcessExecutable(pid);
        focused.windowsProgram = WindowsProgramFromCmdline(ProcessCommandLine(pid));
        return focused;
    }

    // Reports the active window when it is another than last reported.
    void ReportActive(const Callback& onFocus) {
        const xcb_window_t active = CardinalProperty(c, root, activeWindow, XCB_ATOM_WINDOW);
        if (reportedOnce && active == lastReported) return;
        reportedOnce = true;
        lastReported = active;
        onFocus(Describe(active));
    }

    // Handles what the server sent; false when the connection broke.
    // Events that arrive while a reply is awaited wait in xcb's queue, where poll() does not
    // see them: read until a pass finds no change.
    bool Drain(const Callback& onFocus) {
        for (;;) {
            bool activeChanged = false;
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                    const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
                    if (notify->window == root && notify->atom == activeWindow) activeChanged = true;
                }
                std::free(event);
            }
            if (xcb_connection_has_error(c)) return false;
            if (!activeChanged) return true;
            // Several changes read at once are one: only the window active now matters.
            ReportActive(onFocus);
        }
    }
};

CX11FocusWatcher::CX11FocusWatcher() = default;

CX11FocusWatcher::~CX11FocusWatcher() {
    Stop();
}

bool CX11FocusWatcher::Start(Callback onFocus) {
    Stop();
    auto connection = std::make_shared<Connection>();
    int screenNumber = 0;
    connection->c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection->c)) {
        lastError_ = "The X display cannot be opened.";
        return false;
    }
    xcb_connection_t* c = connection->c;
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) {
        lastError_ = "The X display has no such screen.";
        return false;
    }
    connection->root = screens.data->root;
    connection->activeWindow = InternAtom(c, "_NET_ACTIVE_WINDOW");
    connection->wmPid = InternAtom(c, "_NET_WM_PID");
    const xcb_query_extension_reply_t* res = xcb_get_extension_data(c, &xcb_res_id);
    connection->haveRes = res && res->present;
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, connection->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    connection_ = connection;
    lastError_.clear();
    return worker_.Start([connection, onFocus = std::move(onFocus)](const StopEvent& stop) {
        connection->ReportActive(onFocus);
        if (!connection->Drain(onFocus)) return;
        pollfd fds[2] = {{xcb_get_file_descriptor(connection->c), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
        while (!stop.IsSet()) {
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (fds[1].revents) return;
            // A closed display (hang-up) breaks the connection, which Drain sees.
            if (fds[0].revents && !connection->Drain(onFocus)) return;
        }
    });
}

void CX11FocusWatcher::Stop() {
    if (!connection_) return;
    worker_.Stop();
    connection_.reset();
}
