#include "util/debug_log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Everything the sink needs, guarded by one mutex so lines from different threads never
// interleave and a sink swap never races a write.
struct DebugChannel {
    std::mutex lock;
    bool initialised = false;
    std::function<void(std::string_view)> custom;  // set by SetDebugSink
    FILE* file = nullptr;                          // KVELM_DEBUG=<path>
    bool toStderr = false;                         // KVELM_DEBUG=1
    std::atomic<bool> enabled{false};

    // Reads KVELM_DEBUG; caller holds the lock.
    void ChooseFromEnvironment() {
        if (file) {
            std::fclose(file);
            file = nullptr;
        }
        toStderr = false;
        const char* value = std::getenv("KVELM_DEBUG");
        const std::string choice = value ? value : "";
        if (choice == "1") {
            toStderr = true;
        } else if (!choice.empty() && choice != "0") {
            file = std::fopen(choice.c_str(), "a");
        }
        initialised = true;
        enabled = static_cast<bool>(custom) || toStderr || file != nullptr;
    }

    void EnsureInitialised() {
        if (!initialised) ChooseFromEnvironment();
    }
};

DebugChannel& Channel() {
    static DebugChannel channel;
    return channel;
}

}  // namespace

bool DebugEnabled() {
    DebugChannel& ch = Channel();
    {
        std::lock_guard<std::mutex> guard(ch.lock);
        ch.EnsureInitialised();
    }
    return ch.enabled.load();
}

void DebugOutput(std::string_view text) {
    DebugChannel& ch = Channel();
    std::lock_guard<std::mutex> guard(ch.lock);
    ch.EnsureInitialised();
    if (ch.custom) {
        ch.custom(text);
        return;
    }
    FILE* target = ch.file ? ch.file : (ch.toStderr ? stderr : nullptr);
    if (!target) return;
    std::fwrite(text.data(), 1, text.size(), target);
    std::fflush(target);
}

void DebugPrintf(const char* format, ...) {
    if (!DebugEnabled()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        va_end(args);
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    DebugOutput(std::string_view(buffer.data(), static_cast<size_t>(needed)));
}

void SetDebugSink(std::function<void(std::string_view)> sink) {
    DebugChannel& ch = Channel();
    std::lock_guard<std::mutex> guard(ch.lock);
    ch.custom = std::move(sink);
    ch.ChooseFromEnvironment();
}
