#include "devices/audio/property_buffer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

template <class T>
std::optional<T> ParseWhole(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty()) return std::nullopt;
    const char* begin = trimmed.data() + (trimmed.front() == '+' ? 1 : 0);
    const char* end = trimmed.data() + trimmed.size();
    T value{};
    const auto [last, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || last != end) return std::nullopt;
    return value;
}

}  // namespace

void PutInt32(std::span<uint8_t> buffer, int32_t value) {
    if (buffer.size() >= sizeof value) std::memcpy(buffer.data(), &value, sizeof value);
}

void PutFloat(std::span<uint8_t> buffer, float value) {
    if (buffer.size() >= sizeof value) std::memcpy(buffer.data(), &value, sizeof value);
}

void PutInt32s(std::span<uint8_t> buffer, std::initializer_list<int32_t> values) {
    size_t offset = 0;
    for (int32_t value : values) {
        if (offset + sizeof value > buffer.size()) return;
        std::memcpy(buffer.data() + offset, &value, sizeof value);
        offset += sizeof value;
    }
}

int32_t TakeInt32(std::span<const uint8_t> buffer) {
    int32_t value = 0;
    if (buffer.size() >= sizeof value) std::memcpy(&value, buffer.data(), sizeof value);
    return value;
}

float TakeFloat(std::span<const uint8_t> buffer) {
    float value = 0;
    if (buffer.size() >= sizeof value) std::memcpy(&value, buffer.data(), sizeof value);
    return value;
}

std::string BufferText(std::span<const uint8_t> buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), uint8_t{0});
    return std::string(buffer.begin(), end);
}

bool PutText(std::span<uint8_t> buffer, const std::string& text) {
    if (buffer.empty()) return text.empty();
    const size_t length = std::min(text.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), text.data(), length);
    buffer[length] = 0;
    return length == text.size();
}

std::optional<int> ParseDecimalInt(const std::string& text) {
    return ParseWhole<int>(text);
}

std::optional<double> ParseDecimalFloat(const std::string& text) {
    return ParseWhole<double>(text);
}
