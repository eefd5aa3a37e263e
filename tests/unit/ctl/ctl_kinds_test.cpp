// Every kvelmctl command on every device kind, through the built program against one
// simulated device of each kind: what it prints, or how it refuses and with which code. The
// kind comes from the device table; the simulated devices keep their memory in the test's
// folder, so a second run sees what the first wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kvelmctl_run.h"
#include "temp_folder.h"

namespace {

// Device indexes in the order 'list' shows them.
constexpr const char* kMouse = "0";
constexpr const char* kKeyboard = "1";
constexpr const char* kPad = "2";
constexpr const char* kHeadset = "3";

class CtlKinds : public ::testing::Test {
protected:
    KvelmctlOutcome Run(const std::vector<std::string>& args) const {
        return RunKvelmctl(SimulatedUserEnvironment(home, "mouse,keyboard,pad,headset"), args);
    }
    TempFolder home;
};

struct Case {
    std::vector<std::string> args;
    int code;
    std::string expected;  // on standard output for 0, on standard error otherwise
};

void Check(const Case& c, const KvelmctlOutcome& run) {
    std::string line;
    for (const std::string& arg : c.args) line += arg + " ";
    EXPECT_EQ(run.code, c.code) << line << "\n" << run.out << run.err;
    const std::string& text = c.code == 0 ? run.out : run.err;
    EXPECT_NE(text.find(c.expected), std::string::npos) << line << "\n" << text;
}

TEST_F(CtlKinds, EachCommandOnEachKindAnswersOrRefusesNamingTheKind) {
    const Case cases[] = {
        {{"info", kMouse}, 0, "information block:"},
        {{"info", kKeyboard}, 0, "information block:"},
        {{"info", kPad}, 0, "information block:"},
        {{"info", kHeadset}, 0, "information block:"},
        {{"settings", kMouse}, 0, "polling rate:      1000 Hz"},
        {{"settings", kKeyboard}, 0, "lighting mode:     static (3)"},
        {{"settings", kKeyboard}, 0, "polling rate:      500 Hz"},
        {{"settings", kKeyboard}, 0, "W lock:            off"},
        {{"settings", kPad}, 0, "lighting mode:     breathing (2)"},
        {{"settings", kPad}, 0, "colour:            #ff0000"},
        {{"settings", kHeadset}, 0, "lighting mode:     colour-wheel (1)"},
        {{"settings", kHeadset}, 0, "colour:            #0080ff"},
        {{"settings", kKeyboard, "--kind", "keyboard"}, 0, "W lock:"},
        {{"settings", kMouse, "--kind", "pad"}, 2, "is a mouse, not a pad"},
        {{"settings", kPad, "--kind", "keyboard"}, 2, "is a pad, not a keyboard"},
        {{"apply", kMouse}, 0, "applied profile 'profile1'"},
        {{"apply", kKeyboard}, 0, "applied profile 'profile1'"},
        {{"apply", kPad}, 0, "applied profile 'profile1'"},
        {{"apply", kHeadset}, 0, "applied profile 'profile1'"},
        {{"keys", kKeyboard}, 2, "is a keyboard: this command is for a mouse"},
        {{"gun", kPad, "list"}, 2, "is a pad: this command is for a mouse"},
        {{"assign", kHeadset, "left", "key:a"}, 2, "is a headset: this command is for a mouse"},
        {{"set", kPad, "rate", "500"}, 2, "set rate does not apply to a pad"},
        {{"set", kHeadset, "dpi", "1", "800"}, 2, "set dpi does not apply to a headset"},
        {{"set", kKeyboard, "dpi", "1", "800"}, 2, "set dpi does not apply to a keyboard"},
        {{"set", kKeyboard, "rate", "2000"}, 2, "rate HZ (HZ: 125, 250, 500, 1000)"},
        {{"set", kKeyboard, "wlock", "maybe"}, 2, "wlock on|off"},
        {{"set", kPad, "lighting", "no-such-mode"}, 2, "unknown lighting mode 'no-such-mode'"},
        {{"set", kPad, "mic", "40"}, 2, "set mic does not apply to a pad"},
        {{"set", kMouse, "wlock", "on"}, 2, "set wlock does not apply to a mouse"},
        {{"set", kHeadset, "mic", "101"}, 2, "mic LEVEL (0-100)"},
        {{"set", kHeadset, "eq", "13"}, 2, "eq PRESET (1-12)"},
        {{"settings", kHeadset}, 0, "equaliser:"},
        {{"set", kHeadset, "mic-mute", "on"}, 0, "mic-mute: on"},
        {{"set", kHeadset, "monitor-mute", "off"}, 0, "monitor-mute: off"},
    };
    for (const Case& c : cases) Check(c, Run(c.args));
}

TEST_F(CtlKinds, ApplyAllReachesEveryKind) {
    const KvelmctlOutcome run = Run({"apply", "--all"});
    EXPECT_EQ(run.code, 0) << run.err;
    for (const char* product : {"pid_2002", "pid_5021", "pid_5022", "pid_5023"})
        EXPECT_NE(run.out.find(product), std::string::npos) << product;
    size_t applied = 0;
    for (size_t at = run.out.find("applied profile"); at != std::string::npos;
         at = run.out.find("applied profile", at + 1))
        ++applied;
    EXPECT_EQ(applied, 4u) << run.out;
}

// A value set by one kvelmctl is what the next kvelmctl reads from the device.
TEST_F(CtlKinds, ASettingWrittenByOneRunIsReadByTheNext) {
    struct Written {
        std::vector<std::string> set;
        const char* device;
        std::string shown;
    };
    const Written cases[] = {
        {{"set", kMouse, "rate", "250"}, kMouse, "polling rate:      250 Hz"},
        {{"set", kMouse, "dpi", "2", "1600"}, kMouse, "  2: 1600 DPI"},
        {{"set", kKeyboard, "rate", "1000"}, kKeyboard, "polling rate:      1000 Hz"},
        {{"set", kKeyboard, "wlock", "on"}, kKeyboard, "W lock:            on"},
        {{"set", kKeyboard, "winlock", "on"}, kKeyboard, "Windows key lock:  on"},
        {{"set", kKeyboard, "lighting", "breathing", "--colour", "00ff00"},
         kKeyboard,
         "lighting mode:     breathing (2)"},
        {{"set", kPad, "lighting", "static", "--colour", "123456", "--brightness", "2"},
         kPad,
         "colour:            #123456"},
        {{"set", kHeadset, "lighting", "static", "--colour", "#abcdef"},
         kHeadset,
         "colour:            #abcdef"},
        {{"set", kHeadset, "mic", "40"}, kHeadset, "microphone:        40 ("},
        {{"set", kHeadset, "monitor", "25"}, kHeadset, "monitor:           25 ("},
        {{"set", kHeadset, "eq", "3"}, kHeadset, "equaliser:         preset 3"},
    };
    for (const Written& c : cases) {
        Check({c.set, 0, "saved in profile 'profile1'"}, Run(c.set));
        Check({{"settings", c.device}, 0, c.shown}, Run({"settings", c.device}));
    }
    // The monitor and equaliser runs attached the headset's sound system again; the
    // microphone level an earlier run set is still what it holds.
    Check({{"settings", kHeadset}, 0, "microphone:        40 ("}, Run({"settings", kHeadset}));
}

}  // namespace
