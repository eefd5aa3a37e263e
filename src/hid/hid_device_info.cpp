#include "hid/hid_device_info.h"

#include <cctype>
#include <string>

namespace {

// Position just after the first case-insensitive occurrence of token, or npos.
size_t FindTokenEnd(const std::string& path, const char* token) {
    const size_t tokenLength = std::char_traits<char>::length(token);
    if (tokenLength == 0 || path.size() < tokenLength) return std::string::npos;
    for (size_t start = 0; start + tokenLength <= path.size(); ++start) {
        size_t i = 0;
        while (i < tokenLength && std::tolower(static_cast<unsigned char>(path[start + i])) ==
                                      std::tolower(static_cast<unsigned char>(token[i])))
            ++i;
        if (i == tokenLength) return start + tokenLength;
    }
    return std::string::npos;
}

// Reads a hexadecimal number the way "%x" does: optional white space, an optional sign,
// an optional "0x", then hex digits. No digits gives 0. Only the low 16 bits are kept.
uint16_t ParseHexAfter(const std::string& path, const char* token) {
    size_t pos = FindTokenEnd(path, token);
    if (pos == std::string::npos) return 0;
    while (pos < path.size() && std::isspace(static_cast<unsigned char>(path[pos]))) ++pos;
    bool negative = false;
    if (pos < path.size() && (path[pos] == '+' || path[pos] == '-')) {
        negative = path[pos] == '-';
        ++pos;
    }
    if (pos + 2 < path.size() && path[pos] == '0' && (path[pos + 1] == 'x' || path[pos + 1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(path[pos + 2])))
        pos += 2;
    uint32_t value = 0;
    while (pos < path.size() && std::isxdigit(static_cast<unsigned char>(path[pos]))) {
        const char c = path[pos];
        const uint32_t digit =
            std::isdigit(static_cast<unsigned char>(c))
                ? static_cast<uint32_t>(c - '0')
                : static_cast<uint32_t>(std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
        value = (value << 4) | digit;  // wraps like the unsigned conversion of "%x"
        ++pos;
    }
    if (negative) value = 0u - value;
    return static_cast<uint16_t>(value & 0xFFFFu);
}

}  // namespace

uint16_t ParseVendorId(const std::string& path) {
    return ParseHexAfter(path, "vid_");
}
uint16_t ParseProductId(const std::string& path) {
    return ParseHexAfter(path, "pid_");
}
uint16_t ParseInterfaceNumber(const std::string& path) {
    return ParseHexAfter(path, "&mi_");
}
uint16_t ParseCollectionNumber(const std::string& path) {
    return ParseHexAfter(path, "&col");
}
