#include "update/curl_library.h"

#include "update/lazy_library.h"

namespace {

struct LoadedCurl {
    LoadedCurl() {
        CurlLibrary& f = functions;
        complete = library.Resolve("curl_global_init", &f.globalInit) &&
                   library.Resolve("curl_easy_init", &f.easyInit) &&
                   library.Resolve("curl_easy_setopt", &f.easySetopt) &&
                   library.Resolve("curl_easy_perform", &f.easyPerform) &&
                   library.Resolve("curl_easy_getinfo", &f.easyGetinfo) &&
                   library.Resolve("curl_easy_cleanup", &f.easyCleanup) &&
                   library.Resolve("curl_easy_strerror", &f.easyStrerror) &&
                   library.Resolve("curl_slist_append", &f.slistAppend) &&
                   library.Resolve("curl_slist_free_all", &f.slistFreeAll);
        if (complete) f.globalInit(CURL_GLOBAL_DEFAULT);
    }

    CLazyLibrary library{"libcurl.so.4", "libcurl-gnutls.so.4"};
    CurlLibrary functions;
    bool complete = false;
};

}  // namespace

const CurlLibrary* LoadCurlLibrary(std::string* error) {
    // Loaded once; a function-local static makes concurrent first calls safe.
    static LoadedCurl curl;
    if (curl.complete) return &curl.functions;
    if (error != nullptr) *error = "cannot load libcurl: " + curl.library.Error();
    return nullptr;
}
