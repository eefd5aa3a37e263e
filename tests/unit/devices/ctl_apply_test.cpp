// kvelmctl settings and apply: in-process against simulated mice the test controls, and
// the real program on an empty data folder.
#include <sys/wait.h>

#include <set>
#include <sstream>

#include "ctl/ctl.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/simulated_rows.h"
#include <algorithm>
#include <sstream>

#include "ctl/ctl.h"
#include "hid/protocol/protocol_codes.h"
#include "device_fixture.h"
#include "profiles/profile_list.h"
#include "util/json_file.h"

namespace {

struct CtlRun {
    int code;
    std::string out, err;
};

CtlRun Ctl(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

class KvelmctlMouse : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("KVELM_SIMULATE");
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        ResetActiveDeviceTable();
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SimHidBus::Instance().UnplugAll();
        mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        mouse->Plug();
        mouse->ClearFrames();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }
    std::filesystem::path Folder() const { return home.Path() / "KV_ELM Gaming mouse" / "mouse"; }

    TempFolder home;
    std::shared_ptr<SimMouse> mouse;
};

TEST_F(KvelmctlMouse, TheWirelessMousesRowPutsALinkCheckBeforeEachCommand) {
    struct Case {
        const char* simulated;
        SimMouseModel model;
        bool linkChecks;
    };
    const Case cases[] = {{"mousewl", SimMouseModel::MouseWireless(), true},
                          {"mouse", SimMouseModel::Mouse(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simulated);
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        ResetActiveDeviceTable();
        AddSimulatedDeviceRows(c.simulated);
        SimHidBus::Instance().UnplugAll();
        auto device = std::make_shared<SimMouse>(c.model);
        device->Plug();
        device->ClearFrames();

        const CtlRun run = Ctl({"apply", "0"});
        ResetActiveDeviceTable();
        ASSERT_EQ(run.code, 0) << run.err;
        std::vector<uint8_t> commands;
        for (const auto& frame : device->CommandFrames()) commands.push_back(frame[3]);
        ASSERT_GT(commands.size(), 3u);
        const size_t checks = static_cast<size_t>(std::count(commands.begin(), commands.end(), 0xAA));
        if (!c.linkChecks) {
            EXPECT_EQ(checks, 0u);
            continue;
        }
        // The first read checks the link once; every write command is checked on its own.
        EXPECT_EQ(commands.front(), 0xAA);
        const std::set<uint8_t> writes = {0x06, 0x09, 0x15, 0x17};
        size_t writeCommands = 0;
        for (size_t i = 1; i < commands.size(); ++i) {
            if (!writes.count(commands[i]) || commands[i] == commands[i - 1]) continue;  // later chunks
            ++writeCommands;
            EXPECT_EQ(commands[i - 1], 0xAA) << "command " << int{commands[i]} << " at frame " << i;
        }
        EXPECT_GE(writeCommands, 2u) << "settings and key assignments";
    }
}

TEST_F(KvelmctlMouse, ApplyOnAnEmptyFolderCreatesTheDefaultProfileAndSendsIt) {
    const CtlRun run = Ctl({"apply", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes memory = mouse->SettingsMemory();
    EXPECT_EQ(Bytes(memory.begin() + 15, memory.begin() + 23), (Bytes{6, 0, 14, 0, 30, 0, 46, 0}));
    EXPECT_EQ(memory[14], 3) << "the default profile's polling rate";

    const Json::Value list = CJsonFile().ReadJsonFile((Folder() / "ProfileList.ini").string());
    ASSERT_EQ(list["profilelist"].size(), 1u);
    EXPECT_EQ(list["profilelist"][0]["profilename"].asString(), "profile1");
    EXPECT_TRUE(
        std::filesystem::exists(Folder() / (list["profilelist"][0]["profileUUID"].asString() + ".Json")));
    EXPECT_NE(run.out.find("applied profile 'profile1'"), std::string::npos) << run.out;
}

TEST_F(KvelmctlMouse, ProfileWithoutADeviceObjectIsSentWithTheDefaults) {
    ASSERT_EQ(Ctl({"apply", "0"}).code, 0);
    const Json::Value list = CJsonFile().ReadJsonFile((Folder() / "ProfileList.ini").string());
    const std::filesystem::path profile =
        Folder() / (list["profilelist"][0]["profileUUID"].asString() + ".Json");
    WriteFile(profile, R"({"profilename": "profile1", "Device": ["damaged"]})");
    mouse->SetSettingsBytes(0, Bytes(128, 0xEE));

    const CtlRun run = Ctl({"apply", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes memory = mouse->SettingsMemory();
    EXPECT_EQ(Bytes(memory.begin() + 15, memory.begin() + 23), (Bytes{6, 0, 14, 0, 30, 0, 46, 0}));
    EXPECT_EQ(memory[14], 3) << "the default profile's polling rate";
}

TEST_F(KvelmctlMouse, TruncatedDefaultDataOnFirstUseSendsNothingAndFails) {
    TempFolder program;
    const std::string shipped =
        ReadFileBytes(std::filesystem::path(KVELM_BIN_DIR) / "DefaultData" / "mouse.Json");
    ASSERT_FALSE(shipped.empty());
    WriteFile(program.Path() / "DefaultData" / "mouse.Json", shipped.substr(0, shipped.size() / 3));
    setenv("KVELM_DATA_DIR", program.Path().c_str(), 1);
    const Bytes before = mouse->SettingsMemory();

    const CtlRun run = Ctl({"apply", "0"});
    setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_NE(run.err.find("cannot be loaded"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("applied profile"), std::string::npos) << run.out;
    EXPECT_EQ(mouse->SettingsMemory(), before) << "no record of zeros reaches the mouse";
    for (const Bytes& frame : mouse->CommandFrames()) EXPECT_NE(frame[3], 0x06) << "no settings write";
}

TEST_F(KvelmctlMouse, ApplyNamedProfileSelectsAndSendsThatOne) {
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(KVELM_BIN_DIR, "mouse");
    ASSERT_EQ(list.Init(), kProfileDone);
    ASSERT_EQ(list.NewProfile(), kProfileDone);
    const std::string second = list.ProfilePathAt(1);
    Json::Value doc = CJsonFile().ReadJsonFile(second);
    doc["Device"][0]["ReportStages"]["StageActive"] = 1;
    ASSERT_EQ(CJsonFile().WriteJsonFile(second, doc), 0);

    const CtlRun run = Ctl({"apply", "0", "--profile", "PROFILE2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(mouse->SettingsMemory()[14], 1);
    EXPECT_EQ(CJsonFile().ReadJsonFile((Folder() / "ProfileList.ini").string())["profileselect"].asInt(), 1);
}

TEST_F(KvelmctlMouse, ErrorsNameTheProblemAndFail) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cases[] = {
        {{"apply", "4"}, kExitFailure, "no such device: 4"},
        {{"apply", "0", "--profile", "nope"}, kExitUsage, "profile not found: 'nope'"},
        {{"apply", "0", "--profile"}, kExitUsage, "usage: kvelmctl apply"},
        {{"apply", "0", "--colour", "red"}, kExitUsage, "usage: kvelmctl apply"},
        {{"settings"}, kExitUsage, "usage: kvelmctl settings"},
    };
    for (const auto& c : cases) {
        const CtlRun run = Ctl(c.args);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_TRUE(mouse->CommandFrames().empty()) << "nothing reaches the device on a refused command";
}

TEST_F(KvelmctlMouse, SilentDeviceIsReportedAsNotAnswering) {
    mouse->SetSilent(true);
    const CtlRun apply = Ctl({"apply", "0"});
    EXPECT_EQ(apply.code, kExitFailure);
    EXPECT_NE(apply.err.find("not answering"), std::string::npos) << apply.err;
    const CtlRun settings = Ctl({"settings", "0"});
    EXPECT_EQ(settings.code, kExitFailure);
    EXPECT_NE(settings.err.find("not answering"), std::string::npos) << settings.err;
}

TEST_F(KvelmctlMouse, SettingsPrintsTheActiveRecordDecoded) {
    mouse->SetSettingsBytes(0, {1});
    mouse->SetSettingsBytes(128 + 1, {6, 2, 1, 0, 0, 0x12, 0x34, 0x56});
    mouse->SetSettingsBytes(128 + 14, {2});
    mouse->SetSettingsBytes(128 + 23, {4});
    const CtlRun run = Ctl({"settings", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    // Raw values in the words a user reads: mode 6 by name, rate code 2 in Hz, stage 4 of
    // the device counted from 1.
    for (const char* line : {"active record:     1\n", "lighting mode:     reactive (6)\n",
                             "brightness:        2\n", "speed:             3\n", "colourful:         no\n",
                             "colour:            #123456\n", "polling rate:      500 Hz\n",
                             "active DPI stage:  5 (stages count from 1)\n", "  5: 7200 DPI  (active)\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
}

// The frames of every "命令" dump of a debug output text, in order.
std::vector<Bytes> CommandDumps(const std::string& text) {
    std::vector<Bytes> frames;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() < 6 || line.substr(line.size() - 6) != "命令") continue;
        Bytes frame;
        for (int row = 0; row < 2 && std::getline(lines, line); ++row) {
            std::istringstream hex(line);
            unsigned value;
            while (hex >> std::hex >> value) frame.push_back(static_cast<uint8_t>(value));
        }
        frames.push_back(frame);
    }
    return frames;
}

TEST(KvelmctlProgram, ApplyOnAnEmptyDataFolderWritesTheDefaultProfileOfThe3389Mouse) {
    TempFolder home;
    const std::string command = "env -i PATH=/usr/bin:/bin XDG_DATA_HOME='" + home.Path().string() +
                                "' KVELM_SIM_STATE_DIR='" + home.File("sim") +
                                "' KVELM_DATA_DIR='" KVELM_BIN_DIR
                                "' KVELM_SIMULATE=mouse3389 KVELM_DEBUG=1 '" KVELMCTL_PATH "' apply 0 >'" +
                                (home.Path() / "out").string() + "' 2>'" + (home.Path() / "err").string() +
                                "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    const std::string err = ReadFileBytes(home.Path() / "err");
    ASSERT_EQ(WEXITSTATUS(status), 0) << err;

    const std::vector<Bytes> frames = CommandDumps(err);
    std::vector<uint8_t> commands;
    for (const Bytes& frame : frames) {
        ASSERT_EQ(frame.size(), 64u);
        commands.push_back(frame[3]);
    }
    // Initial read, then settings, macro check (no macros: nothing sent), key assignments.
    EXPECT_EQ(commands, (std::vector<uint8_t>{0x01, 0x03, 0x07, 0x02, 0x01, 0x06, 0x06, 0x02, 0x03, 0x03,
                                              0x01, 0x09, 0x02}));
    ASSERT_GE(frames.size(), 7u);
    const Bytes& first = frames[5];
    const Bytes& second = frames[6];
    EXPECT_EQ(first[4], 56);
    EXPECT_EQ(first[5] | first[6] << 8, 0);
    EXPECT_EQ(second[4], 30);
    EXPECT_EQ(second[5] | second[6] << 8, 56);
    // Record bytes 15-22 and 24-29 (frame payload from byte 8): the shipped stage values + 1.
    EXPECT_EQ(Bytes(first.begin() + 8 + 15, first.begin() + 8 + 23), (Bytes{7, 0, 15, 0, 31, 0, 63, 0}));
    EXPECT_EQ(Bytes(first.begin() + 8 + 24, first.begin() + 8 + 30), (Bytes{127, 0, 239, 0, 0x3F, 0x01}));
    EXPECT_EQ(frames[11][4], 42) << "the key block of the 14 key slots";
}

}  // namespace

namespace {

// apply --all: every attached mouse gets its selected profile; the rest of the bus is left alone.
TEST_F(KvelmctlMouse, ApplyAllSendsEveryAttachedMouseItsProfile) {
    auto other = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
    other->Plug();
    const CtlRun run = Ctl({"apply", "--all"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const SimMouse* each : {mouse.get(), other.get()}) {
        const auto frames = each->CommandFrames();
        EXPECT_TRUE(std::any_of(frames.begin(), frames.end(),
                                [](const std::vector<uint8_t>& frame) {
                                    return frame.size() > 3 && frame[3] == Command::kWriteMemory;
                                }))
            << each->Name() << " got no settings write";
    }
    size_t applied = 0;
    for (size_t at = run.out.find("applied profile"); at != std::string::npos;
         at = run.out.find("applied profile", at + 1))
        ++applied;
    EXPECT_EQ(applied, 2u) << run.out;

    SimHidBus::Instance().UnplugAll();
    const CtlRun none = Ctl({"apply", "--all"});
    EXPECT_EQ(none.code, 0) << "nothing attached is no failure at login";
    EXPECT_NE(none.out.find("no device attached"), std::string::npos) << none.out;
}

TEST_F(KvelmctlMouse, ApplyAllReportsAMouseThatDoesNotAnswer) {
    mouse->SetSilent(true);
    const CtlRun run = Ctl({"apply", "--all"});
    EXPECT_NE(run.code, 0);
    EXPECT_FALSE(run.err.empty());
}

}  // namespace
