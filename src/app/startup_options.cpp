#include "app/startup_options.h"

#include <string_view>

namespace {

bool IsSet(const char* value) { return value && *value; }

// Matches "--name value" (advancing i) or "--name=value"; false when arg is another option.
bool TakeValue(int argc, const char* const* argv, int& i, std::string_view name, std::string* value,
               std::string* error) {
    const std::string_view arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc) {
            *error = std::string(name) + " needs a value";
            return true;
        }
        *value = argv[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        *value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

}  // namespace

StartupOptions ParseStartupOptions(int argc, const char* const* argv, const char* simulateEnv) {
    StartupOptions options;
    bool simulateGiven = false;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        std::string value;
        if (TakeValue(argc, argv, i, "--screenshot", &value, &options.error)) {
            if (options.error.empty() && value.empty()) options.error = "--screenshot needs a file name";
            options.screenshotPath = QString::fromLocal8Bit(value.c_str());
        } else if (TakeValue(argc, argv, i, "--click", &value, &options.error)) {
            if (options.error.empty() && value.empty()) options.error = "--click needs a control name";
            options.clickBeforeScreenshot = QString::fromLocal8Bit(value.c_str());
        } else if (TakeValue(argc, argv, i, "--simulate", &value, &options.error)) {
            options.simulate = value;
            simulateGiven = true;
        }
    }
    if (!simulateGiven && simulateEnv) options.simulate = simulateEnv;
    return options;
}

bool NeedsOffscreenFallback(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    return !IsSet(display) && !IsSet(waylandDisplay) && !IsSet(qpaPlatform);
}
