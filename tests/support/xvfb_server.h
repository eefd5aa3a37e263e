#pragma once
// A private X server (Xvfb) for tests that need real X input: started on a free display
// number chosen by the server itself, ended with the object. Input is driven with xdotool.
// "-noreset": the server would otherwise reset when its last client leaves and refuse
// connections for a moment.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

class XvfbServer {
public:
    XvfbServer() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
                   "1024x768x24", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ > 0) display_ = ReadDisplay(fds[0]);
        close(fds[0]);
    }
    ~XvfbServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when no server could be started.
    const std::string& Display() const { return display_; }

    // Runs xdotool with `arguments` on this display; true when it succeeded.
    // xdotool waits for ever when the window manager ignores an activation (of a window it
    // does not manage yet, say): each call is bounded, and an activation is asked again.
    bool XdoTool(const std::string& arguments) const {
        const bool activation = arguments.find("windowactivate") != std::string::npos;
        for (int attempt = 0; attempt < (activation ? kActivationAttempts : 1); ++attempt)
            if (Run("timeout " + std::to_string(kXdoToolSeconds) + " xdotool " + arguments)) return true;
        return false;
    }
    static bool HaveXdoTool() { return std::system("command -v xdotool >/dev/null 2>&1") == 0; }

    // Runs a shell command with DISPLAY set to this server; true when it exited with 0.
    bool Run(const std::string& command) const {
        const std::string line = "DISPLAY=" + display_ + " " + command + " >/dev/null 2>&1";
        return std::system(line.c_str()) == 0;
    }

private:
    static constexpr int kStartTimeoutMs = 10000;
    static constexpr int kXdoToolSeconds = 10;
    static constexpr int kActivationAttempts = 3;

    static std::string ReadDisplay(int fd) {
        std::string number;
        pollfd wait{fd, POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, kStartTimeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n') number += c;
        return number.empty() ? std::string() : ":" + number;
    }

    pid_t pid_ = -1;
    std::string display_;
};
