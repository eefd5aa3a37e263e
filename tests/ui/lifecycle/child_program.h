#pragma once
// Runs the real kvelm as a child in a private home (offscreen, simulated devices, debug
// lines to a file), so a test can signal it and read what it logged.
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "temp_folder.h"

extern char** environ;

class ChildProgram {
public:
    explicit ChildProgram(const std::string& simulate) {
        if (!home_.IsValid()) return;
        debugFile_ = home_.File("debug.log");
        std::vector<std::string> env = {
            "HOME=" + home_.Path().string(),       "XDG_CONFIG_HOME=" + home_.File("config"),
            "XDG_DATA_HOME=" + home_.File("data"), "XDG_RUNTIME_DIR=" + home_.Path().string(),
            "QT_QPA_PLATFORM=offscreen",           "KVELM_DEBUG=" + debugFile_.string(),
            "KVELM_SIMULATE=" + simulate,
        };
        if (const char* path = std::getenv("PATH")) env.push_back(std::string("PATH=") + path);
        std::vector<char*> envp;
        for (std::string& entry : env) envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string binary = KVELM_BINARY;
        char* argv[] = {binary.data(), nullptr};
        if (posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv, envp.data()) != 0) pid_ = -1;
    }
    ~ChildProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    pid_t Pid() const { return pid_; }
    std::string DebugText() const { return ReadFileBytes(debugFile_); }
    // Waits until the debug output holds line (up to timeout).
    bool WaitForDebug(const std::string& line, std::chrono::milliseconds timeout) const {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            if (DebugText().find(line) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    // The child's wait status once it ended, or -1 when it did not end within timeout.
    int WaitForExit(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return status;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }
    const std::filesystem::path& Home() const { return home_.Path(); }

private:
    TempFolder home_;  // removed after the child is killed
    std::filesystem::path debugFile_;
    pid_t pid_ = -1;
};
