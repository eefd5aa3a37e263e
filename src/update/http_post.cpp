// The form POST of the update query.
#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <strings.h>
#include "update/curl_session.h"
#include "update/http_client.h"

namespace {
constexpr const char* kContentType = "Content-Type: application/x-www-form-urlencoded";
constexpr const char* kAccept = "Accept:application/prs.Tolva.v1+json";
// libcurl would otherwise add "Expect: 100-continue" to larger bodies.
constexpr const char* kNoExpect = "Expect:";
constexpr long kFirstErrorStatus = 400;

struct AnswerSink {
    AnswerBuffer& buffer;
    size_t used = 0;
    bool overflow = false;
};

size_t AppendAnswer(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<AnswerSink*>(user);
    const size_t bytes = size * count;
    if (bytes > sink->buffer.size() - sink->used) {
        sink->overflow = true;
        return 0;  // makes libcurl stop the transfer
    }
    std::memcpy(sink->buffer.data() + sink->used, data, bytes);
    sink->used += bytes;
    return bytes;
}

// libcurl calls this at least once a second, also while no data moves.
int CheckStop(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* stop = static_cast<const StopEvent*>(user);
    return stop != nullptr && stop->IsSet() ? 1 : 0;
}

class HeaderList {
public:
    explicit HeaderList(const CurlLibrary& curl) : curl_(curl) {}
    ~HeaderList() { curl_.slistFreeAll(list_); }
    void Add(const std::string& line) { list_ = curl_.slistAppend(list_, line.c_str()); }
    curl_slist* Get() const { return list_; }

private:
    const CurlLibrary& curl_;
    curl_slist* list_ = nullptr;
};

long MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (deadline <= now) return 0;
    const auto left = duration_cast<milliseconds>(deadline - now).count();
    return left < kRequestTimeoutMs ? static_cast<long>(std::max<long long>(left, 1)) : kRequestTimeoutMs;
}
}  // namespace

void CHttpClient::SetError(int code, std::string text) {
    lastError_ = code;
    lastErrorText_ = std::move(text);
}

int CHttpClient::Post(std::string_view verb, const std::string& url, const void* body, size_t length,
                      AnswerBuffer& answer) {
    answer.fill(0);
    responseCode_ = 0;
    SetError(kHttpErrorNone, "");
    const std::string verbText(verb);
    const bool isPost = strcasecmp(verbText.c_str(), "POST") == 0;
    if (!isPost && strcasecmp(verbText.c_str(), "GET") != 0) {
        SetError(kHttpErrorBadVerb, "unsupported verb '" + verbText + "'");
        return -1;
    }
    const long timeLeft = MillisecondsLeft(deadline_);
    CurlSession session(url);
    if (!session.Valid() || timeLeft == 0) {
        if (session.Valid()) {
            SetError(CURLE_OPERATION_TIMEDOUT, "no time was left for the request");
        } else {
            SetError(CURLE_FAILED_INIT, session.StartError());
        }
        std::copy(kNoLinkServer.begin(), kNoLinkServer.end(), answer.begin());
        return 0;
    }
    HeaderList headers(session.Curl());
    headers.Add("Content-Length: " + std::to_string(length));
    headers.Add(kContentType);
    headers.Add(kAccept);
    headers.Add(kNoExpect);
    session.Set(CURLOPT_HTTPHEADER, headers.Get());
    session.Set(CURLOPT_POSTFIELDS, length > 0 ? body : "");
    session.Set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(length));
    session.Set(CURLOPT_CUSTOMREQUEST, isPost ? "POST" : "GET");
    // A redirect keeps the verb and the body.
    session.Set(CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
    session.Set(CURLOPT_TIMEOUT_MS, timeLeft);
    AnswerSink sink{answer};
    session.Set(CURLOPT_WRITEFUNCTION, AppendAnswer);
    session.Set(CURLOPT_WRITEDATA, &sink);
    if (stop_ != nullptr) {
        session.Set(CURLOPT_NOPROGRESS, 0L);
        session.Set(CURLOPT_XFERINFOFUNCTION, CheckStop);
        session.Set(CURLOPT_XFERINFODATA, stop_);
    }

    const CURLcode result = session.Perform();
    responseCode_ = session.ResponseCode();
    if (sink.overflow) {
        answer.fill(0);
        SetError(kHttpErrorAnswerTooLong,
                 "the answer is longer than " + std::to_string(kAnswerBufferSize) + " bytes");
        return -1;
    }
    // No status line came back: the service was not reached, whether the connection failed
    // or a server took the request and stayed silent.
    if (result != CURLE_OK && !session.GotAnswer() && !session.RedirectRefused()) {
        SetError(result, session.ErrorText(result));
        answer.fill(0);
        std::copy(kNoLinkServer.begin(), kNoLinkServer.end(), answer.begin());
        return 0;
    }
    if (result != CURLE_OK) {
        SetError(result, session.ErrorText(result));
        answer.fill(0);
        return -1;
    }
    if (responseCode_ >= kFirstErrorStatus) {
        SetError(kHttpErrorStatus, "the server answered with status " + std::to_string(responseCode_));
        answer.fill(0);
        return -1;
    }
    return static_cast<int>(sink.used);
}
