#pragma once
// kvelmctl, the command-line tool: lists HID interfaces, reads a device's information
// block and dumps device memory. Everything it prints goes to `out`; errors are one line
// on `err`. Returns the process exit code.
#include <ostream>
#include <string>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the device is missing, refuses or does not answer
constexpr int kExitUsage = 2;    // bad arguments

// args: the command line without the program name. Handles "--help", "--simulate LIST" /
// "--simulate=LIST" (or KVELM_SIMULATE) before the command.
int RunCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
