// The name rules: letter case is ignored (beyond ASCII too) and generated names follow the
// patterns the user sees in the combo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/profile_names.h"

namespace {

using Names = std::vector<std::string>;

TEST(ProfileNames, EqualityIgnoresLetterCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"profile1", "PROFILE1", true},
        {"Game", "game", true},
        {"\xC3\x84rger", "\xC3\xA4RGER", true},                                          // Ärger / äRGER
        {"\xD0\x98\xD0\x93\xD0\xA0\xD0\x90", "\xD0\xB8\xD0\xB3\xD1\x80\xD0\xB0", true},  // ИГРА / игра
        {"\xE6\xB8\xB8\xE6\x88\x8F", "\xE6\xB8\xB8\xE6\x88\x8F", true},                  // 游戏
        {"Game", "Game ", false},
        {"Game", "Gam", false},
        {"a", "\xC3\xA1", false},  // a / á
        {"", "", true},
        // Broken UTF-8 bytes stand for themselves instead of reading past the text.
        {"\xC3", "\xC3", true},
        {"\xC3", "\xE3", false},
        {"x\xF0\x9F", "X\xF0\x9F", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProfileNamesEqual(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(ProfileNamesEqual(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

TEST(ProfileNames, GeneratedNamesSkipTakenOnesWithoutRegardToCase) {
    EXPECT_EQ(NewProfileName({}), "profile1");
    EXPECT_EQ(NewProfileName(Names{"profile1", "PROFILE2"}), "profile3");
    EXPECT_EQ(NewProfileName(Names{"profile2", "Profile3"}), "profile1");
    EXPECT_EQ(NewProfileName(Names{"profile1", "profile3"}), "profile2");

    EXPECT_EQ(CopyProfileName("Game", Names{"Game"}), "Game copy");
    EXPECT_EQ(CopyProfileName("Game", Names{"Game", "GAME COPY"}), "Game copy copy");
    EXPECT_EQ(CopyProfileName("Game copy", Names{"Game", "Game copy", "game copy copy"}),
              "Game copy copy copy");

    EXPECT_EQ(ImportProfileName("Work", Names{"Game"}), "Work");
    EXPECT_EQ(ImportProfileName("Work", Names{"work"}), "Work(1)");
    EXPECT_EQ(ImportProfileName("Work", Names{"Work", "Work(1)"}), "Work(1)(2)");
}

TEST(ProfileNames, PlainIdentifiersOnly) {
    for (const char* id : {"2024_03_07_09_05_02_045", "my profile", "a.b"})
        EXPECT_TRUE(IsPlainProfileId(id)) << id;
    for (const std::string& id :
         Names{"", ".", "..", "../x", "a/b", "/etc/passwd", ".hidden", std::string("a\0b", 3)}) {
        EXPECT_FALSE(IsPlainProfileId(id)) << id;
    }
}

}  // namespace
