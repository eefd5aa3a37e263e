#include "util/file_aside.h"

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "util/json_file.h"
#include "util/regular_file.h"

namespace {

const char kAsideSuffix[] = ".bad";
// Enough names for every broken file a user could ever collect; past it the file stays.
constexpr int kMaxAsideNames = 1000;

std::string AsideName(const std::string& path, int attempt) {
    return path + kAsideSuffix + (attempt == 0 ? std::string() : "." + std::to_string(attempt));
}

}  // namespace

std::string KeepFileAside(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) return {};
    for (int attempt = 0; attempt < kMaxAsideNames; ++attempt) {
        const std::string candidate = AsideName(path, attempt);
        // A hard link fails when the name is taken, so nothing kept earlier is replaced.
        fs::create_hard_link(path, candidate, ec);
        if (!ec) {
            fs::remove(path, ec);
            return candidate;
        }
        if (fs::exists(fs::symlink_status(candidate, ec))) continue;
        // A directory, or a file system without hard links: a rename to a name that was
        // free just now.
        fs::rename(path, candidate, ec);
        return ec ? std::string() : candidate;
    }
    return {};
}

std::string KeepCopyAside(const std::string& path, const std::string& bytes) {
    if (bytes.empty()) return {};
    for (int attempt = 0; attempt < kMaxAsideNames; ++attempt) {
        const std::string candidate = AsideName(path, attempt);
        // O_EXCL: a name taken by an earlier copy (or by a link) is never written through.
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return {};
        }
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        const bool ok = close(fd) == 0 && done == bytes.size();
        if (ok) return candidate;
        unlink(candidate.c_str());
        return {};
    }
    return {};
}

std::string GuardSettingsFile(const std::string& path, long long maxBytes) {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0) return {};
    std::string bytes;
    const FileRead read = ReadRegularFile(path, maxBytes, &bytes);
    if (read == FileRead::Read) {
        if (S_ISLNK(st.st_mode)) WriteFileAtomic(path, bytes);
        return {};
    }
    const std::string why = read == FileRead::Missing ? "The file " + path + " is a link to nothing."
                                                      : DescribeFileRead(read, path, maxBytes);
    const std::string aside = KeepFileAside(path);
    if (aside.empty()) return why + " It could not be set aside.";
    return why + " It was kept as " + aside + ".";
}
