#include "update/updater_message.h"

#include <charconv>

namespace {
// A decimal number without sign or leading blanks, at most three digits (0-999).
std::optional<int> ReadSmallNumber(std::string_view text) {
    constexpr size_t kMaxDigits = 3;
    if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsValid(const UpdaterMessage& message) {
    switch (message.code) {
    case kUpdaterFinished:
    case kUpdaterFailed:
    case kUpdaterFailedToo:
        return message.value == 0;
    case kUpdaterProgress:
        return message.value >= 0 && message.value <= kPercentMax;
    default:
        return false;
    }
}
}  // namespace

std::optional<UpdaterMessage> ParseUpdaterMessage(std::string_view line) {
    if (line.size() > kUpdaterLineMax || !line.ends_with('\n')) return std::nullopt;
    line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.starts_with(kUpdaterMessageName)) return std::nullopt;
    line.remove_prefix(kUpdaterMessageName.size());
    if (!line.starts_with(' ')) return std::nullopt;
    line.remove_prefix(1);
    const size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const auto code = ReadSmallNumber(line.substr(0, space));
    const auto value = ReadSmallNumber(line.substr(space + 1));
    if (!code || !value) return std::nullopt;
    const UpdaterMessage message{*code, *value};
    if (!IsValid(message)) return std::nullopt;
    return message;
}

std::string FormatUpdaterMessage(const UpdaterMessage& message) {
    return std::string(kUpdaterMessageName) + " " + std::to_string(message.code) + " " +
           std::to_string(message.value) + "\n";
}
