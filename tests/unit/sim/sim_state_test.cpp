// Simulated memory kept in a folder: a second simulator of the same device finds what the
// first one wrote (as a second process does), and files it cannot trust are left unread.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "sim/sim_devices.h"
#include "sim/sim_state_files.h"
#include "sim_test_host.h"
#include "temp_folder.h"

namespace {

constexpr uint8_t kReadSettings = 5;
constexpr uint8_t kWriteSettings = 6;
constexpr uint16_t kPollingRateAt = 14;  // in record 0

// The polling-rate byte of record 0 as the mouse answers it.
int ReadRate(SimMouseHost& host) {
    const Bytes answer = host.Transact(kReadSettings, 1, kPollingRateAt);
    return answer.empty() || Status(answer) != 0 ? -1 : Payload(answer, 1)[0];
}

TEST(SimKeptMemory, ASecondSimulatorOfTheDeviceSeesWhatTheFirstWrote) {
    TempFolder folder;
    const std::string kept = folder.File("mouse");
    ASSERT_TRUE(MakePrivateFolder(kept));
    {
        SimMouseHost first;
        first.Mouse().KeepStateIn(kept);
        ASSERT_EQ(Status(first.Transact(kWriteSettings, 1, kPollingRateAt, {1})), 0);
    }
    SimMouseHost second;
    const int factory = ReadRate(second);
    second.Mouse().KeepStateIn(kept);
    EXPECT_NE(factory, 1);
    EXPECT_EQ(ReadRate(second), 1);
    EXPECT_EQ(second.Mouse().SettingsMemory()[kPollingRateAt], 1) << "the read loaded the kept memory";
}

TEST(SimKeptMemory, UntrustworthyFilesLeaveTheFactoryMemory) {
    struct Case {
        const char* name;
        void (*plant)(const std::filesystem::path& settings);
    };
    const Case cases[] = {
        {"active record out of range",
         [](const std::filesystem::path& p) { WriteFileBytes(p, std::string(512, '\x07')); }},
        {"wrong size", [](const std::filesystem::path& p) { WriteFileBytes(p, std::string(100, '\0')); }},
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        {"a link to another file",
         [](const std::filesystem::path& p) {
             WriteFileBytes(p.string() + ".elsewhere", std::string(512, '\0'));
             std::filesystem::create_symlink(p.string() + ".elsewhere", p);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        SimMouseHost host;
        const std::vector<uint8_t> factory = host.Mouse().SettingsMemory();
        c.plant(folder.Path() / "settings");
        host.Mouse().KeepStateIn(folder.Path().string());
        EXPECT_EQ(ReadRate(host), factory[kPollingRateAt]);
        EXPECT_EQ(host.Mouse().SettingsMemory(), factory);
    }
}

TEST(SimKeptMemory, AFolderOthersCanReadIsRefused) {
    TempFolder folder;
    const std::string open = folder.File("open");
    ASSERT_EQ(mkdir(open.c_str(), 0755), 0);
    std::string error;
    EXPECT_FALSE(KeepSimulatedMemoryIn(open, &error));
    EXPECT_NE(error.find(open), std::string::npos);
    EXPECT_TRUE(KeepSimulatedMemoryIn("", &error));
}

TEST(SimKeptMemory, TheStateFolderComesFromTheEnvironment) {
    struct Case {
        const char* chosen;
        const char* runtime;
        std::string expected;
    };
    const Case cases[] = {
        {"/tmp/x", "/run/user/5", "/tmp/x"},
        {"off", "/run/user/5", ""},
        {nullptr, "/run/user/5", "/run/user/5/kvelm-sim"},
        {nullptr, nullptr, "/tmp/kvelm-sim-" + std::to_string(getuid())},
    };
    for (const Case& c : cases) {
        c.chosen ? setenv("KVELM_SIM_STATE_DIR", c.chosen, 1) : unsetenv("KVELM_SIM_STATE_DIR");
        c.runtime ? setenv("XDG_RUNTIME_DIR", c.runtime, 1) : unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(SimStateFolderFromEnvironment(), c.expected);
    }
    unsetenv("KVELM_SIM_STATE_DIR");
}

}  // namespace
