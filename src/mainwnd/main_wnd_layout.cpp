// Showing the window, and fitting it to its screen.
#include <QTimer>
#include <QGuiApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include "shell/dpi_rule.h"
#include "ui/dpi.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

namespace {
constexpr int kAdaptedWidth = 1000;
constexpr int kAdaptedHeight = 640;
}  // namespace

void CMainWnd::UpdateNoDeviceLink() {
    QWidget* noDevice = FindControl(QStringLiteral("No_device_Link"));
    if (!noDevice) return;
    bool anyEntry = false;
    for (const auto& part : parts_) anyEntry = anyEntry || part->AnyDeviceEntryVisible(*this);
    noDevice->setVisible(!anyEntry);
}

bool CMainWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::Paint && !filled_) {
        // Filled once the paint has reached the screen, never inside it.
        removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { FillWindow(); });
    }
    if (watched == noDeviceLink_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        // The panel lies over the page area; a page showing through it would look broken.
        if (QWidget* pages = FindControl(QStringLiteral("device_switch")))
            pages->setVisible(noDeviceLink_->isHidden());
    }
    return CSkinWindow::eventFilter(watched, event);
}

void CMainWnd::BringForward() {
    UpdateNoDeviceLink();
    SysCommand(SC_RESTORE);
    // Top-most for a moment on the original system; here raising and asking for the
    // focus does the same (the desktop may still decline to move the focus).
    raise();
    activateWindow();
}

void CMainWnd::AdaptLayout() {
    const bool wasShown = isVisible() && !isMinimized();
    const bool wasMinimised = isVisible() && isMinimized();

    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    int uiDpi = 96;
    if (screen) uiDpi = UiDpiForScreen(screen->geometry().size() * screen->devicePixelRatio());
    if (!IsSupportedDpi(uiDpi)) {
        DebugOutput("MAIN_WND DPI SET ERROR\n");
        uiDpi = 96;
    }
    // Qt scales the controls by the screen's pixel ratio, so the size stays in logical
    // pixels; the UI DPI is what the windows of the program are told.
    SetAllDpi(96);
    resize(kAdaptedWidth, kAdaptedHeight);
    SetAllDpi(uiDpi);
    SetDpi(uiDpi);
    CenterWindow();

    // A minimised window stays minimised (hiding it would leave no way back on a desktop
    // without a tray); a hidden one stays hidden.
    if (wasShown)
        show();
    else if (!wasMinimised)
        hide();
    displayChanged_ = false;
    layoutAdapted_ = true;
}

void CMainWnd::Relayout() {
    if (QWidget* root = Root()) {
        if (root->layout()) root->layout()->activate();
        root->updateGeometry();
    }
    update();
}
