#pragma once
// The program's start-up, from the command line to the end of the message loop:
//   1. the command line; with no display reachable, the offscreen platform and a
//      screenshot file named on standard error;
//   2. the instance message ("软件标示：%d" on the debug output) and the single-instance
//      lock: a second start hands the instance message (wParam 0, lParam 1) to the running
//      one and ends with 0;
//   3. simulated devices, the skin resources and style sheet, the registered messages;
//   4. the main window (800 x 572, centred), which shows itself once it is initialised;
//   5. the message loop, then the teardown in reverse order.
// Returns the process exit code: 0, or 1 when the window cannot be built or a screenshot
// cannot be saved, 2 for a bad command line.
int RunProgram(int argc, char** argv);

// Renders widget into a PNG file; false when it cannot be written.
class QWidget;
bool SaveWindowImage(QWidget* widget, const class QString& path);
