#include "ui/tray_icon.h"

#include "ui/ui_types.h"

CTrayIcon::CTrayIcon(WindowHandle owner, unsigned message, const QIcon& icon, const QString& toolTip,
                     QObject* parent)
    : QObject(parent), owner_(owner), message_(message) {
    tray_.setIcon(icon);
    tray_.setToolTip(toolTip);
    connect(&tray_, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
}

bool CTrayIcon::Show() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
    tray_.show();
    return true;
}

void CTrayIcon::Hide() {
    tray_.hide();
}

void CTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        SendWindowMessage(owner_, message_, 0, WM_LBUTTONUP);
        break;
    case QSystemTrayIcon::Context:
        SendWindowMessage(owner_, message_, 0, WM_RBUTTONUP);
        break;
    default:
        break;
    }
}
