#include "util/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
constexpr long long kKilo = 1024;
constexpr size_t kChunkBytes = 65536;

FileRead ReadOpened(int fd, long long maxBytes, std::string* bytes, int* osError) {
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        *osError = errno;
        return FileRead::Failed;
    }
    if (!S_ISREG(st.st_mode)) return FileRead::NotRegular;
    if (st.st_size > maxBytes) return FileRead::TooLarge;
    bytes->reserve(static_cast<size_t>(st.st_size));
    char chunk[kChunkBytes];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            *osError = errno;
            return FileRead::Failed;
        }
        if (n == 0) return FileRead::Read;
        bytes->append(chunk, static_cast<size_t>(n));
        if (bytes->size() > static_cast<size_t>(maxBytes)) return FileRead::TooLarge;
    }
}
}  // namespace

FileRead ReadRegularFile(const std::string& path, long long maxBytes, std::string* bytes, int* osError) {
    int ignored = 0;
    if (!osError) osError = &ignored;
    *osError = 0;
    bytes->clear();
    if (path.empty()) return FileRead::Missing;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *osError = errno;
        return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Failed;
    }
    const FileRead result = ReadOpened(fd, maxBytes, bytes, osError);
    close(fd);
    if (result != FileRead::Read) bytes->clear();
    return result;
}

std::string DescribeByteCount(long long bytes) {
    if (bytes >= kKilo * kKilo && bytes % (kKilo * kKilo) == 0)
        return std::to_string(bytes / (kKilo * kKilo)) + " MB";
    if (bytes >= kKilo && bytes % kKilo == 0) return std::to_string(bytes / kKilo) + " KB";
    return std::to_string(bytes) + " bytes";
}

std::string DescribeFileRead(FileRead result, const std::string& path, long long maxBytes) {
    switch (result) {
    case FileRead::Read:
    case FileRead::Missing:
        return {};
    case FileRead::NotRegular:
        return "The file " + path + " is not a regular file and was not read.";
    case FileRead::TooLarge:
        return "The file " + path + " is larger than " + DescribeByteCount(maxBytes) + " and was not read.";
    case FileRead::Failed:
        return "The file " + path + " cannot be read.";
    }
    return {};
}
