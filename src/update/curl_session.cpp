#include "update/curl_session.h"

#include <cstdlib>
#include <mutex>
#include "update/http_client.h"

namespace {
constexpr long kStallBytesPerSecond = 1;
constexpr const char* kAllowedProtocols = "http,https";

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The file of trusted authorities named in the environment, if any.
const char* AuthorityFileFromEnvironment() {
    for (const char* name : {"CURL_CA_BUNDLE", "SSL_CERT_FILE"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return nullptr;
}
}  // namespace

CurlSession::CurlSession(const std::string& url) {
    InitialiseCurlOnce();
    handle_ = curl_easy_init();
    if (handle_ == nullptr) return;
    curl_easy_setopt(handle_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, kAllowedProtocols);
    curl_easy_setopt(handle_, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols);
    curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle_, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYHOST, 2L);
    if (const char* authorities = AuthorityFileFromEnvironment())
        curl_easy_setopt(handle_, CURLOPT_CAINFO, authorities);
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    // Send and receive time-outs: the transfer ends when it moves no byte for this long.
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, kTransferStallSeconds);
    curl_easy_setopt(handle_, CURLOPT_FORBID_REUSE, 1L);
}

CurlSession::~CurlSession() {
    if (handle_ != nullptr) curl_easy_cleanup(handle_);
}

std::string CurlSession::ErrorText(CURLcode code) const {
    return errorBuffer_[0] != '\0' ? std::string(errorBuffer_) : std::string(curl_easy_strerror(code));
}

long CurlSession::ResponseCode() const {
    long code = 0;
    if (handle_ != nullptr) curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &code);
    return code;
}
