#pragma once
// One libcurl easy handle set up the way every request of the program goes out:
// certificates and host names verified, https only (http for the loopback address alone),
// few redirects and only within the first URL's origin, time-outs. A URL the transport
// refuses gives a session that is not Valid(), with StartError() saying why.
#include <string>

#include "update/curl_library.h"

class CurlSession {
public:
    explicit CurlSession(const std::string& url);
    ~CurlSession();
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    CURL* Handle() const { return handle_; }
    bool Valid() const { return handle_ != nullptr; }
    // Why the session could not start (libcurl missing, no handle); empty when Valid().
    const std::string& StartError() const { return startError_; }
    // libcurl's functions; only for a Valid() session.
    const CurlLibrary& Curl() const { return *curl_; }

    template <typename Value>
    void Set(CURLoption option, Value value) const {
        curl_->easySetopt(handle_, option, value);
    }
    template <typename Value>
    void Info(CURLINFO info, Value* value) const {
        curl_->easyGetinfo(handle_, info, value);
    }
    CURLcode Perform() const { return curl_->easyPerform(handle_); }
    // libcurl's error text of the last transfer, or the code's generic text.
    std::string ErrorText(CURLcode code) const;
    long ResponseCode() const;
    const std::string& FirstUrl() const { return firstUrl_; }
    // Called when a redirect to another origin was stopped; ErrorText then says so.
    void RefuseRedirect(const std::string& url);
    bool RedirectRefused() const { return !refusedRedirect_.empty(); }
    // True when the transfer got as far as a server's answer (any status).
    bool GotAnswer() const { return ResponseCode() != 0; }

private:
    const CurlLibrary* curl_ = nullptr;
    CURL* handle_ = nullptr;
    std::string startError_;
    std::string firstUrl_;
    std::string refusedRedirect_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};
