// Matching the focused window against bindings, and when to switch and back.
#include <gtest/gtest.h>

#include <string>

#include "focus/focus_rules.h"

namespace {

FocusedWindow Window(std::string exe, std::string instance, std::string cls, std::string windows = {}) {
    return FocusedWindow{true, std::move(exe), std::move(instance), std::move(cls), std::move(windows)};
}

TEST(FocusRules, ProgramMatchesEachKindOfBinding) {
    const FocusedWindow xcalc = Window("/usr/bin/xcalc", "xcalc", "XCalc");
    const FocusedWindow wine = Window("/usr/lib/wine/wine64-preloader", "game.exe", "game.exe", "Game.EXE");
    struct Case {
        const char* binding;
        const FocusedWindow& window;
        bool matches;
    };
    const Case cases[] = {
        {"xcalc", xcalc, true},
        {"XCALC", xcalc, false},  // executable names are exact, as on the file system
        {"/usr/bin/xcalc", xcalc, true},
        {"/bin/xcalc", xcalc, false},
        {"usr/bin/xcalc", xcalc, false},
        {"class:XCalc", xcalc, true},
        {"class:xcalc", xcalc, true},
        {"class:XMessage", xcalc, false},
        {"class:", xcalc, false},
        {"game.exe", wine, true},  // Windows names ignore letter case
        {"GAME.exe", wine, true},
        {"wine64-preloader", wine, true},
        {"other.exe", wine, false},
        {"", xcalc, false},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgramMatches(c.binding, c.window), c.matches) << c.binding;
    EXPECT_FALSE(ProgramMatches("class:XCalc", FocusedWindow{}));
}

TEST(FocusRules, FirstBoundProfileWins) {
    const std::vector<std::vector<std::string>> programs = {{}, {"xmessage"}, {"class:XCalc"}, {"xcalc"}};
    EXPECT_EQ(BoundProfileFor(programs, Window("/usr/bin/xcalc", "xcalc", "XCalc")), 2);
    EXPECT_EQ(BoundProfileFor(programs, Window("/usr/bin/xmessage", "xmessage", "Xmessage")), 1);
    EXPECT_EQ(BoundProfileFor(programs, Window("/usr/bin/xterm", "xterm", "XTerm")), -1);
    EXPECT_EQ(BoundProfileFor(programs, FocusedWindow{}), -1);
}

TEST(FocusRules, WindowsProgramFromCommandLine) {
    using namespace std::string_literals;
    struct Case {
        std::string cmdline;
        std::string program;
    };
    const Case cases[] = {
        {"C:\\Games\\Big\\Game.exe\0-windowed\0"s, "Game.exe"},
        {"/usr/bin/wine\0/home/u/game/launcher.EXE\0"s, "launcher.EXE"},
        {"/usr/bin/xcalc\0"s, ""},
        {".exe\0"s, ""},
        {"C:\\dir\\.exe\0"s, ""},
        {"tool\0--log=x.exe.log\0first.exe"s, "first.exe"},
        {""s, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowsProgramFromCmdline(c.cmdline), c.program) << c.cmdline;
}

TEST(FocusRules, SwitchesToTheBoundProfileAndBack) {
    struct Step {
        int bound;
        int selected;
        int marked;
        int expected;
    };
    // Desk (0) selected; a bound program (2), another bound one (1), then an unbound window.
    const Step unmarked[] = {{-1, 0, -1, -1}, {2, 0, -1, 2}, {1, 2, -1, 1}, {-1, 1, -1, 0}, {-1, 0, -1, -1}};
    FocusFollowState state;
    for (const Step& s : unmarked)
        EXPECT_EQ(DecideFocusSwitch(state, s.bound, s.selected, s.marked), s.expected);

    // A marked return profile wins over the one selected before.
    const Step marked[] = {{2, 0, 3, 2}, {-1, 2, 3, 3}};
    FocusFollowState markedState;
    for (const Step& s : marked)
        EXPECT_EQ(DecideFocusSwitch(markedState, s.bound, s.selected, s.marked), s.expected);
}

TEST(FocusRules, LabelPrefersTheWindowsProgram) {
    EXPECT_EQ(FocusedProgramLabel(Window("/usr/bin/wine64", "x", "X", "game.exe")), "game.exe");
    EXPECT_EQ(FocusedProgramLabel(Window("/usr/bin/xcalc", "xcalc", "XCalc")), "xcalc");
    EXPECT_EQ(FocusedProgramLabel(Window("", "xcalc", "XCalc")), "xcalc");
}

}  // namespace
