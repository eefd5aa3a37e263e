#include "util/stale_temporaries.h"

#include <signal.h>
#include <sys/types.h>

#include <cerrno>
#include <filesystem>
#include <regex>

namespace {

const std::regex& TemporaryPattern() {
    static const std::regex pattern(R"(.+\.tmp\.([0-9]{1,10})\.[0-9]{1,10}\.[0-9]{1,10})");
    return pattern;
}

bool ProcessGone(const std::string& pidText) {
    const long long pid = std::stoll(pidText);
    if (pid <= 0 || pid > 0x7FFFFFFF) return true;
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

bool IsAtomicWriteTemporaryName(const std::string& name) { return std::regex_match(name, TemporaryPattern()); }

int RemoveStaleTemporaryFiles(const std::string& folder) {
    int removed = 0;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::smatch match;
        if (!std::regex_match(name, match, TemporaryPattern()) || !it->is_regular_file(error)) continue;
        // Another instance may be writing right now: only a dead writer's file goes.
        if (!ProcessGone(match[1].str())) continue;
        std::error_code removeError;
        if (std::filesystem::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}
