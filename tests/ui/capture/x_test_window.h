#pragma once
// A plain X window of the test's own on a private X server. It asks for button presses, so
// the server hands it the pointer grab of every click on it from press to release, as a
// toolkit's window gets it; its events are never read. Kept apart from Xlib's headers,
// whose macros clash with Qt's and GoogleTest's names.
#include <memory>
#include <string>

class XTestWindow {
public:
    // Opens `display`, makes a 200 x 200 window titled `title` and maps it.
    XTestWindow(const std::string& display, const std::string& title);
    ~XTestWindow();
    XTestWindow(const XTestWindow&) = delete;
    XTestWindow& operator=(const XTestWindow&) = delete;

    bool Mapped() const;

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};
