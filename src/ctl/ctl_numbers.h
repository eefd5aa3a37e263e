#pragma once
// Numbers on the kvelmctl command line: decimal, or hexadecimal with a "0x" prefix.
#include <cstdint>
#include <string>

// True when the whole text is such a number not above `maximum`.
bool ParseNumber(const std::string& text, uint32_t maximum, uint32_t& value);

// Lines of 16 bytes: the device offset of the first byte (4 hex digits), then the bytes.
std::string FormatHexDump(const uint8_t* bytes, size_t length, uint32_t firstOffset);
