#include "focus/focus_rules.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kClassPrefix = "class:";
constexpr size_t kClassPrefixLength = 6;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && SameIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

std::string FileNameOf(const std::string& path, const char* separators) {
    const size_t cut = path.find_last_of(separators);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

bool ProgramMatches(const std::string& binding, const FocusedWindow& window) {
    if (!window.any || binding.empty()) return false;
    if (binding.rfind(kClassPrefix, 0) == 0) {
        const std::string name = binding.substr(kClassPrefixLength);
        return !name.empty() &&
               (SameIgnoringCase(name, window.className) || SameIgnoringCase(name, window.classInstance));
    }
    if (binding.find('/') != std::string::npos) return binding == window.exePath;
    if (!window.exePath.empty() && binding == FileNameOf(window.exePath, "/")) return true;
    return !window.windowsProgram.empty() && SameIgnoringCase(binding, window.windowsProgram);
}

int BoundProfileFor(const std::vector<std::vector<std::string>>& programsPerProfile,
                    const FocusedWindow& window) {
    for (size_t i = 0; i < programsPerProfile.size(); ++i) {
        const auto& programs = programsPerProfile[i];
        if (std::any_of(programs.begin(), programs.end(),
                        [&](const std::string& p) { return ProgramMatches(p, window); }))
            return static_cast<int>(i);
    }
    return -1;
}

std::string WindowsProgramFromCmdline(const std::string& cmdline) {
    size_t start = 0;
    while (start < cmdline.size()) {
        size_t end = cmdline.find('\0', start);
        if (end == std::string::npos) end = cmdline.size();
        const std::string argument = cmdline.substr(start, end - start);
        if (EndsWithIgnoringCase(argument, ".exe")) {
            const std::string name = FileNameOf(argument, "\\/");
            if (name.size() > 4) return name;
        }
        start = end + 1;
    }
    return {};
}

std::string FocusedProgramLabel(const FocusedWindow& window) {
    if (!window.windowsProgram.empty()) return window.windowsProgram;
    if (!window.exePath.empty()) return FileNameOf(window.exePath, "/");
    return window.classInstance;
}

int DecideFocusSwitch(FocusFollowState& state, int boundIndex, int selectedIndex, int markedReturn) {
    if (boundIndex >= 0) {
        if (!state.following) {
            state.following = true;
            state.returnIndex = markedReturn >= 0 ? markedReturn : selectedIndex;
        }
        return boundIndex;
    }
    if (!state.following) return -1;
    state.following = false;
    return state.returnIndex;
}
