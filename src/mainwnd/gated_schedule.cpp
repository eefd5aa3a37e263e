#include "mainwnd/gated_schedule.h"

#include <QTimer>

void RunGatedLater(QObject* context, int delayMs, std::function<bool()> gate, std::function<void()> task) {
    QTimer::singleShot(delayMs, context,
                       [context, delayMs, gate = std::move(gate), task = std::move(task)]() mutable {
                           if (gate && !gate()) {
                               RunGatedLater(context, delayMs, std::move(gate), std::move(task));
                               return;
                           }
                           task();
                       });
}
