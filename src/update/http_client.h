#pragma once
// Two blocking HTTP operations for the update workers (never the UI thread): a form POST
// whose answer comes back as bytes, and a file download with progress and cancel.
// Certificates are always verified; a proxy comes from the environment (http_proxy,
// https_proxy, no_proxy) as libcurl reads it. CURL_CA_BUNDLE, else SSL_CERT_FILE, names
// another file of trusted authorities. No connection is kept between calls.
#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include "util/stop_event.h"

constexpr size_t kAnswerBufferSize = 102400;
using AnswerBuffer = std::array<char, kAnswerBufferSize>;

// Written at the start of the answer buffer when the request could not be sent at all
// (no network, no server, a certificate that is not trusted).
constexpr std::string_view kNoLinkServer = "NO_LINK_SERVER";

constexpr const char* kUserAgent = "WinHTTP Client/1.0";
constexpr long kConnectTimeoutMs = 60000;
constexpr long kTransferStallSeconds = 30;  // send or receive: no byte moved for this long
constexpr long kMaxRedirects = 5;
// A query never takes longer than this as a whole, however slowly its answer trickles in.
constexpr long kRequestTimeoutMs = 60000;
// No download of the service is near this; a larger one (or one larger than the length its
// server announced) is refused.
constexpr uint64_t kMaxDownloadBytes = 256ULL * 1024 * 1024;

// Last error codes besides libcurl's own (CURLcode values).
constexpr int kHttpErrorNone = 0;
constexpr int kHttpErrorBadVerb = 87;           // a verb other than GET or POST
constexpr int kHttpErrorAnswerTooLong = 10001;  // the answer does not fit the buffer
constexpr int kHttpErrorStatus = 10002;         // the server answered with status 400 or above

enum class DownloadResult { Complete, Cancelled, Failed };

// total: the announced length (0 when none was announced or the transfer broke off);
// received: the bytes written so far.
using DownloadProgress = std::function<void(uint64_t total, uint64_t received)>;

class CHttpClient {
public:
    // Sends `verb` ("GET" or "POST", any case) with the body and the form headers:
    //   "Content-Length: <length>", "Content-Type: application/x-www-form-urlencoded",
    //   "Accept:application/prs.Tolva.v1+json".
    // The answer buffer is zero-filled, then receives the answer from its start.
    // Returns the answer's byte count (0 for an empty answer, or when nothing could be
    // sent: the buffer then starts with kNoLinkServer), or -1 for a bad verb, an answer
    // longer than the buffer, or a transfer that broke off; LastError() tells which. A
    // server that took the request but never answered (within kRequestTimeoutMs or the
    // deadline) counts as not reached. A URL other than https (or http to the loopback
    // address) sends nothing; a redirect off the first URL's origin is not followed.
    int Post(std::string_view verb, const std::string& url, const void* body, size_t length,
             AnswerBuffer& answer);
    // A stop event that ends a Post within a second when it is set (the answer then reads
    // as nothing sent); nullptr: none. The event must outlive the client's calls.
    void SetStopEvent(const StopEvent* stop) { stop_ = stop; }
    // A moment after which no Post waits any longer: a request still running then ends as
    // one that reached nobody, and a Post after it sends nothing.
    void SetDeadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }

    // Fetches `url` into a temporary file beside `path` and renames it to `path` only when
    // the whole announced length arrived, and never takes more than the announced length nor
    // more than kMaxDownloadBytes. progress runs after every chunk, and with
    // (0, received) when the transfer breaks off. Setting *cancel or `stop` ends the
    // transfer within a second. Nothing is left under `path` unless Complete is returned.
    DownloadResult Download(const std::string& url, const std::string& path, const DownloadProgress& progress,
                            const StopEvent* stop = nullptr, const std::atomic<bool>* cancel = nullptr);

    // The most a Download takes (kMaxDownloadBytes unless set): the size a service gave for
    // its file, when it gave one.
    void SetMaxDownloadBytes(uint64_t bytes) { maxDownloadBytes_ = bytes; }

    // HTTP status of the last answer, 0 when none arrived.
    long ResponseCode() const { return responseCode_; }
    int LastError() const { return lastError_; }
    const std::string& LastErrorText() const { return lastErrorText_; }

private:
    void SetError(int code, std::string text);

    const StopEvent* stop_ = nullptr;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    uint64_t maxDownloadBytes_ = kMaxDownloadBytes;
    long responseCode_ = 0;
    int lastError_ = kHttpErrorNone;
    std::string lastErrorText_;
};
