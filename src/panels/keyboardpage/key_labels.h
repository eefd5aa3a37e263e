#pragma once
// The texts of a keyboard key button: the name of the key under the LED and the name of
// what it does now, each in the current language.
#include <QString>
#include <string>
#include <vector>

#include "profiles/profile_records.h"

// The name of the key table row whose category and parameters equal LED `led`'s identity;
// empty when no row matches (or the LED does not exist).
QString DefaultKeyName(int led);
// The name of an assignment: the language's name where it has one, else a readable one
// (macros by their names, keys with their modifiers).
QString AssignmentDisplayName(const KeyAssignHalf& assignment, const std::vector<std::string>& macroNames);
// The tool tip of a key: its own name, the translated "Key_Set", the assignment's name.
QString KeyToolTip(const QString& defaultName, const QString& assignmentName);
// Whether the key-set image is shown: the assignment's name differs from the key's (case aside).
bool ShowsKeySetImage(const QString& defaultName, const QString& assignmentName);
