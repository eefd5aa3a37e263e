#pragma once
// Watches every key and mouse button event of the program's windows while the input hooks
// are installed. It keeps keys away from the windows (all but Caps Lock, Num Lock and Scroll
// Lock, which keep working) and, when no capture outside the window runs, turns the events
// into hook records itself. Mouse events always go on to the windows: the stop button must
// stay clickable.
#include <QEvent>
#include <QObject>
#include <QPointF>
#include <functional>

#include "macros/hook_record.h"

class QKeyEvent;
class QMouseEvent;

class CWindowInputFilter : public QObject {
public:
    using Sink = std::function<void(const macros::HookRecord&)>;

    // Installs itself on the application.
    CWindowInputFilter(bool swallowKeys, bool recordEvents, Sink sink);
    ~CWindowInputFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An event reaches the filter once for each object it is delivered to (the window, then
    // the widget, then parents that get it passed on); the same event is recorded once.
    struct Seen {
        QEvent::Type type = QEvent::None;
        int code = 0;
        quint64 timestamp = 0;
        QPointF global;
        bool operator==(const Seen&) const = default;
    };
    bool IsRepeat(const Seen& seen);
    bool OnKey(QKeyEvent* event);
    void OnButton(QMouseEvent* event);

    bool swallowKeys_;
    bool recordEvents_;
    Sink sink_;
    Seen last_;
};
