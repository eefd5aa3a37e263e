// kvelmctl's commands run in-process against simulated mice the test controls, so the
// device's side (frames received, faults) can be set up and checked.
#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <sstream>
#include "ctl/ctl.h"
#include "ctl/ctl_interfaces.h"
#include "ctl/ctl_numbers.h"
#include "sim/sim_bus.h"
#include "devices/discovery/device_table_store.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_mouse.h"
#include <filesystem>
#include "temp_folder.h"
#include "util/debug_log.h"

namespace {

struct CtlRun {
    int code;
    std::string out, err;
};

CtlRun Ctl(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

class CtlTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("KVELM_SIMULATE");
        // No user's device table: the shipped rows only.
        setenv("XDG_CONFIG_HOME", "/nonexistent", 1);
        ResetActiveDeviceTable();
        SetDebugSink([](std::string_view) {});
        SimHidBus::Instance().UnplugAll();
        first = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        second = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
        first->Plug();
        second->Plug();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }
    std::shared_ptr<SimMouse> first, second;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(CtlTest, ListNumbersTheSupportedCommandCollections) {
    const CtlRun run = Ctl({"list"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    int commandLines = 0, inputLines = 0;
    for (const std::string& line : Lines(run.out)) {
        if (line.find("sim:") == std::string::npos) continue;
        if (line.find("ff1c:0092") != std::string::npos) {
            EXPECT_NE(line.find("mouse (command)"), std::string::npos) << line;
            EXPECT_TRUE(line.starts_with(std::to_string(commandLines) + " ")) << line;
            ++commandLines;
        } else if (line.find("000c:0001") != std::string::npos) {
            EXPECT_NE(line.find("mouse (input)"), std::string::npos) << line;
            EXPECT_TRUE(line.starts_with("- ")) << line;
            ++inputLines;
        } else {
            EXPECT_TRUE(line.starts_with("- ")) << "unsupported collections get no index: " << line;
        }
    }
    EXPECT_EQ(commandLines, 2);
    EXPECT_EQ(inputLines, 2);
    EXPECT_NE(run.out.find("2 supported devices"), std::string::npos) << run.out;
}

TEST_F(CtlTest, InfoBracketsTheReadAndPrintsTheDecodedBlock) {
    first->ClearFrames();
    second->ClearFrames();
    const CtlRun run = Ctl({"info", "1"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_TRUE(first->CommandFrames().empty()) << "index 1 is the second device";
    std::vector<uint8_t> commands;
    for (const auto& frame : second->CommandFrames()) commands.push_back(frame[3]);
    EXPECT_EQ(commands, (std::vector<uint8_t>{0x01, 0x03, 0x02}));

    const auto block = second->InfoBlock();
    EXPECT_NE(run.out.find("key slots:         " + std::to_string(block[5]) + "\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("macro memory:      " + std::to_string(block[6] * 128) + " bytes"),
              std::string::npos);
    EXPECT_NE(run.out.find("sensor:            0x3389\n"), std::string::npos);
    EXPECT_NE(run.out.find("DPI step:          50\n"), std::string::npos);
    EXPECT_NE(run.out.find("slider range:      0 .. 318\n"), std::string::npos);
    EXPECT_NE(run.out.find("smallest DPI:      100\n"), std::string::npos);
    EXPECT_NE(run.out.find(FormatHexDump(block.data(), block.size(), 0)), std::string::npos);
}

TEST_F(CtlTest, ReadDumpsDeviceMemoryAtTheOffset) {
    std::vector<uint8_t> bytes(20);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(0xC0 + i);
    first->SetSettingsBytes(0x90, bytes);
    for (const char* offset : {"0x90", "144"}) {
        const CtlRun run = Ctl({"read", "0", offset, "20"});
        ASSERT_EQ(run.code, kExitOk) << run.err;
        EXPECT_EQ(run.out,
                  "0090  c0 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc cd ce cf\n"
                  "00a0  d0 d1 d2 d3\n");
    }
}

TEST_F(CtlTest, DeviceFailuresAreOneLineErrors) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {"silent device",
         [&] { first->SetSilent(true); },
         {"info", "0"},
         "kvelmctl: begin configuration failed: device not answering: sim:"},
        {"refusing device",
         [&] { first->FailFrame(1, 0xFF); },
         {"info", "0"},
         "kvelmctl: reading the information block failed: device refused the command (status 0xFF): sim:"},
        {"memory read refused",
         [&] { first->FailFrame(0, 0xFE); },
         {"read", "0", "0", "4"},
         "kvelmctl: reading memory failed: device refused the command (status 0xFE): sim:"},
        {"index past the devices",
         [] {},
         {"info", "2"},
         "kvelmctl: no such device: 2 (2 supported devices attached; see 'kvelmctl list')\n"},
        {"unknown path",
         [] {},
         {"read", "/dev/hidraw99", "0", "4"},
         "kvelmctl: no such device: /dev/hidraw99 (see 'kvelmctl list')\n"},
    };
    for (const Case& c : cases) {
        c.arrange();
        const CtlRun run = Ctl(c.args);
        first->SetSilent(false);
        EXPECT_EQ(run.code, kExitFailure) << c.name;
        EXPECT_TRUE(run.err.starts_with(c.message)) << c.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.name << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.name;
    }
}

TEST_F(CtlTest, FailedInformationReadStillEndsTheConfiguration) {
    first->FailFrame(1, 0xFF);  // the ReadDeviceInfo frame
    first->ClearFrames();
    EXPECT_EQ(Ctl({"info", "0"}).code, kExitFailure);
    ASSERT_FALSE(first->CommandFrames().empty());
    EXPECT_EQ(first->CommandFrames().back()[3], 0x02);
    EXPECT_FALSE(first->InConfig());
}

TEST_F(CtlTest, BadArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"info"},
        {"info", "0", "extra"},
        {"read", "0", "0x10000", "4"},
        {"read", "0", "12ab", "4"},
        {"read", "0", "0", "0"},
        {"read", "0", "0xfff0", "17"},
        {"read", "0", "-1", "4"},
        {"--simulate"},
        {"--simulate", "toaster", "list"},
    };
    for (const auto& args : cases) {
        first->ClearFrames();
        const CtlRun run = Ctl(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(run.code, kExitUsage) << joined;
        EXPECT_FALSE(run.err.empty()) << joined;
        EXPECT_TRUE(first->CommandFrames().empty()) << joined << ": nothing sent on a usage error";
    }
}

TEST_F(CtlTest, ListMarksInterfacesOfUserRowsAndNamesTheirBadRows) {
    CtlRun run{};
    auto keyboard = std::make_shared<SimKeyboard>();
    {
        TempFolder config;
        ASSERT_TRUE(config.IsValid());
        std::filesystem::create_directories(config.Path() / "kvelm");
        config.Put("kvelm/devices.json",
                   "{\"devices\": [\n"
                   "  {\"vendorId\": \"0x320F\", \"productId\": \"0x5021\", \"kind\": 1, \"name\": \"Desk "
                   "board\"},\n"
                   "  {\"vendorId\": \"0x320F\", \"kind\": 1}\n"
                   "]}\n");
        config.SetEnv("XDG_CONFIG_HOME", config.Path().string());
        ResetActiveDeviceTable();
        keyboard->Plug();
        run = Ctl({"list"});
    }
    // Back to the shipped rows only (the folder restored XDG_CONFIG_HOME).
    ResetActiveDeviceTable();

    ASSERT_EQ(run.code, kExitOk) << run.err;
    int userLines = 0;
    for (const std::string& line : Lines(run.out)) {
        const bool keyboardLine = line.find("320f:5021") != std::string::npos;
        const bool marked = line.find("(user table)") != std::string::npos;
        if (keyboardLine && line.find("ff1c:0092") != std::string::npos) {
            EXPECT_NE(line.find("keyboard (command) (user table)"), std::string::npos) << line;
            EXPECT_TRUE(line.starts_with("2 ")) << "numbered after the two mice: " << line;
        }
        if (keyboardLine && line.find("000c:0001") != std::string::npos) {
            EXPECT_NE(line.find("keyboard (input) (user table)"), std::string::npos) << line;
        }
        if (!keyboardLine) {
            EXPECT_FALSE(marked) << "shipped rows are not marked: " << line;
        }
        userLines += marked ? 1 : 0;
    }
    EXPECT_EQ(userLines, 2);
    EXPECT_NE(run.out.find("3 supported devices"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("devices.json: line 3 (row 2): \"productId\" missing; row skipped"),
              std::string::npos)
        << run.err;
}

TEST(CtlNumbers, ParsesDecimalAndHexWithinTheLimit) {
    struct Case {
        const char* text;
        uint32_t maximum;
        bool ok;
        uint32_t value;
    };
    const Case cases[] = {
        {"0", 10, true, 0},          {"128", 0xFFFF, true, 128},
        {"0x80", 0xFFFF, true, 128}, {"0XfF", 0xFFFF, true, 255},
        {"65536", 0xFFFF, false, 0}, {"0x", 10, false, 0},
        {"", 10, false, 0},          {"1e3", 5000, false, 0},
        {"ff", 0xFFFF, false, 0},    {"99999999999999999999", 0xFFFFFFFF, false, 0},
    };
    for (const Case& c : cases) {
        uint32_t value = 12345;
        EXPECT_EQ(ParseNumber(c.text, c.maximum, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

}  // namespace

namespace {

TEST(CtlOpenErrors, PermissionProblemsOnSupportedDevicesPointAtTheUdevRule) {
    const std::string line =
        R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="1a2b", ATTRS{idProduct}=="0c0d", TAG+="uaccess")";
    struct Case {
        int error;
        bool supported;
        std::string udevLine;
        std::string expected;
        bool hint;
    };
    const Case cases[] = {
        // The interface's ids known: the exact line, where it goes and how udev takes it up.
        {EACCES, true, line,
         "permission denied on /dev/hidraw3; add this line to /etc/udev/rules.d/70-kvelm-user.rules (as "
         "root), then run 'udevadm control --reload-rules && udevadm trigger':\n         " +
             line,
         true},
        {EACCES, true, "",
         "permission denied on /dev/hidraw3; run 'kvelmctl udev-rules' and put its lines in "
         "/etc/udev/rules.d/70-kvelm-user.rules",
         true},
        {EPERM, true, line, "permission denied on /dev/hidraw3", true},
        {EACCES, false, "", "permission denied on /dev/hidraw3", false},
        {ENOENT, true, line, "/dev/hidraw3 is gone", false},
        {EBUSY, true, line, "cannot open /dev/hidraw3: ", false},
    };
    for (const Case& c : cases) {
        const std::string text = DescribeOpenError("/dev/hidraw3", c.error, c.supported, c.udevLine);
        EXPECT_TRUE(text.starts_with(c.expected)) << text;
        EXPECT_EQ(text.find("70-kvelm-user.rules") != std::string::npos, c.hint) << text;
    }
}

}  // namespace
