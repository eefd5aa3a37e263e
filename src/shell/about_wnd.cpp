#include "shell/about_wnd.h"

#include <QCoreApplication>
#include "shell/app_names.h"
#include "ui/control_names.h"
#include "ui/controls.h"
#include "ui/language_table.h"

namespace {
bool programLoopRunning = false;
}  // namespace

void SetProgramLoopRunning(bool running) {
    programLoopRunning = running;
}
bool ProgramLoopRunning() {
    return programLoopRunning;
}

void PostQuitMessage() {
    if (programLoopRunning) QCoreApplication::exit(0);
}

void CAboutWnd::InitWindow() {
    closeBtn_ = FindControl(QStringLiteral("closebtn"));
    maxBtn_ = FindControl(QStringLiteral("maxbtn"));
    restoreBtn_ = FindControl(QStringLiteral("restorebtn"));
    minBtn_ = FindControl(QStringLiteral("minbtn"));
    menuBtn_ = FindControl(QStringLiteral("menubtn"));
    SetCaptionHeight(40);
}

void CAboutWnd::ShowVersion(const QString& version) {
    QWidget* translator = FindControl(QStringLiteral("text_test"));
    SetResourceText(translator, QStringLiteral("software_rev_text"));
    SetText(FindControl(QStringLiteral("software_ver_label")), GetText(translator) + version);
}

void CAboutWnd::Notify(TNotifyUI& msg) {
    if (!msg.Is(NotifyType::kClick)) return;
    const QString name = msg.SenderName();
    if (NameEquals(name, QStringLiteral("closebtn")))
        Close(0);
    else if (NameEquals(name, QStringLiteral("minbtn")))
        SysCommand(SC_MINIMIZE);
    else if (NameEquals(name, QStringLiteral("maxbtn")))
        SysCommand(SC_MAXIMIZE);
    else if (NameEquals(name, QStringLiteral("restorebtn")))
        SysCommand(SC_RESTORE);
    // "menubtn" and "homepage_btn" do nothing.
}

LRESULT CAboutWnd::HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    switch (msg) {
    case kMsgLanguageChanged:
        update();
        handled = true;
        return 0;
    case WM_TIMER:
        if (wParam == 1) KillTimer(1);
        handled = true;
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            PostQuitMessage();
            handled = true;
            return 0;
        }
        {
            const bool wasMaximised = isMaximized();
            switch (wParam) {
            case SC_MINIMIZE:
                showMinimized();
                break;
            case SC_MAXIMIZE:
                showMaximized();
                break;
            case SC_RESTORE:
                showNormal();
                break;
            default:
                break;
            }
            if (wasMaximised != isMaximized()) ShowMaximisedState();
            handled = true;
        }
        return 0;
    default:
        return 0;
    }
}

void CAboutWnd::ShowMaximisedState() {
    const bool maximised = isMaximized();
    if (maxBtn_) maxBtn_->setVisible(!maximised);
    if (restoreBtn_) restoreBtn_->setVisible(maximised);
}
