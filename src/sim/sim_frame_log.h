#pragma once
// A log of the frames simulated devices receive, for tests that watch a running program
// from outside: one line per output report, "NAME INTERFACE HEX", NAME being the device's
// name on the --simulate list. Off until a file is given; only simulated devices write it.
#include <cstddef>
#include <cstdint>
#include <string>

// The variable naming the log file; read when simulated devices are plugged.
inline constexpr char kSimFrameLogVariable[] = "KVELM_SIM_FRAME_LOG";

// Appends to `path` from now on; an empty path turns the log off.
void SetSimFrameLog(const std::string& path);
void LogSimFrame(const std::string& name, int interfaceNumber, const std::uint8_t* data, std::size_t length);
