#include "update/download_paths.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kDownloadFolderName = "UpdateData";
constexpr const char* kFallbackName = "update";
constexpr size_t kMaxExtension = 10;  // including the dot

std::string SafeFileName(const std::string& name) {
    std::string safe;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        safe += (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) ? '_' : c;
    }
    while (!safe.empty() && (safe.front() == '.' || safe.front() == ' ')) safe.erase(safe.begin());
    return safe.empty() ? kFallbackName : safe;
}

std::string UrlExtension(const std::string& url) {
    std::string path = url.substr(0, url.find_first_of("?#"));
    path = path.substr(path.find_last_of('/') + 1);
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot == 0 || path.size() - dot > kMaxExtension) return {};
    const std::string extension = path.substr(dot);
    for (size_t i = 1; i < extension.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(extension[i]))) return {};
    }
    return extension;
}
}  // namespace

std::string DefaultDownloadFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base;
    if (cache != nullptr && *cache == '/')
        base = cache;
    else if (home != nullptr && *home == '/')
        base = std::filesystem::path(home) / ".cache";
    else
        return {};
    const std::filesystem::path folder = base / "kvelm" / kDownloadFolderName;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return {};
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, error);
    return folder.string();
}

std::string LocalUpdateFile(const std::string& folder, const std::string& displayName,
                            const std::string& url) {
    return (std::filesystem::path(folder) / (SafeFileName(displayName) + UrlExtension(url))).string();
}
