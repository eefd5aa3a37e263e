#include "update/curl_session.h"

#include <cstdlib>
#include "update/http_client.h"

namespace {
constexpr long kStallBytesPerSecond = 1;
constexpr const char* kAllowedProtocols = "http,https";

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
    curl_ = LoadCurlLibrary(&startError_);
    if (curl_ == nullptr) return;
    handle_ = curl_->easyInit();
    if (handle_ == nullptr) {
        startError_ = "cannot start an HTTP session";
        return;
    }
    Set(CURLOPT_URL, url.c_str());
    Set(CURLOPT_ERRORBUFFER, errorBuffer_);
    Set(CURLOPT_NOSIGNAL, 1L);
    Set(CURLOPT_USERAGENT, kUserAgent);
    Set(CURLOPT_PROTOCOLS_STR, kAllowedProtocols);
    Set(CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols);
    Set(CURLOPT_FOLLOWLOCATION, 1L);
    Set(CURLOPT_MAXREDIRS, kMaxRedirects);
    Set(CURLOPT_SSL_VERIFYPEER, 1L);
    Set(CURLOPT_SSL_VERIFYHOST, 2L);
    if (const char* authorities = AuthorityFileFromEnvironment()) Set(CURLOPT_CAINFO, authorities);
    Set(CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    // Send and receive time-outs: the transfer ends when it moves no byte for this long.
    Set(CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
    Set(CURLOPT_LOW_SPEED_TIME, kTransferStallSeconds);
    Set(CURLOPT_FORBID_REUSE, 1L);
}

CurlSession::~CurlSession() {
    if (handle_ != nullptr) curl_->easyCleanup(handle_);
}

std::string CurlSession::ErrorText(CURLcode code) const {
    return errorBuffer_[0] != '\0' ? std::string(errorBuffer_)
                                   : std::string(curl_ != nullptr ? curl_->easyStrerror(code) : "");
}

long CurlSession::ResponseCode() const {
    long code = 0;
    if (handle_ != nullptr) Info(CURLINFO_RESPONSE_CODE, &code);
    return code;
}
