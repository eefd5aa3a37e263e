// The tray icon, its menu and the menu commands of the frame.
#include <QCursor>
#include <QIcon>
#include "shell/app_names.h"
#include "ui/menu_wnd.h"
#include "ui/skin_resources.h"
#include "ui/tray_icon.h"
#include "mainwnd/main_wnd.h"

void CMainWnd::CreateTrayIcon() {
    const QIcon icon(CSkinResources::Instance().PathOf(QStringLiteral("common/app_icon.png")));
    tray_ =
        std::make_unique<CTrayIcon>(GetHWND(), kMsgTrayIcon, icon, QString::fromUtf8(AppNames::kWindowTitle));
    tray_->Show();
}

CMenuWnd* CMainWnd::TrayMenu() const {
    return trayMenu_.data();
}

void CMainWnd::OpenTrayMenu() {
    if (trayMenu_) trayMenu_->close();  // a menu still open goes first
    // The parts add their items first: only the whole menu can be kept on the screen of
    // the cursor, wherever the panel is.
    trayMenu_ = CMenuWnd::LoadMenu(GetHWND(), QStringLiteral("menu.xml"));
    if (!trayMenu_) return;
    for (const auto& part : parts_) part->OnTrayMenu(*this, *trayMenu_);
    trayMenu_->Popup(QCursor::pos());
}

bool CMainWnd::OnMenuCommand(const QString& item) {
    if (item == QLatin1String("exit")) {
        Close(0);
        return true;
    }
    if (item == QLatin1String("about_menu")) {
        ShowAbout();
        return true;
    }
    if (item == QLatin1String("setwnd_menu")) {
        OpenSettings(false);
        return true;
    }
    for (const auto& part : parts_)
        if (part->OnMenuCommand(*this, item)) return true;
    return false;
}

void CMainWnd::TrayToggle() {
    UpdateNoDeviceLink();
    const bool visible = isVisible() && !isMinimized();
    if (settingsWnd_) SendWindowMessage(settingsWnd_, WM_CLOSE);
    if (aboutWnd_) SendWindowMessage(aboutWnd_, WM_CLOSE);
    if (visible) {
        hide();
        return;
    }
    BringForward();
    AdaptLayout();
    update();
    Relayout();
}
