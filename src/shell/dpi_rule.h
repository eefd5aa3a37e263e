#pragma once
// The program's DPI rules (the values themselves are listed in ui/dpi.h).
//
// Qt already draws every window at the screen's device-pixel ratio, so the DPI a window
// keeps is bookkeeping: the value handed between windows (message boxes get the main
// window's) and reported by CSkinWindow::GetDpi. It never rescales logical geometry.
#include <QSize>

// The DPI a window takes when asked for requested while it has current: current when
// they are equal; requested when it is supported; otherwise 96, after writing errorLine
// to the debug output ("MSG_WND DPI SET ERROR", "MAIN_WND DPI SET ERROR").
int TakeWindowDpi(int requested, int current, const char* errorLine);

// The main window's UI DPI for a screen of the given size in device pixels: 144 when it
// is wider than 1500 and higher than 960, else 96.
int UiDpiForScreen(QSize devicePixels);

// Gives dpi to every skin window of the program (CSkinWindow::SetDpi) and keeps it as the
// program's DPI, which AllDpi() reports (96 until set). Unsupported values are ignored.
void SetAllDpi(int dpi);
int AllDpi();
