#pragma once
// One libcurl easy handle set up the way every request of the program goes out:
// certificates and host names verified, http and https only, few redirects, time-outs.
#include <curl/curl.h>
#include <string>

class CurlSession {
public:
    explicit CurlSession(const std::string& url);
    ~CurlSession();
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    CURL* Handle() const { return handle_; }
    bool Valid() const { return handle_ != nullptr; }
    // libcurl's error text of the last transfer, or the code's generic text.
    std::string ErrorText(CURLcode code) const;
    long ResponseCode() const;
    // True when the transfer got as far as a server's answer (any status).
    bool GotAnswer() const { return ResponseCode() != 0; }

private:
    CURL* handle_ = nullptr;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};
