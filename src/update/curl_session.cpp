#include "update/curl_session.h"

#include <cstdlib>
#include "update/http_client.h"
#include "update/url_origin.h"

namespace {
constexpr long kStallBytesPerSecond = 1;
// http only ever for loopback addresses (see url_origin.h); redirects are https alone.
constexpr const char* kAllowedProtocols = "http,https";
constexpr const char* kRedirectProtocols = "https";

// The file of trusted authorities named in the environment, if any.
const char* AuthorityFileFromEnvironment() {
    for (const char* name : {"CURL_CA_BUNDLE", "SSL_CERT_FILE"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return nullptr;
}

// Runs before every request goes out, the first and each redirected one: a request to any
// origin but the first one's is never sent.
int CheckOrigin(void* user, char*, char*, int, int) {
    auto* session = static_cast<CurlSession*>(user);
    char* current = nullptr;
    session->Info(CURLINFO_EFFECTIVE_URL, &current);
    if (current != nullptr && SameOrigin(session->FirstUrl(), current)) return CURL_PREREQFUNC_OK;
    session->RefuseRedirect(current != nullptr ? current : "");
    return CURL_PREREQFUNC_ABORT;
}
}  // namespace

CurlSession::CurlSession(const std::string& url) : firstUrl_(url) {
    if (!TransportAllowed(url)) {
        startError_ = "only https:// addresses are used for updates: " + url;
        return;
    }
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
    Set(CURLOPT_REDIR_PROTOCOLS_STR, kRedirectProtocols);
    Set(CURLOPT_PREREQFUNCTION, CheckOrigin);
    Set(CURLOPT_PREREQDATA, this);
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

void CurlSession::RefuseRedirect(const std::string& url) {
    refusedRedirect_ = "a redirect to " + url + " leaves " + firstUrl_ + "'s host or https and was refused";
}

std::string CurlSession::ErrorText(CURLcode code) const {
    if (!refusedRedirect_.empty()) return refusedRedirect_;
    return errorBuffer_[0] != '\0' ? std::string(errorBuffer_)
                                   : std::string(curl_ != nullptr ? curl_->easyStrerror(code) : "");
}

long CurlSession::ResponseCode() const {
    long code = 0;
    if (handle_ != nullptr) Info(CURLINFO_RESPONSE_CODE, &code);
    return code;
}
