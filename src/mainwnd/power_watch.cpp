#include "mainwnd/power_watch.h"

#include "shell/app_names.h"
#include "ui/skin_window.h"

#include <QDBusConnection>

namespace {

class CPowerWatch : public QObject {
    Q_OBJECT
public:
    explicit CPowerWatch(CSkinWindow* window) : QObject(window), window_(window) {
        QDBusConnection::systemBus().connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
            SLOT(OnPrepareForSleep(bool)));
    }

private slots:
    void OnPrepareForSleep(bool sleeping) {
        window_->HandleMessage(WM_POWERBROADCAST, sleeping ? PBT_APMSUSPEND : PBT_APMRESUMEAUTOMATIC);
    }

private:
    CSkinWindow* window_;
};

}  // namespace

QObject* WatchPowerNotices(CSkinWindow* window) {
    return new CPowerWatch(window);
}

#include "power_watch.moc"
