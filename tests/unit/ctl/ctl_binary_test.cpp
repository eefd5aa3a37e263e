// The built kvelmctl program, run as a user would, with simulated devices from the
// environment or the command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "kvelmctl_run.h"
#include "temp_folder.h"

namespace {

using Outcome = KvelmctlOutcome;

size_t Count(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

TEST(KvelmctlProgram, ListShowsTheSimulatedMiceFromTheEnvironment) {
    const Outcome run = RunKvelmctl("KVELM_SIMULATE=mouse,mouse3389", {"list"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Count(run.out, "mouse (command)"), 2u) << run.out;
    EXPECT_NE(run.out.find("320f:2002"), std::string::npos);
    EXPECT_NE(run.out.find("320f:21fd"), std::string::npos);
    EXPECT_NE(run.out.find("#vid_320f&pid_21fd&mi_01&col04"), std::string::npos);
}

TEST(KvelmctlProgram, InfoAndReadWorkWithSimulateOnTheCommandLine) {
    const Outcome info = RunKvelmctl("", {"--simulate", "mouse3389", "info", "0"});
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_NE(info.out.find("sensor:            0x3389"), std::string::npos) << info.out;

    const Outcome read = RunKvelmctl("", {"--simulate=mouse", "read", "0", "0", "57"});
    ASSERT_EQ(read.code, 0) << read.err;
    EXPECT_TRUE(read.out.starts_with("0000  ")) << read.out;
    EXPECT_EQ(Count(read.out, "\n"), 4u) << "57 bytes are four lines of at most 16";
}

TEST(KvelmctlProgram, DebugVariableShowsTheFrameDumpsOnStandardError) {
    const Outcome quiet = RunKvelmctl("KVELM_SIMULATE=mouse", {"info", "0"});
    ASSERT_EQ(quiet.code, 0) << quiet.err;
    EXPECT_EQ(quiet.err.find("命令"), std::string::npos);

    const Outcome run = RunKvelmctl("KVELM_SIMULATE=mouse KVELM_DEBUG=1", {"info", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Count(run.err, "命令\n"), 3u) << run.err;
    EXPECT_EQ(Count(run.err, "返回\n"), 3u);
    EXPECT_NE(run.err.find("命令\n04 01 00 01   00 00 00 00"), std::string::npos);
    EXPECT_EQ(run.out.find("命令"), std::string::npos) << "dumps stay off standard output";
}

TEST(KvelmctlProgram, ErrorsExitNonZeroWithOneLineOnStandardError) {
    struct Case {
        std::string environment;
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {"", {"info", "0"}, 1, "kvelmctl: no such device: 0"},
        {"KVELM_SIMULATE=mouse", {"read", "0", "0x10000", "1"}, 2, "kvelmctl: bad OFFSET '0x10000'"},
        {"KVELM_SIMULATE=hamster", {"list"}, 2, "kvelmctl: "},
        {"", {"explode"}, 2, "kvelmctl: unknown command 'explode'"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunKvelmctl(c.environment, c.args);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_TRUE(run.err.starts_with(c.message)) << run.err;
        EXPECT_EQ(Count(run.err, "\n"), 1u) << run.err;
    }
}

TEST(KvelmctlProgram, UdevRulesGrantTheShippedAndTheUserRowsWithIds) {
    const TempFolder home;
    ASSERT_TRUE(home.IsValid());
    std::filesystem::create_directories(home.Path() / "config" / "kvelm");
    // A keyboard the user added, a row without ids (nothing to grant) and the shipped mouse
    // again under another name (granted once).
    home.Put("config/kvelm/devices.json", R"({"devices": [
        {"vendorId": "0x1A2B", "productId": "0x0C0D", "kind": 1, "name": "Desk Keyboard"},
        {"vendorId": 0, "productId": 0, "kind": 4, "name": "Unknown headset", "folder": "hs"},
        {"vendorId": "0x320F", "productId": "0x2002", "kind": 2, "name": "My mouse"}
    ]})");
    const Outcome run = RunKvelmctl("HOME='" + home.Path().string() + "' XDG_CONFIG_HOME='" +
                                        home.File("config") + "' KVELM_DATA_DIR='" KVELM_TEST_PROGRAM_DIR "'",
                                    {"udev-rules"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(
        run.out,
        "# Put these lines in /etc/udev/rules.d/70-kvelm-user.rules (as root), then run:\n"
        "#   udevadm control --reload-rules && udevadm trigger\n"
        "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"320f\", ATTRS{idProduct}==\"2002\", TAG+=\"uaccess\"\n"
        "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"320f\", ATTRS{idProduct}==\"21fd\", TAG+=\"uaccess\"\n"
        "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1a2b\", ATTRS{idProduct}==\"0c0d\", TAG+=\"uaccess\"\n");
}

TEST(KvelmctlProgram, HelpListsTheCommands) {
    const Outcome help = RunKvelmctl("", {"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* command : {"list", "info PATH|INDEX", "read PATH|INDEX OFFSET LENGTH", "--simulate"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;

    const Outcome bare = RunKvelmctl("", {});
    EXPECT_EQ(bare.code, 2);
    EXPECT_NE(bare.err.find("usage: kvelmctl"), std::string::npos);
}

}  // namespace
