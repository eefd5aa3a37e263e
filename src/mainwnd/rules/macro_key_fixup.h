#pragma once
// What deleting macro d does to the key assignments that name macros by list position:
// a key assigned macro d returns to its default, one assigned a later macro names the macro
// one position earlier.
#include <vector>

#include "profiles/profile_records.h"

struct MacroDeleteFixup {
    bool usesDeleted = false;  // some key is assigned the deleted macro (ask first)
    bool changed = false;
    std::vector<KeyAssignEntry> keys;  // the list after the deletion
};

bool IsMacroAssignment(const KeyAssignHalf& half);
MacroDeleteFixup FixKeysForDeletedMacro(const std::vector<KeyAssignEntry>& keys, int deleted);
