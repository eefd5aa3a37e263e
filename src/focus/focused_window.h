#pragma once
// What the focus watchers learn about the window that has the focus.
#include <string>

struct FocusedWindow {
    bool any = false;            // false: no window has the focus (the desktop, or none)
    std::string exePath;         // the process's executable (/proc/PID/exe), empty when unknown
    std::string classInstance;   // WM_CLASS, first string ("xcalc")
    std::string className;       // WM_CLASS, second string ("XCalc")
    std::string windowsProgram;  // for Wine and Proton: the Windows program ("game.exe")
};
