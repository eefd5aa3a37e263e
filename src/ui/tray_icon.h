#pragma once
// The program's tray icon. Mouse actions on it are sent to the owner window as a message
// (normally kMsgTrayIcon, 1025) with wParam 0 and lParam WM_LBUTTONUP (514) for a left
// click or WM_RBUTTONUP (517) for a right click / context request. The icon shows no menu
// of its own: the owner opens one (CMenuWnd) when it gets the right click.
#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include "ui/window_messages.h"

class CTrayIcon : public QObject {
    Q_OBJECT
public:
    CTrayIcon(WindowHandle owner, unsigned message, const QIcon& icon, const QString& toolTip,
              QObject* parent = nullptr);
    // Shows the icon when the desktop has a tray; false otherwise.
    bool Show();
    void Hide();
    QSystemTrayIcon* TrayIcon() { return &tray_; }

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    WindowHandle owner_;
    unsigned message_;
    QSystemTrayIcon tray_;
};
