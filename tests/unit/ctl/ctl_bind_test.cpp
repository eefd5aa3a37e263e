// kvelmctl bind and unbind: the list file of the device's profiles carries the bindings the
// program follows the focus with.
#include <gtest/gtest.h>
#include <json/json.h>

#include <cstdlib>
#include <sstream>

#include "ctl_mouse_fixture.h"
#include "ctl/ctl_bindings.h"
#include "profiles/profile_list.h"
#include "profiles/profile_paths.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "temp_folder.h"
#include "util/debug_log.h"
#include "util/json_file.h"

namespace {

using Outcome = CtlOutcome;

class CtlBindTest : public CtlMouseTest {
protected:
    static Json::Value ListOnDisk() {
        return CJsonFile().ReadJsonFile(ProfileListFile(DeviceUserFolder("mouse")));
    }
};

TEST_F(CtlBindTest, BindAndUnbindChangeTheListFile) {
    Outcome run = Ctl({"bind", "0", "profile1", "game.exe"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "profile1: game.exe\n");
    run = Ctl({"bind", "0", "PROFILE1", "class:XCalc"});  // names ignore letter case
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "profile1: game.exe, class:XCalc\n");
    Json::Value programs = ListOnDisk()["profilelist"][0]["profileprograms"];
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].asString(), "game.exe");
    EXPECT_EQ(programs[1].asString(), "class:XCalc");
    run = Ctl({"profiles", "0"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("profile1  ("), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(")  programs: game.exe, class:XCalc\n"), std::string::npos) << run.out;

    run = Ctl({"unbind", "0", "profile1", "game.exe"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "profile1: class:XCalc\n");
    run = Ctl({"unbind", "0", "profile1", "class:XCalc"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "profile1: -\n");
    EXPECT_FALSE(ListOnDisk()["profilelist"][0].isMember("profileprograms"));
}

TEST_F(CtlBindTest, RefusalsFailWithTheReason) {
    ASSERT_EQ(Ctl({"bind", "0", "profile1", "game.exe"}).code, kExitOk);
    const struct {
        std::vector<std::string> args;
        const char* says;
        int code;  // 2 for a mistake on the command line, 1 for a device that is not there
    } cases[] = {
        {{"bind", "0", "profile1", "game.exe"}, "already bound", kExitUsage},
        {{"bind", "0", "nosuch", "x.exe"}, "profile not found", kExitUsage},
        {{"unbind", "0", "profile1", "other.exe"}, "not bound", kExitUsage},
        {{"bind", "7", "profile1", "x.exe"}, "no such device", kExitFailure},
        {{"bind", "0", "profile1", " "}, "names no program", kExitUsage},
    };
    for (const auto& c : cases) {
        const Outcome run = Ctl(c.args);
        EXPECT_EQ(run.code, c.code) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_EQ(ListOnDisk()["profilelist"][0]["profileprograms"].size(), 1u);
}

TEST_F(CtlBindTest, BindingsTextNamesTheReturnProfile) {
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(KVELM_TEST_PROGRAM_DIR, "mouse");
    ASSERT_EQ(list.Init(), kProfileDone);
    ASSERT_EQ(list.NewProfile(), kProfileDone);
    EXPECT_EQ(ProfileBindingsText(list, 0), "-");
    ASSERT_EQ(list.SetReturnProfile(0), kProfileDone);
    ASSERT_EQ(list.BindProgram(1, "xcalc"), kProfileDone);
    EXPECT_EQ(ProfileBindingsText(list, 0), "return profile");
    EXPECT_EQ(ProfileBindingsText(list, 1), "xcalc");
    ASSERT_EQ(list.BindProgram(0, "xterm"), kProfileDone);
    EXPECT_EQ(ProfileBindingsText(list, 0), "xterm, return profile");
}

}  // namespace
