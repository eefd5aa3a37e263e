#pragma once
// The program's start-up, from the command line to the end of the message loop:
//   1. the command line (--help and --version print and end; a bad one ends with 2); with
//      no display reachable, the offscreen platform when a screenshot was asked for, else
//      a message and the end (1);
//   2. the instance message ("软件标示：%d" on the debug output) and the single-instance
//      lock: a second start hands the instance message (wParam 0, lParam 1) to the running
//      one and ends with 0;
//   3. simulated devices, the skin resources and style sheet, the registered messages;
//   4. the main window, shown at once and filled by its parts after its first paint;
//   5. the message loop, then the teardown in reverse order.
// Returns the process exit code: 0, or 1 when the window cannot be built or a screenshot
// cannot be saved, 2 for a bad command line.
int RunProgram(int argc, char** argv);

// Renders widget into a PNG file; false when it cannot be written.
class QWidget;
bool SaveWindowImage(QWidget* widget, const class QString& path);
