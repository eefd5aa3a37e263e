#pragma once
// Where a device finds the files shipped beside the program. The program folder is the one
// that holds "DefaultData/" (and "skin/"): KVELM_DATA_DIR when set and not empty, else the
// executable's folder when it holds either, else "../share/kvelm" beside the executable
// when that does, else the executable's folder. Qt-free, so kvelmctl finds the same files
// as the windowed program.
#include <string>

// Absolute, '/' separators, no trailing '/'.
std::string DeviceProgramFolder();
// DeviceProgramFolder() + "/DefaultData/".
std::string DefaultDataFolder();
