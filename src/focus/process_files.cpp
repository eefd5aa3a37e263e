#include "focus/process_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace {

constexpr size_t kMaxCommandLine = 64 * 1024;

std::string ProcFile(unsigned pid, const char* name) {
    return "/proc/" + std::to_string(pid) + "/" + name;
}

}  // namespace

std::string ProcessExecutable(unsigned pid) {
    if (pid == 0) return {};
    char target[PATH_MAX];
    const ssize_t length = readlink(ProcFile(pid, "exe").c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof target) return {};
    return std::string(target, static_cast<size_t>(length));
}

std::string ProcessCommandLine(unsigned pid) {
    if (pid == 0) return {};
    const int fd = open(ProcFile(pid, "cmdline").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while (text.size() < kMaxCommandLine && (got = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    close(fd);
    if (text.size() > kMaxCommandLine) text.resize(kMaxCommandLine);
    return text;
}
