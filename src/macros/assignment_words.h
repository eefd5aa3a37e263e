#pragma once
// Assignments as words a person reads and types, and readable English names:
//   left right middle back forward          mouse buttons
//   dpi-up dpi-down dpi-cycle               DPI actions
//   key:[MOD+...]KEY                        keyboard key with modifiers (key:ctrl+c, key:f5)
//   media:NAME    system:NAME               media keys, power / sleep / wake
//   macro:NAME[:mode=0-3|:repeat=1-255]     a macro of the list by name
//   gun:1-4                                 gun preset
//   wheel-up[:N] wheel-down[:N] swing-left[:N] swing-right[:N]   scrolling N steps (1-127)
//   rapid-fire:INTERVAL:COUNT               rapid fire (0-255 each)
//   device:fn  device:gm                    device functions
//   default  disabled  raw:TT:PP:QQ         the button's default, nothing, three hex bytes
#include <string>
#include <vector>

#include "macros/key_assignment.h"

namespace macros {

// The words of an assignment, so that ParseAssignment gives it back. A macro index beyond
// `macroNames` is written as macro:#<index+1>.
std::string AssignmentWords(const Assignment& assignment, const std::vector<std::string>& macroNames);

// A readable English name: "Left click", "Key Ctrl+C", "Media Volume Up", "Macro 'Burst'
// (repeat 3)", "Wheel down 3", "Gun preset 2".
std::string AssignmentName(const Assignment& assignment, const std::vector<std::string>& macroNames);

struct ParsedAssignment {
    bool ok = false;
    bool isDefault = false;  // "default": the caller uses the button's default assignment
    Assignment assignment;
    std::string error;  // why the words were refused, naming the accepted ones
};
ParsedAssignment ParseAssignment(const std::string& words, const std::vector<std::string>& macroNames);

// The help text listing every accepted word.
std::string AssignmentWordHelp();

}  // namespace macros
