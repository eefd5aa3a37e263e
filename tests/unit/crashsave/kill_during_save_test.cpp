// A process killed with SIGKILL at random points while it saves the profile list and its
// profiles leaves every file whole: the old or the new version, readable, and the next
// start-up loads the list and clears what the dead process left.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "profiles/profile_list.h"
#include "profiles/profile_paths.h"
#include "util/json_file.h"
#include "temp_folder.h"
#include "util/stale_temporaries.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kRounds = 80;
constexpr auto kTimeBudget = 15s;  // the rounds stop early rather than run past this
constexpr size_t kPadBytes = 48 * 1024;

// Starts the helper; returns its pid and a pipe end that delivers "ready".
pid_t StartHelper(int& readyFd) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(SAVE_LOOP_HELPER, SAVE_LOOP_HELPER, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    readyFd = pipeFds[0];
    return child;
}

bool WaitReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    char byte = 0;
    return poll(&p, 1, 5000) == 1 && read(fd, &byte, 1) == 1;
}

// The round a name "p<i>-<n>" was written in; 0 for the names the list starts with.
long RoundOf(const std::string& name) {
    const size_t dash = name.find('-');
    if (name.empty() || name[0] != 'p' || dash == std::string::npos || dash + 1 >= name.size()) return 0;
    return std::stol(name.substr(dash + 1));
}

class KillDuringSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.IsValid());
        root_ = temp_.Path();
        temp_.SetEnv("XDG_DATA_HOME", (root_ / "data").string());
        temp_.SetEnv("KVELM_DATA_DIR", (root_ / "program").string());
        fs::create_directories(root_ / "program" / "DefaultData");
        std::ofstream(root_ / "program" / "DefaultData" / "mouse.Json")
            << R"({"Device": [{"Round": 0, "Pad": ""}]})";
        folder_ = DeviceUserFolder("mouse");
    }

    // Every file of the folder reads back, and each listed profile is its list entry's
    // version or the one after it.
    void ExpectConsistentFolder(int round) {
        const CJsonFile files;
        for (const auto& item : fs::directory_iterator(folder_)) {
            const std::string name = item.path().filename().string();
            if (IsAtomicWriteTemporaryName(name)) continue;  // what the dead writer left; start-up removes it
            EXPECT_TRUE(files.ReadJsonFile(item.path().string()).isObject())
                << "round " << round << ": " << name;
        }
        const std::string listPath = ProfileListFile(folder_);
        if (!fs::exists(listPath)) return;  // killed before the first list was written
        const Json::Value list = files.ReadJsonFile(listPath);
        for (const Json::Value& entry : list["profilelist"]) {
            const std::string id = entry["profileUUID"].asString();
            const Json::Value profile = files.ReadJsonFile(ProfileFile(folder_, id));
            ASSERT_TRUE(profile.isObject()) << "round " << round << ": listed profile " << id << " missing";
            const long listed = RoundOf(entry["profilename"].asString());
            const long stored = RoundOf(profile["profilename"].asString());
            EXPECT_TRUE(stored == listed || stored == listed + 1)
                << "round " << round << ": list " << listed << ", file " << stored;
            const Json::Value& device = profile["Device"][0];
            if (device["Round"].asInt64() > 0) {
                EXPECT_EQ(device["Pad"].asString().size(), kPadBytes) << "round " << round;
            }
        }
    }

    TempFolder temp_;
    fs::path root_;
    std::string folder_;
};

TEST_F(KillDuringSave, EveryFileIsTheOldOrTheNewVersionAndStartUpRecovers) {
    std::mt19937 random(20240612);
    const auto start = std::chrono::steady_clock::now();
    int kills = 0;
    for (int round = 0; round < kRounds && std::chrono::steady_clock::now() - start < kTimeBudget; ++round) {
        int readyFd = -1;
        const pid_t child = StartHelper(readyFd);
        ASSERT_GT(child, 0);
        // Now and then the kill comes during start-up, else after a random stretch of saving.
        if (random() % 4 != 0) {
            ASSERT_TRUE(WaitReady(readyFd)) << "round " << round;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        close(readyFd);
        if (WIFSIGNALED(status)) {
            ++kills;
        } else {
            ADD_FAILURE() << "round " << round << ": the helper ended by itself, status " << status;
        }
        ExpectConsistentFolder(round);
        if (HasFailure()) return;
    }
    EXPECT_GT(kills, 10);

    // The next start-up loads all three profiles and leaves no temporary file behind.
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(getenv("KVELM_DATA_DIR"), "mouse");
    ASSERT_EQ(list.Init(), kProfileDone);
    EXPECT_EQ(list.Count(), 3);
    for (const auto& item : fs::directory_iterator(folder_))
        EXPECT_FALSE(IsAtomicWriteTemporaryName(item.path().filename().string())) << item.path();
}

}  // namespace
