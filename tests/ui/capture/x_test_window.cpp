#include "x_test_window.h"

#include <X11/Xlib.h>

struct XTestWindow::Connection {
    Display* display = nullptr;
    Window window = 0;
};

XTestWindow::XTestWindow(const std::string& display, const std::string& title)
    : connection_(std::make_unique<Connection>()) {
    connection_->display = XOpenDisplay(display.c_str());
    Display* x = connection_->display;
    if (!x) return;
    const int screen = DefaultScreen(x);
    connection_->window = XCreateSimpleWindow(x, RootWindow(x, screen), 100, 100, 200, 200, 0,
                                              BlackPixel(x, screen), WhitePixel(x, screen));
    XStoreName(x, connection_->window, title.c_str());
    XSelectInput(x, connection_->window, ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask);
    XMapWindow(x, connection_->window);
    XSync(x, False);
}

XTestWindow::~XTestWindow() {
    if (connection_->display) XCloseDisplay(connection_->display);
}

bool XTestWindow::Mapped() const {
    return connection_->display && connection_->window != 0;
}
