#pragma once
// Suspend and resume notices for the main window. On Linux, logind announces both with
// its PrepareForSleep signal on the system bus (true before sleeping, false after
// waking); they reach the window as WM_POWERBROADCAST with PBT_APMSUSPEND or
// PBT_APMRESUMEAUTOMATIC. Without a system bus (containers, tests) nothing arrives; tests
// send the message themselves.
#include <QObject>

class CSkinWindow;

// Starts watching for window; the watcher is a child of window. nullptr when the program
// was built without D-Bus.
QObject* WatchPowerNotices(CSkinWindow* window);
