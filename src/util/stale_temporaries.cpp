#include "util/stale_temporaries.h"

#include <signal.h>
#include <sys/types.h>

#include <cerrno>
#include <filesystem>

namespace {

constexpr char kTemporaryMark[] = ".tmp.";
constexpr size_t kMaxNumberDigits = 10;

bool IsNumber(const std::string& text) {
    if (text.empty() || text.size() > kMaxNumberDigits) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The writer's process id of a temporary file name; -1 when name is no such name.
long long WriterOf(const std::string& name) {
    const size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark == 0) return -1;
    const std::string numbers = name.substr(mark + sizeof kTemporaryMark - 1);
    const size_t first = numbers.find('.');
    const size_t second = first == std::string::npos ? first : numbers.find('.', first + 1);
    if (second == std::string::npos) return -1;
    const std::string pid = numbers.substr(0, first);
    if (!IsNumber(pid) || !IsNumber(numbers.substr(first + 1, second - first - 1)) ||
        !IsNumber(numbers.substr(second + 1))) {
        return -1;
    }
    return std::stoll(pid);
}

bool ProcessGone(long long pid) {
    if (pid <= 0 || pid > 0x7FFFFFFF) return true;
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

bool IsAtomicWriteTemporaryName(const std::string& name) {
    return WriterOf(name) >= 0;
}

int RemoveStaleTemporaryFiles(const std::string& folder) {
    int removed = 0;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const long long writer = WriterOf(it->path().filename().string());
        if (writer < 0 || !it->is_regular_file(error)) continue;
        // Another instance may be writing right now: only a dead writer's file goes.
        if (!ProcessGone(writer)) continue;
        std::error_code removeError;
        if (std::filesystem::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}
