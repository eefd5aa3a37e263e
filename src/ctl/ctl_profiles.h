#pragma once
// kvelmctl profiles and profile: a device's named profiles, as the window's profile manager
// has them (the same list file, rules and messages).
//   profiles DEVICE                    the profiles, the selected one marked with '*'
//   profile DEVICE new                 a new profile from the default data
//   profile DEVICE copy NAME           a copy named "NAME copy"
//   profile DEVICE rename NAME NEW     a new name (not one another profile has)
//   profile DEVICE delete NAME         the profile and its file (never the last one)
//   profile DEVICE select NAME         selected and written to the device (a profile switch)
//   profile DEVICE export NAME FILE    a copy of its file
//   profile DEVICE import FILE         a new profile from a profile file
#include <ostream>
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"

class CProfileList;

// The profile list of the device `argument` names, loaded (and created on first use) as the
// window loads it; kExitOk, else the exit code after the error line.
int OpenProfileListOf(const std::string& argument, CProfileList& list, CtlContext& context);

// One line per profile: "* 0  name  (identifier)  programs: ...", the selected one marked,
// with the programs bound to it (ProfileBindingsText).
void PrintProfileList(const CProfileList& list, std::ostream& out);

// Applies the selected profile, or the one named by profileName (not null; it becomes the
// selected one), to the device `argument` names, as a profile switch does.
int ApplyProfileToDevice(const std::string& argument, const std::string* profileName, CtlContext& context);

int RunProfiles(const std::vector<std::string>& args, CtlContext& context);
int RunProfile(const std::vector<std::string>& args, CtlContext& context);
