#pragma once
// Collects every line sent to the debug output while it exists.
#include <mutex>
#include <string>
#include <vector>

#include "util/debug_log.h"

class DebugCapture {
public:
    DebugCapture() {
        SetDebugSink([this](std::string_view text) {
            std::lock_guard<std::mutex> guard(lock_);
            lines_.emplace_back(text);
        });
    }
    ~DebugCapture() { SetDebugSink({}); }
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> guard(lock_);
        return lines_;
    }
    bool Contains(const std::string& line) const {
        for (const auto& l : Lines())
            if (l == line) return true;
        return false;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> lines_;
};
