#pragma once
// Where the update service is. Nothing is asked until a URL is set: the "Url" value of the
// "[Update]" group of kvelm.ini, overridden by the environment variable KVELM_UPDATE_URL
// when that is defined (also when defined empty, which turns the check off).
#include <string>
#include <string_view>

constexpr const char* kUpdateUrlVariable = "KVELM_UPDATE_URL";
constexpr std::string_view kUpdateGroup = "Update";
constexpr std::string_view kUpdateUrlKey = "Url";
constexpr std::string_view kNoServiceText =
    "no update service is set (set Url= in the [Update] group of kvelm.ini or KVELM_UPDATE_URL)";

struct UpdateServiceSetting {
    std::string url;      // empty: no request may be sent
    std::string problem;  // why a given URL was not taken; empty when none was refused
};

// iniValue: the ini's value (read elsewhere); environmentValue: KVELM_UPDATE_URL or
// nullptr when undefined. Only https:// URLs are taken (http:// for the loopback address
// alone, where nothing leaves the machine).
UpdateServiceSetting ResolveUpdateServiceUrl(const std::string& iniValue, const char* environmentValue);
// The same with the process environment.
UpdateServiceSetting ResolveUpdateServiceUrl(const std::string& iniValue);

// The value of `key` in `[group]` of an ini text ("" when absent). Enough for the plain
// values the program writes: surrounding blanks are dropped and one pair of double quotes
// is removed.
std::string ReadIniValue(std::string_view iniText, std::string_view group, std::string_view key);
// The user's kvelm.ini: $XDG_CONFIG_HOME/kvelm/kvelm.ini, else ~/.config/kvelm/kvelm.ini.
std::string UserIniPath();
// The update URL setting of the user's kvelm.ini ("" when the file or value is missing).
std::string UpdateUrlFromUserIni();
