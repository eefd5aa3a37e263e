#pragma once
// What /proc tells about a process: its executable and its command line.
#include <string>

// The target of /proc/PID/exe; empty when the process is gone or not ours to read.
std::string ProcessExecutable(unsigned pid);
// /proc/PID/cmdline as it stands (arguments separated by NUL), at most 64 KiB.
std::string ProcessCommandLine(unsigned pid);
