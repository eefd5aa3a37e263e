#include "update/file_digest.h"

#include <cstdio>
#include <memory>
#include <openssl/evp.h>

#include "update/lazy_library.h"

namespace {
constexpr size_t kReadChunk = 64 * 1024;

// The digest functions of libcrypto, loaded when a download is first checked: the program
// does not load the library at start for a check most runs never make.
struct DigestLibrary {
    DigestLibrary() {
        complete = library.Resolve("EVP_MD_CTX_new", &contextNew) &&
                   library.Resolve("EVP_MD_CTX_free", &contextFree) &&
                   library.Resolve("EVP_sha256", &sha256) && library.Resolve("EVP_DigestInit_ex", &init) &&
                   library.Resolve("EVP_DigestUpdate", &update) &&
                   library.Resolve("EVP_DigestFinal_ex", &final);
    }

    CLazyLibrary library{"libcrypto.so.3"};
    EVP_MD_CTX* (*contextNew)() = nullptr;
    void (*contextFree)(EVP_MD_CTX*) = nullptr;
    const EVP_MD* (*sha256)() = nullptr;
    int (*init)(EVP_MD_CTX*, const EVP_MD*, ENGINE*) = nullptr;
    int (*update)(EVP_MD_CTX*, const void*, size_t) = nullptr;
    int (*final)(EVP_MD_CTX*, unsigned char*, unsigned int*) = nullptr;
    bool complete = false;
};

const DigestLibrary* Digests() {
    static DigestLibrary digests;
    return digests.complete ? &digests : nullptr;
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
}  // namespace

std::string Sha256OfFile(const std::string& path) {
    const DigestLibrary* evp = Digests();
    if (evp == nullptr) return {};
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    auto freeContext = [evp](EVP_MD_CTX* context) { evp->contextFree(context); };
    std::unique_ptr<EVP_MD_CTX, decltype(freeContext)> context(evp->contextNew(), freeContext);
    if (!file || !context || evp->init(context.get(), evp->sha256(), nullptr) != 1) return {};
    unsigned char chunk[kReadChunk];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (evp->update(context.get(), chunk, got) != 1) return {};
    }
    if (std::ferror(file.get())) return {};
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (evp->final(context.get(), digest, &digestLength) != 1) return {};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < digestLength; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0x0F];
    }
    return text;
}
