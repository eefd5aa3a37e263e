#include "ui/control_timers.h"

#include <QHash>
#include <QPointer>
#include <QTimer>
#include "ui/control_wiring.h"
#include "ui/ui_types.h"

namespace {

// Lives as a child of its control, so the timers die with it.
class TimerHost : public QObject {
public:
    explicit TimerHost(QWidget* control) : QObject(control), control_(control) {
        setObjectName(QStringLiteral("kvelm_control_timers"));
    }

    void Start(int id, int ms) {
        QTimer*& timer = timers_[id];
        if (!timer) {
            timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, [this, id] { Fire(id); });
        }
        timer->start(ms < 1 ? 1 : ms);
    }
    bool Stop(int id) {
        QTimer* timer = timers_.value(id);
        if (!timer || !timer->isActive()) return false;
        timer->stop();
        return true;
    }
    bool Active(int id) const {
        QTimer* timer = timers_.value(id);
        return timer && timer->isActive();
    }

private:
    void Fire(int id) {
        if (auto* target = dynamic_cast<IControlTimerTarget*>(control_))
            target->OnControlTimer(id);
        else
            SendNotify(control_, QLatin1String(NotifyType::kTimer), static_cast<WPARAM>(id));
    }

    QWidget* control_;
    QHash<int, QTimer*> timers_;
};

TimerHost* HostOf(const QWidget* control) {
    return control->findChild<TimerHost*>(QStringLiteral("kvelm_control_timers"), Qt::FindDirectChildrenOnly);
}

}  // namespace

bool SetTimer(QWidget* control, int id, int ms) {
    if (!control) return false;
    TimerHost* host = HostOf(control);
    if (!host) host = new TimerHost(control);
    host->Start(id, ms);
    return true;
}

bool KillTimer(QWidget* control, int id) {
    TimerHost* host = control ? HostOf(control) : nullptr;
    return host && host->Stop(id);
}

bool IsTimerActive(const QWidget* control, int id) {
    TimerHost* host = control ? HostOf(control) : nullptr;
    return host && host->Active(id);
}
