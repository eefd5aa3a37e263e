#pragma once
// The SHA-256 of a file, shown to the user before a downloaded file may run.
#include <string>

// 64 lower-case hexadecimal digits; empty when the file cannot be read or libcrypto
// cannot be loaded.
std::string Sha256OfFile(const std::string& path);
