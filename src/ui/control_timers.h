#pragma once
// Control timers: a control owns timers by number. Each time a timer elapses the control
// gets it: OnControlTimer(id) when the control implements IControlTimerTarget, else a
// "timer" notification (wParam = id, lParam 0) from the control to its window.
// Timers repeat until killed; setting a running id again restarts it with the new
// period. Timers die with their control. UI thread only.
#include <QWidget>

// ms below 1 counts as 1. Returns false for a null control.
bool SetTimer(QWidget* control, int id, int ms);
// Returns false when no such timer runs.
bool KillTimer(QWidget* control, int id);
bool IsTimerActive(const QWidget* control, int id);
