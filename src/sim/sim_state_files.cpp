#include "sim/sim_state_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* kLockFileName = "lock";
constexpr const char* kOffValue = "off";
constexpr const char* kRuntimeSubfolder = "/kvelm-sim";
constexpr const char* kTmpPrefix = "/tmp/kvelm-sim-";

bool ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<size_t>(info.st_size) <= limit;
    if (ok) {
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (ok && done < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
            ok = n > 0;
            if (ok) done += static_cast<size_t>(n);
        }
    }
    close(fd);
    return ok;
}

bool Accepts(const SimStatePart& part, const std::vector<uint8_t>& bytes) {
    if (part.fixedSize && bytes.size() != part.bytes->size()) return false;
    if (part.firstByteBelow != 0 && (bytes.empty() || bytes[0] >= part.firstByteBelow)) return false;
    return true;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void SaveOne(const std::string& folder, const SimStatePart& part) {
    const std::string target = folder + "/" + part.name;
    const std::string temporary = target + ".tmp" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const bool ok = WriteAll(fd, *part.bytes) && fsync(fd) == 0;
    close(fd);
    if (!ok || rename(temporary.c_str(), target.c_str()) != 0) unlink(temporary.c_str());
}

}  // namespace

bool MakePrivateFolder(const std::string& folder) {
    if (folder.empty()) return false;
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 0077) == 0;
}

void LoadSimState(const std::string& folder, const std::vector<SimStatePart>& parts) {
    for (const SimStatePart& part : parts) {
        std::vector<uint8_t> bytes;
        const size_t limit = part.fixedSize ? part.bytes->size() : part.capacity;
        if (ReadRegularFile(folder + "/" + part.name, limit, bytes) && Accepts(part, bytes))
            *part.bytes = std::move(bytes);
    }
}

void SaveSimState(const std::string& folder, const std::vector<SimStatePart>& parts) {
    for (const SimStatePart& part : parts) SaveOne(folder, part);
}

SimStateLock::SimStateLock(const std::string& folder) {
    const std::string path = folder + "/" + kLockFileName;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {}
}

SimStateLock::~SimStateLock() {
    if (fd_ >= 0) close(fd_);  // closing releases the lock
}

std::string SimStateFolderFromEnvironment() {
    if (const char* chosen = std::getenv("KVELM_SIM_STATE_DIR"); chosen != nullptr && *chosen != '\0')
        return std::string(chosen) == kOffValue ? std::string() : std::string(chosen);
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime == '/')
        return std::string(runtime) + kRuntimeSubfolder;
    return kTmpPrefix + std::to_string(getuid());
}
