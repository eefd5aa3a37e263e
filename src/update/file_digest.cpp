#include "update/file_digest.h"

#include <cstdio>
#include <memory>
#include <openssl/evp.h>

namespace {
constexpr size_t kReadChunk = 64 * 1024;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
struct DigestFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
}  // namespace

std::string Sha256OfFile(const std::string& path) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    std::unique_ptr<EVP_MD_CTX, DigestFree> context(EVP_MD_CTX_new());
    if (!file || !context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return {};
    unsigned char chunk[kReadChunk];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (EVP_DigestUpdate(context.get(), chunk, got) != 1) return {};
    }
    if (std::ferror(file.get())) return {};
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &digestLength) != 1) return {};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < digestLength; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0x0F];
    }
    return text;
}
