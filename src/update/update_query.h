#pragma once
// One request-answer exchange with the update service for one item.
//   POST <base>/api/updates
//   body "app_key=<key>&version=<installed>" (version in lower-case hexadecimal for
//   firmware, decimal for the program; not percent-encoded) followed by one zero byte,
//   which the content length counts.
// The answer is a JSON object: "path", "name", "version_name", "version" (texts) and
// "device_id" (integer); a missing member reads as empty text or 0.
#include <cstdint>
#include <string>
#include <string_view>
#include "update/http_client.h"

constexpr int kStatusNone = 0;       // no answer worth showing
constexpr int kStatusNewer = 1;      // the service offers a newer version
constexpr int kStatusCurrent = 7;    // the installed version is current
constexpr int kDeviceIdVisible = 1;  // the offered file runs visibly; others run hidden
constexpr std::string_view kUpdatesPath = "/api/updates";

struct UpdateAnswer {
    int status = kStatusNone;
    int deviceId = 0;
    std::string name;           // kNoLinkServer when the service could not be reached
    std::string installedText;  // "V%04x" (firmware) or "V%d" (program)
    std::string versionName;
    std::string offeredText;  // firmware: "V" + "version"; program: "version_name"
    std::string path;         // download location
    std::string sha256;       // the file's SHA-256 as the service gave it (lower case), or empty
    int32_t offeredVersion = 0;

    // An answer with an empty name gives no information and is ignored.
    bool HasInformation() const { return !name.empty(); }
    bool ServiceUnreachable() const { return name == kNoLinkServer; }
};

// The form body without its terminating zero byte.
std::string BuildQueryBody(const std::string& appKey, int32_t installedVersion, bool hexVersions);
// The service base URL with "/api/updates" appended (one "/" between them).
std::string UpdateQueryUrl(const std::string& baseUrl);
// The answer for the `count` bytes the POST returned (count 0: the buffer's text is the
// name, so kNoLinkServer when nothing was sent; count -1: no information).
UpdateAnswer ParseUpdateAnswer(const char* data, int count, int32_t installedVersion, bool hexVersions);
// Builds the body, POSTs it to the service at baseUrl and reads the answer.
UpdateAnswer QueryUpdate(CHttpClient& client, const std::string& baseUrl, const std::string& appKey,
                         int32_t installedVersion, bool hexVersions);

// The offered version number: "version" read as a hexadecimal or decimal number (leading
// digits, as a signed 32-bit value); 0 when it is not a number.
int32_t ReadOfferedVersion(const std::string& text, bool hexVersions);
