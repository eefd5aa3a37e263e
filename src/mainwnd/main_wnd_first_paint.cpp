// The window comes up before anything slow runs: the frame is laid out and shown, and only
// after its first paint do the parts build their device pages, write the first profile
// files and start the discovery worker.
#include <QTimer>
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

namespace {
// A window that is never painted (started in the tray, or a platform that paints late)
// is filled after this long all the same.
constexpr int kFillPatienceMs = 1000;
}  // namespace

void CMainWnd::ShowThenFill() {
    AdaptLayout();
    if (startMinimized_) {
        HideToTray();
        FillWindow();
        return;
    }
    installEventFilter(this);
    BringForward();
    QTimer::singleShot(kFillPatienceMs, this, [this] { FillWindow(); });
}

void CMainWnd::FillWindow() {
    if (filled_) return;
    filled_ = true;
    removeEventFilter(this);
    DebugOutput("main window shown\n");
    for (const auto& part : parts_) part->OnWindowInit(*this);
    initialised_ = true;
}
