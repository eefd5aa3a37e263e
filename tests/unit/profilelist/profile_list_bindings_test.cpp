// Programs bound to profiles and the return profile: kept in the list file, read back, and
// an older list without them left exactly as it was.
#include "profile_list_fixture.h"

namespace {

using ProfileListBindings = ProfileListFixture;

std::vector<std::string> ProgramsOnDisk(const Json::Value& list, int index) {
    std::vector<std::string> programs;
    for (const Json::Value& p : list["profilelist"][index]["profileprograms"])
        programs.push_back(p.asString());
    return programs;
}

TEST_F(ProfileListBindings, BindingsAreWrittenToTheListAndReadBack) {
    MakeProfiles({"Desk", "Game", "Other"});
    ASSERT_EQ(list_.BindProgram(1, "  game.exe "), kProfileDone);
    ASSERT_EQ(list_.BindProgram(1, "/usr/bin/xcalc"), kProfileDone);
    ASSERT_EQ(list_.BindProgram(2, "class:XMessage"), kProfileDone);
    ASSERT_EQ(list_.SetReturnProfile(0), kProfileDone);

    const Json::Value disk = ListOnDisk();
    EXPECT_EQ(ProgramsOnDisk(disk, 1), (std::vector<std::string>{"game.exe", "/usr/bin/xcalc"}));
    EXPECT_EQ(ProgramsOnDisk(disk, 2), (std::vector<std::string>{"class:XMessage"}));
    // A profile without programs carries no key at all.
    EXPECT_FALSE(disk["profilelist"][0].isMember("profileprograms"));
    EXPECT_EQ(disk["profilereturn"].asString(), list_.Entries()[0].id);

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    EXPECT_EQ(again.ProgramsAt(1), (std::vector<std::string>{"game.exe", "/usr/bin/xcalc"}));
    EXPECT_EQ(again.ProgramsAt(2), (std::vector<std::string>{"class:XMessage"}));
    EXPECT_TRUE(again.ProgramsAt(0).empty());
    EXPECT_EQ(again.ReturnIndex(), 0);
}

TEST_F(ProfileListBindings, ListWithoutBindingsIsRewrittenByteForByte) {
    MakeProfiles({"Desk", "Game"});
    const std::string before = Slurp(ListPath());
    ASSERT_EQ(before.find("profileprograms"), std::string::npos);
    ASSERT_EQ(before.find("profilereturn"), std::string::npos);
    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    EXPECT_EQ(Slurp(ListPath()), before);
    EXPECT_EQ(again.ReturnIndex(), -1);

    // And a list with bindings survives a load unchanged as well.
    ASSERT_EQ(again.BindProgram(1, "game.exe"), kProfileDone);
    const std::string bound = Slurp(ListPath());
    CProfileList third;
    Configure(third, 2, "mouse");
    ASSERT_EQ(third.Init(), kProfileDone);
    EXPECT_EQ(Slurp(ListPath()), bound);
}

TEST_F(ProfileListBindings, RefusedBindingsChangeNothing) {
    MakeProfiles({"Desk", "Game"});
    ASSERT_EQ(list_.BindProgram(1, "game.exe"), kProfileDone);
    const std::string before = Slurp(ListPath());
    struct Case {
        int index;
        std::string program;
    };
    const Case cases[] = {
        {1, "game.exe"},   // already bound here
        {0, "game.exe"},   // bound to another profile: one program, one profile
        {0, "   "},        // empty
        {0, "class:"},     // a class with no name
        {0, "bad\nname"},  // control character
        {5, "other.exe"},  // no such profile
        {0, std::string(5000, 'a')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list_.BindProgram(c.index, c.program), kProfileRefused) << c.program;
        EXPECT_FALSE(list_.LastError().empty());
    }
    EXPECT_EQ(list_.UnbindProgram(0, "game.exe"), kProfileRefused);
    EXPECT_EQ(list_.SetReturnProfile(2), kProfileRefused);
    EXPECT_EQ(Slurp(ListPath()), before);
    EXPECT_EQ(list_.ProgramsAt(1), (std::vector<std::string>{"game.exe"}));
}

TEST_F(ProfileListBindings, UnbindAndDeleteRemoveBindings) {
    MakeProfiles({"Desk", "Game", "Other"});
    ASSERT_EQ(list_.BindProgram(1, "game.exe"), kProfileDone);
    ASSERT_EQ(list_.BindProgram(2, "tool"), kProfileDone);
    ASSERT_EQ(list_.SetReturnProfile(2), kProfileDone);
    ASSERT_EQ(list_.UnbindProgram(1, "game.exe"), kProfileDone);
    EXPECT_FALSE(ListOnDisk()["profilelist"][1].isMember("profileprograms"));

    ASSERT_EQ(list_.DeleteProfile(2), kProfileDone);
    const Json::Value disk = ListOnDisk();
    EXPECT_FALSE(disk.isMember("profilereturn"));
    EXPECT_EQ(list_.ReturnIndex(), -1);
    // The program freed by the deleted profile can be bound again.
    EXPECT_EQ(list_.BindProgram(0, "tool"), kProfileDone);
}

TEST_F(ProfileListBindings, FailedWriteKeepsOldBindings) {
    MakeProfiles({"Desk", "Game"});
    SetAtomicWriteByteLimitForTest(0);
    EXPECT_EQ(list_.BindProgram(1, "game.exe"), kProfileFileError);
    EXPECT_EQ(list_.SetReturnProfile(1), kProfileFileError);
    SetAtomicWriteByteLimitForTest(-1);
    EXPECT_TRUE(list_.ProgramsAt(1).empty());
    EXPECT_EQ(list_.ReturnIndex(), -1);
}

TEST_F(ProfileListBindings, HandEditedBindingsAreCleanedOnLoad) {
    MakeProfiles({"Desk", "Game"});
    Json::Value disk = ListOnDisk();
    disk["profilelist"][0]["profileprograms"].append("a.exe");
    disk["profilelist"][0]["profileprograms"].append(7);
    disk["profilelist"][0]["profileprograms"].append("");
    disk["profilelist"][1]["profileprograms"].append("a.exe");  // a repeat of profile 0's
    disk["profilelist"][1]["profileprograms"].append("b.exe");
    disk["profilereturn"] = "no such profile";
    Put(ListPath(), StyledJsonText(disk));

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    EXPECT_EQ(again.ProgramsAt(0), (std::vector<std::string>{"a.exe"}));
    EXPECT_EQ(again.ProgramsAt(1), (std::vector<std::string>{"b.exe"}));
    EXPECT_EQ(again.ReturnIndex(), -1);
}

}  // namespace
