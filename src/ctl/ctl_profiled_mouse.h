#pragma once
// A mouse opened for kvelmctl with its selected profile loaded the way a profile switch loads
// it (profile list created on first use, macro assignments checked against the macro list),
// and its key block read so assignments can be merged into it.
#include <string>

#include "ctl/ctl_commands.h"
#include "devices/mouse_device.h"
#include "macros/key_assignment.h"

struct ProfiledMouse {
    CVornakelMouseDevice device;
    std::string path;
    std::string profileName;
};

// kExitOk, or the exit code after writing the error line.
int OpenProfiledMouse(const std::string& argument, ProfiledMouse& mouse, CtlContext& context);

// The names of the ten logical buttons ("left", "right", ..., "extra"), by button number.
std::string_view ButtonWord(std::size_t button);
// Button number of a name or of a number 0-9; -1 when neither.
int FindButton(const std::string& word);
std::string ButtonWords();

// The profile's assignments converted for the assignment rules.
macros::Assignment ToAssignment(const KeyAssignHalf& half);
