#include "sim/sim_frame_log.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex logLock;
std::FILE* logFile = nullptr;

}  // namespace

void SetSimFrameLog(const std::string& path) {
    std::lock_guard lock(logLock);
    if (logFile) std::fclose(logFile);
    logFile = path.empty() ? nullptr : std::fopen(path.c_str(), "ae");
}

void LogSimFrame(const std::string& name, int interfaceNumber, const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(logLock);
    if (!logFile) return;
    std::fprintf(logFile, "%s %d ", name.c_str(), interfaceNumber);
    for (std::size_t i = 0; i < length; ++i) std::fprintf(logFile, "%02x", data[i]);
    std::fputc('\n', logFile);
    // Each line is whole on disk at once: the watcher reads while the program runs.
    std::fflush(logFile);
}
