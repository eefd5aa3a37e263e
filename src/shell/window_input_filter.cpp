#include "shell/window_input_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "macros/capture/linux_input_records.h"
#include "shell/qt_linux_keys.h"

namespace {

// Keys that keep reaching the windows while keys are kept away: their lock state must follow.
bool IsLockKey(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

}  // namespace

CWindowInputFilter::CWindowInputFilter(bool swallowKeys, bool recordEvents, Sink sink)
    : swallowKeys_(swallowKeys), recordEvents_(recordEvents), sink_(std::move(sink)) {
    QCoreApplication::instance()->installEventFilter(this);
}

CWindowInputFilter::~CWindowInputFilter() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool CWindowInputFilter::IsRepeat(const Seen& seen) {
    if (seen == last_) return true;
    last_ = seen;
    return false;
}

bool CWindowInputFilter::OnKey(QKeyEvent* event) {
    const bool down = event->type() == QEvent::KeyPress;
    const Seen seen{event->type(), event->key(), event->timestamp(), {}};
    if (recordEvents_ && !IsRepeat(seen))
        if (const auto code = LinuxCodeOfKeyEvent(*event))
            if (const auto record = capture::RecordOfLinuxCode(*code, down, macros::MonotonicMilliseconds()))
                sink_(*record);
    return swallowKeys_ && !IsLockKey(*event);
}

void CWindowInputFilter::OnButton(QMouseEvent* event) {
    if (!recordEvents_) return;
    const bool down = event->type() != QEvent::MouseButtonRelease;  // a double click is a press
    const Seen seen{down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                    static_cast<int>(event->button()), event->timestamp(), event->globalPosition()};
    if (IsRepeat(seen)) return;
    const auto code = LinuxCodeOfMouseButton(event->button());
    if (!code) return;
    auto record = capture::RecordOfLinuxCode(*code, down, macros::MonotonicMilliseconds());
    if (!record) return;
    const QPoint global = event->globalPosition().toPoint();
    record->x = global.x();
    record->y = global.y();
    sink_(*record);
}

bool CWindowInputFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepting the override keeps shortcuts from firing on a key the windows never get.
        if (swallowKeys_ && !IsLockKey(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return OnKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        OnButton(static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
