#include "update/service_url.h"

#include <cstdlib>
#include <sstream>

#include "update/url_origin.h"
#include "util/json_file.h"
#include "util/regular_file.h"

namespace {
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsWebUrl(const std::string& url) {
    return TransportAllowed(url);
}
}  // namespace

UpdateServiceSetting ResolveUpdateServiceUrl(const std::string& iniValue, const char* environmentValue) {
    const std::string chosen(
        Trim(environmentValue != nullptr ? std::string_view(environmentValue) : iniValue));
    if (chosen.empty()) return {};
    if (!IsWebUrl(chosen)) return {"", "the update service URL '" + chosen + "' is not an https:// URL"};
    return {chosen, ""};
}

UpdateServiceSetting ResolveUpdateServiceUrl(const std::string& iniValue) {
    return ResolveUpdateServiceUrl(iniValue, std::getenv(kUpdateUrlVariable));
}

std::string ReadIniValue(std::string_view iniText, std::string_view group, std::string_view key) {
    std::istringstream lines{std::string(iniText)};
    std::string line;
    bool inGroup = false;
    while (std::getline(lines, line)) {
        const std::string_view text = Trim(line);
        if (text.starts_with('[') && text.ends_with(']')) {
            inGroup = text.substr(1, text.size() - 2) == group;
            continue;
        }
        const size_t equals = text.find('=');
        if (!inGroup || equals == std::string_view::npos || Trim(text.substr(0, equals)) != key) continue;
        std::string_view value = Trim(text.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return {};
}

std::string UserIniPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && *config == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : "") + "/.config";
    }
    return folder + "/kvelm/kvelm.ini";
}

std::string UpdateUrlFromUserIni() {
    // A pipe or a huge stream in place of the settings file is not waited on nor read whole.
    std::string text;
    if (ReadRegularFile(UserIniPath(), kMaxListFileBytes, &text) != FileRead::Read) return {};
    return ReadIniValue(text, kUpdateGroup, kUpdateUrlKey);
}
