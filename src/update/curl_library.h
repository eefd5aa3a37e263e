#pragma once
// libcurl, loaded the first time the program goes to the network rather than when it
// starts: the window then starts without libcurl and the TLS, Kerberos, LDAP and SSH
// libraries it brings along (several megabytes of resident memory), which a run that never
// checks for an update never needs.
#include <curl/curl.h>
#include <string>

struct CurlLibrary {
    CURLcode (*globalInit)(long flags) = nullptr;
    CURL* (*easyInit)() = nullptr;
    CURLcode (*easySetopt)(CURL* handle, CURLoption option, ...) = nullptr;
    CURLcode (*easyPerform)(CURL* handle) = nullptr;
    CURLcode (*easyGetinfo)(CURL* handle, CURLINFO info, ...) = nullptr;
    void (*easyCleanup)(CURL* handle) = nullptr;
    const char* (*easyStrerror)(CURLcode code) = nullptr;
    curl_slist* (*slistAppend)(curl_slist* list, const char* text) = nullptr;
    void (*slistFreeAll)(curl_slist* list) = nullptr;
};

// The library, loaded and initialised on the first call (from any thread); nullptr when it
// cannot be loaded, and then *error (when given) says why.
const CurlLibrary* LoadCurlLibrary(std::string* error = nullptr);
