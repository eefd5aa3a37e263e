// Creating, copying, renaming and deleting profiles: names, limits, identifiers, the
// selection, and what stays on disk when a write fails.
#include "profile_list_fixture.h"

namespace {

using ProfileListEdit = ProfileListFixture;
using Names = std::vector<std::string>;

TEST_F(ProfileListEdit, NewProfileSkipsTakenNamesAndKeepsTheSelection) {
    MakeProfiles({"profile1", "PROFILE2"});
    ASSERT_EQ(list_.Select(1), 1);
    const std::string selectedId = list_.SelectedId();

    ASSERT_EQ(list_.NewProfile(), kProfileDone);
    EXPECT_EQ(NamesOnDisk(), (Names{"profile1", "PROFILE2", "profile3"}));
    EXPECT_EQ(list_.SelectedIndex(), 1);
    EXPECT_EQ(list_.SelectedId(), selectedId);
    EXPECT_EQ(ListOnDisk()["profileselect"], 1);

    Json::Value expected = ParseJson(kMouseDefaults);
    expected["profilename"] = "profile3";
    expected["profileUUID"] = list_.Entries()[2].id;
    EXPECT_EQ(ProfileOnDisk(2), expected);
}

TEST_F(ProfileListEdit, NewProfileStopsAtFiftyWhileCopyAndImportGoOn) {
    ASSERT_EQ(list_.Init(), kProfileDone);
    for (int i = 1; i < kMaxNewProfiles; ++i) ASSERT_EQ(list_.NewProfile(), kProfileDone) << i;
    ASSERT_EQ(list_.Count(), 50);
    EXPECT_EQ(list_.Entries()[49].name, "profile50");
    const std::string listBytes = Slurp(ListPath());

    EXPECT_EQ(list_.NewProfile(), kProfileRefused);
    EXPECT_FALSE(list_.LastError().empty());
    EXPECT_EQ(Slurp(ListPath()), listBytes);
    EXPECT_EQ(ProfileFiles().size(), 50u);

    ASSERT_EQ(list_.CopyProfile(0), kProfileDone);
    EXPECT_EQ(list_.Entries()[50].name, "profile1 copy");
    ASSERT_EQ(list_.ImportProfile(list_.ProfilePathAt(1)), kProfileDone);
    EXPECT_EQ(list_.Entries()[51].name, "profile2(1)");
    EXPECT_EQ(ListOnDisk()["profilelist"].size(), 52u);
    EXPECT_EQ(list_.NewProfile(), kProfileRefused);
}

TEST_F(ProfileListEdit, ProfilesMadeWithinOneMillisecondGetTheirOwnFiles) {
    frozen_ = true;
    ASSERT_EQ(list_.Init(), kProfileDone);
    // A stray file already uses the next stamp.
    Put(list_.UserFolder() + "2024_03_07_09_05_02_046.Json", "{}");
    ASSERT_EQ(list_.NewProfile(), kProfileDone);
    ASSERT_EQ(list_.CopyProfile(0), kProfileDone);
    ASSERT_EQ(list_.ImportProfile(list_.ProfilePathAt(0)), kProfileDone);

    std::vector<std::string> ids;
    for (const ProfileEntry& entry : list_.Entries()) ids.push_back(entry.id);
    EXPECT_EQ(ids, (Names{"2024_03_07_09_05_02_045", "2024_03_07_09_05_02_047", "2024_03_07_09_05_02_048",
                          "2024_03_07_09_05_02_049"}));
    EXPECT_EQ(Slurp(list_.UserFolder() + "2024_03_07_09_05_02_046.Json"), "{}");
    for (int i = 0; i < list_.Count(); ++i) EXPECT_EQ(ProfileOnDisk(i)["profileUUID"], ids[i]);
}

TEST_F(ProfileListEdit, DeleteEndsOnAnExistingProfile) {
    struct Case {
        int selected;
        int removed;
        int selectedAfter;
        Names namesAfter;
    } cases[] = {
        {0, 0, 0, {"B", "C"}},  // the first of three
        {2, 2, 1, {"A", "B"}},  // the third
        {1, 1, 0, {"A", "C"}},  // the middle one
        {2, 0, 1, {"B", "C"}},  // another one before the selected profile: C stays selected
        {0, 2, 0, {"A", "B"}},  // one after it: A stays selected
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "selected " << c.selected << ", removed " << c.removed);
        std::filesystem::remove_all(DeviceUserFolder("mouse"));
        Configure(list_, 2, "mouse");
        MakeProfiles({"A", "B", "C"});
        list_.Select(c.selected);
        const auto before = list_.Entries();

        ASSERT_EQ(list_.DeleteProfile(c.removed), kProfileDone);
        EXPECT_EQ(NamesOnDisk(), c.namesAfter);
        EXPECT_EQ(ListOnDisk()["profileselect"], c.selectedAfter);
        EXPECT_EQ(list_.SelectedIndex(), c.selectedAfter);
        EXPECT_EQ(list_.SelectedId(), list_.Entries()[c.selectedAfter].id);
        EXPECT_TRUE(Exists(list_.SelectedProfilePath()));
        EXPECT_FALSE(Exists(list_.ProfilePathOf(before[c.removed].id)));
        for (int i = 0; i < list_.Count(); ++i) {
            EXPECT_EQ(ListOnDisk()["profilelist"][i]["profileUUID"], list_.Entries()[i].id);
            EXPECT_TRUE(Exists(list_.ProfilePathAt(i)));
        }
    }
}

TEST_F(ProfileListEdit, DeleteRefusesTheLastProfileAndBadIndexes) {
    ASSERT_EQ(list_.Init(), kProfileDone);
    const std::string listBytes = Slurp(ListPath());
    for (int index : {0, -1, 1}) {
        EXPECT_EQ(list_.DeleteProfile(index), kProfileRefused) << index;
        EXPECT_FALSE(list_.LastError().empty());
    }
    EXPECT_EQ(Slurp(ListPath()), listBytes);
    EXPECT_TRUE(Exists(list_.SelectedProfilePath()));
}

TEST_F(ProfileListEdit, CopyTakesTheSettingsUnderANewName) {
    MakeProfiles({"Game"});
    Json::Value game = ProfileOnDisk(0);
    game["Device"][0]["LightInfo"]["Light"] = 9;
    Put(list_.ProfilePathAt(0), StyledJsonText(game));

    ASSERT_EQ(list_.CopyProfile(0), kProfileDone);
    ASSERT_EQ(list_.CopyProfile(0), kProfileDone);
    EXPECT_EQ(NamesOnDisk(), (Names{"Game", "Game copy", "Game copy copy"}));
    EXPECT_EQ(list_.SelectedIndex(), 0);
    EXPECT_EQ(ListOnDisk()["profileselect"], 0);
    for (int i : {1, 2}) {
        Json::Value expected = game;
        expected["profilename"] = list_.Entries()[i].name;
        expected["profileUUID"] = list_.Entries()[i].id;
        EXPECT_EQ(ProfileOnDisk(i), expected) << i;
    }

    // A profile whose file went missing is copied as the device would show it: the defaults.
    std::filesystem::remove(list_.ProfilePathAt(1));
    ASSERT_EQ(list_.CopyProfile(1), kProfileDone);
    EXPECT_EQ(list_.Entries()[3].name, "Game copy copy copy");
    EXPECT_EQ(ProfileOnDisk(3)["Device"], ParseJson(kMouseDefaults)["Device"]);
    EXPECT_EQ(list_.CopyProfile(4), kProfileRefused);
}

TEST_F(ProfileListEdit, RenameRulesAndFiles) {
    MakeProfiles({"Game", "Work", "\xC3\x84rger"});
    struct Case {
        int index;
        std::string name;
        int result;
        Names namesAfter;
    } cases[] = {
        {1, "GAME", kProfileRefused, {"Game", "Work", "\xC3\x84rger"}},
        {0, "\xC3\xA4RGER", kProfileRefused, {"Game", "Work", "\xC3\x84rger"}},
        {1, "", kProfileRefused, {"Game", "Work", "\xC3\x84rger"}},
        {3, "Other", kProfileRefused, {"Game", "Work", "\xC3\x84rger"}},
        {0, "GAME", kProfileDone, {"GAME", "Work", "\xC3\x84rger"}},  // its own name in other letters
        {1, "Office", kProfileDone, {"GAME", "Office", "\xC3\x84rger"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(list_.RenameProfile(c.index, c.name), c.result);
        EXPECT_EQ(c.result == kProfileDone, list_.LastError().empty());
        EXPECT_EQ(NamesOnDisk(), c.namesAfter);
        EXPECT_EQ(NamesInMemory(), c.namesAfter);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(ProfileOnDisk(i)["profilename"], c.namesAfter[i]);
    }
    EXPECT_EQ(ProfileOnDisk(1)["Device"], ParseJson(kMouseDefaults)["Device"]);
}

TEST_F(ProfileListEdit, FailedWritesChangeNothing) {
    // Without default data the profile files are small and the list with its entries large,
    // so a byte limit between the two lets profile files through and stops the list.
    std::filesystem::remove(DefaultDataFile(ProgramFolder(), "mouse"));
    MakeProfiles({"A", "B", "C", "D", "E"});
    const std::string listBytes = Slurp(ListPath());
    const auto files = ProfileFiles();
    const std::string firstProfile = Slurp(list_.ProfilePathAt(0));
    ASSERT_LT(firstProfile.size(), 150u);
    ASSERT_GT(listBytes.size(), 300u);

    SetAtomicWriteByteLimitForTest(200);
    EXPECT_EQ(list_.NewProfile(), kProfileFileError);
    EXPECT_EQ(list_.CopyProfile(0), kProfileFileError);
    EXPECT_EQ(list_.ImportProfile(list_.ProfilePathAt(1)), kProfileFileError);
    EXPECT_EQ(list_.RenameProfile(0, "Z"), kProfileFileError);
    EXPECT_EQ(list_.DeleteProfile(0), kProfileFileError);
    EXPECT_FALSE(list_.LastError().empty());
    SetAtomicWriteByteLimitForTest(0);
    EXPECT_EQ(list_.ResetProfile(0), kProfileFileError);
    SetAtomicWriteByteLimitForTest(-1);

    EXPECT_EQ(Slurp(ListPath()), listBytes);
    EXPECT_EQ(ProfileFiles(), files);
    EXPECT_EQ(Slurp(list_.ProfilePathAt(0)), firstProfile);
    EXPECT_EQ(NamesInMemory(), (Names{"A", "B", "C", "D", "E"}));

    // Selecting still switches in memory when the list cannot be stored, and says so.
    SetAtomicWriteByteLimitForTest(0);
    EXPECT_EQ(list_.Select(3), 3);
    EXPECT_EQ(list_.SelectedId(), list_.Entries()[3].id);
    EXPECT_FALSE(list_.LastError().empty());
    EXPECT_EQ(Slurp(ListPath()), listBytes);
}

}  // namespace
