#pragma once
// One libcurl easy handle set up the way every request of the program goes out:
// certificates and host names verified, http and https only, few redirects, time-outs.
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
    // True when the transfer got as far as a server's answer (any status).
    bool GotAnswer() const { return ResponseCode() != 0; }

private:
    const CurlLibrary* curl_ = nullptr;
    CURL* handle_ = nullptr;
    std::string startError_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};
