#pragma once
// The programs bound to a profile, as kvelmctl shows them.
#include <string>

class CProfileList;

// "xcalc, class:XCalc" for the programs bound to entry index, with ", return profile"
// appended when the entry is the marked return profile; "-" when it has neither.
std::string ProfileBindingsText(const CProfileList& list, int index);
