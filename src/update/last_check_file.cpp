#include "update/last_check_file.h"

#include <filesystem>
#include <system_error>
#include "util/json_file.h"
#include "util/json_value.h"

namespace {
constexpr const char* kLastTimeKey = "updatelasttime";
constexpr const char* kValueKey = "value";
constexpr int kYearBase = 1900;

std::string FilePath(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kLastCheckFileName).string();
}
}  // namespace

std::string FormatCheckDate(const std::tm& local) {
    return std::to_string(local.tm_year + kYearBase) + "-" + std::to_string(local.tm_mon + 1) + "-" +
           std::to_string(local.tm_mday);
}

std::string TodayCheckDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatCheckDate(local);
}

std::string ReadLastCheckDate(const std::string& dataFolder) {
    const Json::Value root = CJsonFile(kMaxListFileBytes).ReadJsonFile(FilePath(dataFolder));
    return JsonStringAt(JsonMember(root, kLastTimeKey), kValueKey);
}

int WriteLastCheckDate(const std::string& dataFolder, const std::string& date) {
    std::error_code error;
    std::filesystem::create_directories(dataFolder, error);
    Json::Value root(Json::objectValue);
    root[kLastTimeKey][kValueKey] = date;
    return CJsonFile().WriteJsonFile(FilePath(dataFolder), root);
}

std::string LastCheckDateAtStart(const std::string& dataFolder) {
    const std::string stored = ReadLastCheckDate(dataFolder);
    if (!stored.empty()) return stored;
    const std::string today = TodayCheckDate();
    WriteLastCheckDate(dataFolder, today);
    return today;
}
