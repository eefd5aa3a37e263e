// kvelmctl profiles and profile: the profile manager's buttons from the command line, through
// the built program against simulated devices, checked on the listing and on the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kvelmctl_run.h"
#include "temp_folder.h"

namespace {

constexpr const char* kKeyboard = "1";
constexpr const char* kPad = "2";

class CtlProfiles : public ::testing::Test {
protected:
    KvelmctlOutcome Run(const std::vector<std::string>& args) const {
        return RunKvelmctl(SimulatedUserEnvironment(home, "mouse,keyboard,pad"), args);
    }
    // Runs and expects `code`, and `text` on standard output (0) or standard error.
    void Expect(const std::vector<std::string>& args, int code, const std::string& text) const {
        const KvelmctlOutcome run = Run(args);
        std::string line;
        for (const std::string& arg : args) line += arg + " ";
        EXPECT_EQ(run.code, code) << line << "\n" << run.out << run.err;
        EXPECT_NE((code == 0 ? run.out : run.err).find(text), std::string::npos) << line << "\n"
                                                                                 << run.out << run.err;
    }
    TempFolder home;
};

TEST_F(CtlProfiles, TheManagersActionsChangeTheListAsTheWindowDoes) {
    const struct {
        std::vector<std::string> args;
        int code;
        std::string text;
    } steps[] = {
        {{"profiles", kKeyboard}, 0, "* 0  profile1  ("},
        {{"profile", kKeyboard, "new"}, 0, "created 'profile2'"},
        {{"profile", kKeyboard, "copy", "PROFILE1"}, 0, "copied 'profile1' as 'profile1 copy'"},
        {{"profile", kKeyboard, "rename", "profile1 copy", "Profile2"}, 2, "kvelmctl: "},
        {{"profile", kKeyboard, "rename", "profile1 copy", "Work"}, 0, "renamed 'profile1 copy' to 'Work'"},
        {{"profile", kKeyboard, "delete", "nothing"}, 2, "no profile named 'nothing'"},
        {{"profile", kKeyboard, "delete", "profile2"}, 0, "deleted 'profile2'"},
        {
            {"profiles", kKeyboard},
            0,
            "* 0  profile1  (",
        },
        {{"profiles", kKeyboard}, 0, "  1  Work  ("},
        {{"profile", kKeyboard, "select", "work"}, 0, "applied profile 'Work'"},
        {{"profiles", kKeyboard}, 0, "* 1  Work  ("},
        {{"profile", kKeyboard, "frobnicate"}, 2, "usage: kvelmctl profile"},
        {{"profiles", kPad}, 0, "* 0  profile1  ("},  // each kind has its own list
    };
    for (const auto& step : steps) Expect(step.args, step.code, step.text);
}

TEST_F(CtlProfiles, TheLastProfileIsNeverDeleted) {
    Expect({"profile", kPad, "delete", "profile1"}, 2, "kvelmctl: ");
    Expect({"profiles", kPad}, 0, "* 0  profile1  (");
}

TEST_F(CtlProfiles, ExportThenImportKeepsTheSettingsUnderAFreeName) {
    const std::string file = home.File("saved.json");
    Expect({"set", kPad, "lighting", "static", "--colour", "123456"}, 0, "saved in profile 'profile1'");
    Expect({"profile", kPad, "export", "profile1", file}, 0, "exported 'profile1' to " + file);
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    EXPECT_NE(ReadFileBytes(file).find("\"profilename\""), std::string::npos);
    Expect({"profile", kPad, "import", file}, 0, "imported 'profile1(1)'");
    Expect({"profile", kPad, "select", "profile1(1)"}, 0, "applied profile 'profile1(1)'");
    Expect({"settings", kPad}, 0, "colour:            #123456");
    Expect({"profile", kPad, "import", home.File("missing.json")}, 1, "kvelmctl: ");
}

}  // namespace
