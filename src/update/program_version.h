#pragma once
// The program's own version, taken from the build (one place: the project version), and
// the version texts the about window and the update list show.
#include <cstdint>
#include <string>
#include <string_view>

// The dotted version of this build, e.g. "1.0.0".
std::string_view ProgramVersionDotted();
// "V" and the dotted version ("V1.0.0"): the program's version text.
std::string ProgramVersionText();
// The version number the update service compares: the dotted text with the dots removed,
// read as a decimal number ("1.0.0" -> 100). 0 when the text holds no digits.
int32_t ProgramVersionNumber();
int32_t VersionNumberFromDotted(std::string_view dotted);

// "V%04x": firmware versions, lower-case hexadecimal with at least four digits (0x0102 -> "V0102").
std::string FormatHexVersion(uint32_t version);
// "V%d": the program's version number (100 -> "V100").
std::string FormatDecimalVersion(int32_t version);
