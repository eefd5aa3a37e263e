#include "macros/shoot_file_io.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace shoot {
namespace {

const char kAsideSuffix[] = ".bad";
// Enough names for every broken file a user could ever collect; past it the file stays.
constexpr int kMaxAsideNames = 1000;

std::string AsideName(const std::string& path, int attempt) {
    return path + kAsideSuffix + (attempt == 0 ? std::string() : "." + std::to_string(attempt));
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    *bytes = std::move(content);
    return true;
}

std::string MoveAside(const std::string& path) {
    namespace fs = std::filesystem;
    for (int attempt = 0; attempt < kMaxAsideNames; ++attempt) {
        const std::string candidate = AsideName(path, attempt);
        std::error_code ec;
        // A hard link fails when the name is taken, so nothing kept earlier is replaced.
        fs::create_hard_link(path, candidate, ec);
        if (!ec) {
            fs::remove(path, ec);
            return candidate;
        }
        if (fs::exists(candidate, ec)) continue;
        // A file system without hard links: a rename to a name that was free just now.
        fs::rename(path, candidate, ec);
        return ec ? std::string() : candidate;
    }
    return {};
}

}  // namespace shoot
