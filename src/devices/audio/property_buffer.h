#pragma once
// Putting values into and taking them out of the library's property buffers.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

void PutInt32(std::span<uint8_t> buffer, int32_t value);
void PutFloat(std::span<uint8_t> buffer, float value);
// Consecutive 32-bit integers from the start of the buffer (as many as fit).
void PutInt32s(std::span<uint8_t> buffer, std::initializer_list<int32_t> values);
int32_t TakeInt32(std::span<const uint8_t> buffer);
float TakeFloat(std::span<const uint8_t> buffer);

// NUL-terminated text of a buffer (the whole buffer when no NUL).
std::string BufferText(std::span<const uint8_t> buffer);
// Writes text and a NUL, cut to fit; false when it had to be cut.
bool PutText(std::span<uint8_t> buffer, const std::string& text);

// A decimal integer (surrounding blanks allowed; nothing else after the digits).
std::optional<int> ParseDecimalInt(const std::string& text);
// A decimal floating-point number (surrounding blanks allowed).
std::optional<double> ParseDecimalFloat(const std::string& text);
