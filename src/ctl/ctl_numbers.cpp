#include "ctl/ctl_numbers.h"

#include <cstdio>

bool ParseNumber(const std::string& text, uint32_t maximum, uint32_t& value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const size_t first = hex ? 2 : 0;
    if (text.size() <= first) return false;
    uint64_t number = 0;
    for (size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        number = number * (hex ? 16 : 10) + digit;
        if (number > maximum) return false;
    }
    value = static_cast<uint32_t>(number);
    return true;
}

std::string FormatHexDump(const uint8_t* bytes, size_t length, uint32_t firstOffset) {
    std::string text;
    char cell[16];
    for (size_t line = 0; line < length; line += 16) {
        std::snprintf(cell, sizeof cell, "%04x ", static_cast<unsigned>(firstOffset + line));
        text += cell;
        for (size_t i = line; i < length && i < line + 16; ++i) {
            std::snprintf(cell, sizeof cell, " %02x", bytes[i]);
            text += cell;
        }
        text += '\n';
    }
    return text;
}
