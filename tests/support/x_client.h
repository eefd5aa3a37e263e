#pragma once
// An X program (a window manager, a client window) run on a test's private X server for as
// long as the object lives; its output goes nowhere.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

class XClient {
public:
    XClient(const std::string& display, std::vector<std::string> command) {
        pid_ = fork();
        if (pid_ != 0) return;
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        setenv("DISPLAY", display.c_str(), 1);
        std::vector<char*> argv;
        for (std::string& part : command) argv.push_back(part.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    ~XClient() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool Started() const { return pid_ > 0; }

    // True when `program` can be found on PATH.
    static bool Have(const std::string& program) {
        const std::string command = "command -v " + program + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

private:
    pid_t pid_ = -1;
};
