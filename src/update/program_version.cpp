#include "update/program_version.h"

#include <cstdio>

std::string ProgramVersionText() {
    return "V" + std::string(ProgramVersionDotted());
}

int32_t VersionNumberFromDotted(std::string_view dotted) {
    constexpr int32_t kLargest = 0x7FFFFFFF;
    int64_t number = 0;
    for (const char c : dotted) {
        if (c == '.') continue;
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > kLargest) return kLargest;
    }
    return static_cast<int32_t>(number);
}

int32_t ProgramVersionNumber() {
    return VersionNumberFromDotted(ProgramVersionDotted());
}

std::string FormatHexVersion(uint32_t version) {
    char text[16];
    std::snprintf(text, sizeof text, "V%04x", version);
    return text;
}

std::string FormatDecimalVersion(int32_t version) {
    return "V" + std::to_string(version);
}
