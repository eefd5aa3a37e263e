#pragma once
// The text written to the debug output, for tests that count its lines.
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "util/debug_log.h"

// Every text written to the debug output while it lives (from any thread).
class DebugCapture {
public:
    DebugCapture() : state_(std::make_shared<State>()) {
        std::shared_ptr<State> state = state_;
        SetDebugSink([state](std::string_view text) {
            std::lock_guard<std::mutex> guard(state->lock);
            state->text.append(text);
        });
    }
    ~DebugCapture() { SetDebugSink({}); }
    std::string Text() const {
        std::lock_guard<std::mutex> guard(state_->lock);
        return state_->text;
    }
    int Count(std::string_view needle) const {
        const std::string text = Text();
        int count = 0;
        for (size_t at = text.find(needle); at != std::string::npos;
             at = text.find(needle, at + needle.size()))
            ++count;
        return count;
    }
    bool Contains(std::string_view needle) const { return Count(needle) > 0; }
    void Clear() {
        std::lock_guard<std::mutex> guard(state_->lock);
        state_->text.clear();
    }

private:
    struct State {
        std::mutex lock;
        std::string text;
    };
    std::shared_ptr<State> state_;
};
