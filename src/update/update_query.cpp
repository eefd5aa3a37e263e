#include "update/update_query.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <json/json.h>
#include <memory>
#include "update/program_version.h"
#include "util/json_parse.h"
#include "util/json_value.h"

namespace {
constexpr int kHexBase = 16;
constexpr int kDecimalBase = 10;

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool ParseObject(const char* data, size_t length, Json::Value& root) {
    // A hostile service may nest its answer past the reader's limit: that is no answer.
    return ParseJsonStrict(std::string_view(data, length), &root) && root.isObject();
}
}  // namespace

std::string BuildQueryBody(const std::string& appKey, int32_t installedVersion, bool hexVersions) {
    char version[32];
    if (hexVersions)
        std::snprintf(version, sizeof version, "%x", static_cast<uint32_t>(installedVersion));
    else
        std::snprintf(version, sizeof version, "%d", installedVersion);
    return "app_key=" + appKey + "&version=" + version;
}

std::string UpdateQueryUrl(const std::string& baseUrl) {
    std::string url = baseUrl;
    while (!url.empty() && url.back() == '/') url.pop_back();
    return url + std::string(kUpdatesPath);
}

int32_t ReadOfferedVersion(const std::string& text, bool hexVersions) {
    const unsigned long long value =
        std::strtoull(text.c_str(), nullptr, hexVersions ? kHexBase : kDecimalBase);
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

UpdateAnswer ParseUpdateAnswer(const char* data, int count, int32_t installedVersion, bool hexVersions) {
    UpdateAnswer answer;
    if (count < 0) return answer;
    if (count == 0) {
        answer.name = std::string(data, strnlen(data, kAnswerBufferSize));
        return answer;
    }
    Json::Value root;
    if (!ParseObject(data, static_cast<size_t>(count), root)) return answer;
    answer.path = JsonStringAt(root, "path");
    answer.name = JsonStringAt(root, "name");
    answer.versionName = JsonStringAt(root, "version_name");
    answer.sha256 = LowerCase(JsonStringAt(root, "sha256"));
    const std::string version = JsonStringAt(root, "version");
    answer.deviceId = JsonIntAt(root, "device_id");
    answer.offeredVersion = ReadOfferedVersion(version, hexVersions);
    if (hexVersions) {
        answer.installedText = FormatHexVersion(static_cast<uint32_t>(installedVersion));
        answer.offeredText = "V" + version;
    } else {
        answer.installedText = FormatDecimalVersion(installedVersion);
        answer.offeredText = answer.versionName;
    }
    // Without a name the answer tells nothing, so it carries no status either.
    if (answer.HasInformation())
        answer.status = answer.offeredVersion > installedVersion ? kStatusNewer : kStatusCurrent;
    return answer;
}

UpdateAnswer QueryUpdate(CHttpClient& client, const std::string& baseUrl, const std::string& appKey,
                         int32_t installedVersion, bool hexVersions) {
    const std::string body = BuildQueryBody(appKey, installedVersion, hexVersions);
    AnswerBuffer buffer{};
    // c_str() carries the terminating zero byte that the body includes.
    const int count = client.Post("POST", UpdateQueryUrl(baseUrl), body.c_str(), body.size() + 1, buffer);
    return ParseUpdateAnswer(buffer.data(), count, installedVersion, hexVersions);
}
