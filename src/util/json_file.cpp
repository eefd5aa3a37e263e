#include "util/json_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "util/debug_log.h"
#include "util/json_parse.h"
#include "util/regular_file.h"
#include "util/utf8_text.h"

namespace {

std::atomic<long long> g_writeByteLimit{-1};

// Writes all bytes, honouring the test limit; false with errno set on failure.
bool WriteAll(int fd, const std::string& bytes) {
    const long long limit = g_writeByteLimit.load();
    size_t allowed = bytes.size();
    if (limit >= 0 && static_cast<unsigned long long>(limit) < allowed) allowed = static_cast<size_t>(limit);
    size_t done = 0;
    while (done < allowed) {
        const ssize_t n = write(fd, bytes.data() + done, allowed - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (allowed < bytes.size()) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Opens a new, unique temporary file beside target; -1 with errno on failure.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++) + "." +
                   std::to_string(seed() & 0xFFFFu);
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

void SetAtomicWriteByteLimitForTest(long long limit) {
    g_writeByteLimit = limit;
}

int WriteFileAtomic(const std::string& path, const std::string& bytes) {
    if (path.empty()) {
        errno = ENOENT;
        return 1;
    }
    // A symbolic link is replaced by the new file, never followed: the temporary lives
    // beside the name itself, so nothing outside the folder the caller chose is written.
    const std::string& target = path;
    std::string tempPath;
    const int fd = CreateTemporaryBeside(target, tempPath);
    if (fd < 0) return 1;

    bool ok = WriteAll(fd, bytes);
    if (ok) {
        // An existing file keeps its permission bits (the new file got the umask's).
        struct stat st {};
        if (lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);
        ok = fsync(fd) == 0;
    }
    int savedErrno = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        unlink(tempPath.c_str());
        errno = savedErrno;
        return 1;
    }
    // Make the rename itself durable; the new content is in place either way.
    const int dirFd = open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    errno = 0;
    return 0;
}

std::string CJsonFile::ReadTextFile(const std::string& path) const {
    lastError_.clear();
    std::string content;
    int osError = 0;
    const FileRead result = ReadRegularFile(path, maxBytes_, &content, &osError);
    DebugPrintf("readjsonFile 错误吗：：%d\n", osError);
    lastError_ = DescribeFileRead(result, path, maxBytes_);
    if (!lastError_.empty()) DebugOutput(lastError_);
    return content;
}

Json::Value CJsonFile::ReadJsonFile(const std::string& path) const {
    const std::string text = ReadTextFile(path);
    if (text.empty()) {
        DebugOutput(path);
        return Json::Value();
    }
    Json::Value root;
    std::string why;
    if (!ParseJsonDocument(text, &root, &why)) {
        lastError_ = "The file " + path + " is not valid JSON: " + why.substr(0, why.find('\n'));
        DebugOutput(lastError_);
    }
    return root;
}

std::string StyledJsonText(const Json::Value& value) {
    Json::StyledWriter writer;
    if (JsonNeedsUtf8Repair(value)) return writer.write(RepairJsonUtf8(value)) + "\n";
    return writer.write(value) + "\n";
}

int CJsonFile::WriteJsonFile(const std::string& path, const Json::Value& value) const {
    std::string text;
    try {
        text = StyledJsonText(value);
    } catch (...) {
        DebugPrintf("wirtejsonFile 错误吗：：%d\n", EINVAL);
        return 1;
    }
    const int result = WriteFileAtomic(path, text);
    DebugPrintf("wirtejsonFile 错误吗：：%d\n", result == 0 ? 0 : errno);
    return result;
}

std::string FormatTimestamp(const std::tm& local, int millisecond) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d_%02d_%02d_%02d_%02d_%02d_%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, millisecond);
    return buffer;
}

std::string CJsonFile::MakeTimestamp(std::chrono::system_clock::time_point when) const {
    using namespace std::chrono;
    const auto sinceEpoch = when.time_since_epoch();
    auto secs = duration_cast<seconds>(sinceEpoch);
    auto ms = duration_cast<milliseconds>(sinceEpoch - secs).count();
    if (ms < 0) {  // instants before 1970 round toward the earlier second
        ms += 1000;
        secs -= seconds(1);
    }
    const std::time_t t = static_cast<std::time_t>(secs.count());
    std::tm local{};
    localtime_r(&t, &local);
    return FormatTimestamp(local, static_cast<int>(ms));
}

std::string CJsonFile::MakeTimestamp() const {
    return MakeTimestamp(std::chrono::system_clock::now());
}
