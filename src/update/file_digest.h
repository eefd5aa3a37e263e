#pragma once
// The SHA-256 of a file, shown to the user before a downloaded file may run.
#include <string>

// 64 lower-case hexadecimal digits; empty when the file cannot be read.
std::string Sha256OfFile(const std::string& path);
