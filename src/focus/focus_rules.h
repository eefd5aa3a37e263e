#pragma once
// Which profile the focused window asks for, and when to switch back: pure rules that the
// window part and the tests call.
//
// A binding is one of
//   "class:NAME"  the window's WM_CLASS class or instance, letter case ignored;
//   a path        (contains '/') the process's executable, exactly;
//   a name        the executable's file name exactly, or, for Wine and Proton, the Windows
//                 program's file name with letter case ignored (Windows ignores it too).
#include <string>
#include <vector>

#include "focus/focused_window.h"

bool ProgramMatches(const std::string& binding, const FocusedWindow& window);

// Index of the first profile one of whose programs matches window; -1 when none does.
int BoundProfileFor(const std::vector<std::vector<std::string>>& programsPerProfile,
                    const FocusedWindow& window);

// The Windows program of a /proc/PID/cmdline (arguments separated by NUL): the file name
// of the first argument ending in ".exe" (letter case ignored), after the last '\' or '/';
// empty when there is none.
std::string WindowsProgramFromCmdline(const std::string& cmdline);

// The words the window part shows for the program that caused a switch ("game.exe").
std::string FocusedProgramLabel(const FocusedWindow& window);

// Where one device stands while it follows the focus.
struct FocusFollowState {
    bool following = false;  // a bound program has the focus and the device was switched for it
    int returnIndex = -1;    // profile to go back to when the focus leaves the bound programs
};

// The profile to switch to for a focus change, -1 for none. boundIndex: BoundProfileFor for
// the new window; selectedIndex: the profile the device has now; markedReturn: the list's
// return profile (-1 when none: the profile selected before the bound program is returned
// to). Moving between two bound programs keeps the first return profile.
int DecideFocusSwitch(FocusFollowState& state, int boundIndex, int selectedIndex, int markedReturn);
