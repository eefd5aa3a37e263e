// Loading and creating the profile list: the first start, damaged list files, the stored
// selection.
#include "profile_list_fixture.h"
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "profiles/profile_names.h"

namespace {

using ProfileListInit = ProfileListFixture;

TEST_F(ProfileListInit, FirstStartCreatesListAndDefaultProfile) {
    ASSERT_EQ(list_.Init(), kProfileDone);
    const std::string id = "2024_03_07_09_05_02_045";

    Json::Value entry(Json::objectValue);
    entry["profilename"] = "profile1";
    entry["profileUUID"] = id;
    entry["profileislink"] = 0;
    entry["profilelinkmame"] = "";
    Json::Value expectedList(Json::objectValue);
    expectedList["profilelist"].append(entry);
    expectedList["profileselect"] = 0;
    EXPECT_EQ(Slurp(ListPath()), StyledJsonText(expectedList));

    Json::Value expectedProfile = ParseJson(kMouseDefaults);
    expectedProfile["profilename"] = "profile1";
    expectedProfile["profileUUID"] = id;
    const std::string profilePath = list_.UserFolder() + id + ".Json";
    EXPECT_EQ(Slurp(profilePath), StyledJsonText(expectedProfile));

    EXPECT_EQ(list_.UserFolder(), (root_ / "data" / "KV_ELM Gaming mouse" / "mouse").string() + "/");
    EXPECT_EQ(list_.SelectedIndex(), 0);
    EXPECT_EQ(list_.SelectedId(), id);
    EXPECT_EQ(list_.SelectedProfilePath(), profilePath);
}

TEST_F(ProfileListInit, SecondInitKeepsTheStoredProfiles) {
    MakeProfiles({"Game", "Work", "Office"});
    ASSERT_EQ(list_.Select(2), 2);
    const auto entries = list_.Entries();

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    ASSERT_EQ(again.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(again.Entries()[i].name, entries[i].name);
        EXPECT_EQ(again.Entries()[i].id, entries[i].id);
    }
    EXPECT_EQ(again.SelectedIndex(), 2);
    EXPECT_EQ(again.SelectedId(), entries[2].id);
    EXPECT_EQ(ProfileFiles().size(), 3u);
}

TEST_F(ProfileListInit, MissingDefaultDataGivesOnlyTheEnvelope) {
    std::filesystem::remove(DefaultDataFile(ProgramFolder(), "mouse"));
    ASSERT_EQ(list_.Init(), kProfileDone);
    Json::Value expected(Json::objectValue);
    expected["profilename"] = "profile1";
    expected["profileUUID"] = list_.SelectedId();
    EXPECT_EQ(ProfileOnDisk(0), expected);
}

TEST_F(ProfileListInit, StoredSelectionOutsideTheListSelectsTheFirstProfile) {
    MakeProfiles({"A", "B", "C"});
    const Json::Value list = ListOnDisk();
    struct Case {
        Json::Value stored;
        int selected;
    } cases[] = {{5, 0}, {3, 0}, {-1, 0}, {2, 2}, {"two", 0}, {Json::Value(), 0}};
    for (const Case& c : cases) {
        Json::Value edited = list;
        edited["profileselect"] = c.stored;
        Put(ListPath(), StyledJsonText(edited));
        CProfileList again;
        Configure(again, 2, "mouse");
        ASSERT_EQ(again.Init(), kProfileDone) << c.stored;
        EXPECT_EQ(again.SelectedIndex(), c.selected) << c.stored;
        EXPECT_EQ(again.SelectedId(), list_.Entries()[c.selected].id) << c.stored;
        EXPECT_EQ(ListOnDisk()["profileselect"], c.selected) << c.stored;
    }
}

TEST_F(ProfileListInit, UnreadableListIsKeptAsideAndReplaced) {
    const std::string folder = DeviceUserFolder("mouse");
    Put(ProfileListFile(folder), "{ this is not JSON");
    ASSERT_EQ(list_.Init(), kProfileDone);
    EXPECT_EQ(Slurp(ProfileListFile(folder) + ".bad"), "{ this is not JSON");
    EXPECT_EQ(NamesOnDisk(), std::vector<std::string>{"profile1"});
}

TEST_F(ProfileListInit, LostListIsRebuiltFromTheProfileFiles) {
    MakeProfiles({"Game", "Work"});
    const auto entries = list_.Entries();
    std::filesystem::remove(ListPath());
    // A file of another program and a profile file renamed by hand are not taken.
    Put(list_.UserFolder() + "notes.Json", R"({"profilename": "x"})");
    Put(list_.UserFolder() + "renamed.Json", StyledJsonText(ProfileOnDisk(0)));

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Entries()[0].id, entries[0].id);
    EXPECT_EQ(again.Entries()[0].name, "Game");
    EXPECT_EQ(again.Entries()[1].id, entries[1].id);
    EXPECT_EQ(again.Entries()[1].name, "Work");
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::string>{"Game", "Work"}));
}

TEST_F(ProfileListInit, IdentifiersThatAreNoPlainFileOrRepeatedGetFilesOfTheirOwn) {
    const std::string folder = DeviceUserFolder("mouse");
    Put((root_ / "data" / "outside.Json").string(), R"({"keep": true})");
    Put(folder + "same.Json", R"({"profilename": "A", "profileUUID": "same", "Device": [{"Light": 7}]})");
    Put(ProfileListFile(folder), R"({"profilelist": [
        {"profilename": "A", "profileUUID": "same"},
        {"profilename": "B", "profileUUID": "same"},
        {"profilename": "C", "profileUUID": "../../outside"},
        7,
        {"profilename": "D", "profileUUID": ""}], "profileselect": 1})");
    ASSERT_EQ(list_.Init(), kProfileDone);
    ASSERT_EQ(NamesInMemory(), (std::vector<std::string>{"A", "B", "C", "D"}));
    std::set<std::string> ids;
    for (const ProfileEntry& entry : list_.Entries()) {
        EXPECT_TRUE(IsPlainProfileId(entry.id)) << entry.id;
        EXPECT_TRUE(Exists(list_.ProfilePathOf(entry.id))) << entry.id;
        ids.insert(entry.id);
    }
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(list_.Entries()[0].id, "same");
    // The repeated entry took a copy of the shared settings.
    EXPECT_EQ(ProfileOnDisk(1)["Device"][0]["Light"], 7);
    EXPECT_EQ(ProfileOnDisk(1)["profilename"], "B");
    EXPECT_EQ(ListOnDisk()["profilelist"][1]["profileUUID"], list_.Entries()[1].id);

    // Deleting one of them no longer takes the other's file, nor anything outside.
    ASSERT_EQ(list_.DeleteProfile(1), kProfileDone);
    ASSERT_EQ(list_.DeleteProfile(1), kProfileDone);
    EXPECT_TRUE(Exists(folder + "same.Json"));
    EXPECT_TRUE(Exists((root_ / "data" / "outside.Json").string()));
}

// A list repeating one identifier hundreds of times (a script gone wrong): the start makes
// no more profiles than a device keeps, keeps the damaged list once with a message, and the
// next start finds nothing left to repair.
TEST_F(ProfileListInit, ManyRepeatedIdentifiersStopAtTheProfileLimit) {
    const std::string folder = DeviceUserFolder("mouse");
    Put(folder + "same.Json", R"({"profilename": "P0", "profileUUID": "same", "Device": [{"Light": 7}]})");
    std::string text = R"({"profilelist": [)";
    for (int i = 0; i < 400; ++i)
        text += (i ? "," : "") + std::string(R"({"profilename": "P)") + std::to_string(i) +
                R"(", "profileUUID": "same"})";
    text += R"(], "profileselect": 0})";
    Put(ProfileListFile(folder), text);
    frozen_ = true;  // every new identifier is searched from the same instant

    ASSERT_EQ(list_.Init(), kProfileDone);
    EXPECT_EQ(list_.Count(), kMaxNewProfiles);
    EXPECT_EQ(ProfileFiles().size(), static_cast<size_t>(kMaxNewProfiles));
    EXPECT_EQ(ProfileOnDisk(kMaxNewProfiles - 1)["Device"][0]["Light"], 7);
    EXPECT_NE(list_.LastError().find("350 left out"), std::string::npos) << list_.LastError();
    EXPECT_NE(list_.LastError().find("kept as " + ListPath() + ".bad."), std::string::npos)
        << list_.LastError();
    EXPECT_EQ(Slurp(ListPath() + ".bad"), text);

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    EXPECT_EQ(again.Count(), kMaxNewProfiles);
    EXPECT_EQ(again.LastError(), "");
    EXPECT_EQ(ProfileFiles().size(), static_cast<size_t>(kMaxNewProfiles));
    EXPECT_FALSE(Exists(ListPath() + ".bad.1")) << "the damaged list is kept once";
}

TEST_F(ProfileListInit, TextThatIsNotUtf8KeepsTheProfile) {
    // A list edited under a Latin-1 locale: the name and the identifier carry byte 0xE9.
    const std::string folder = DeviceUserFolder("mouse");
    const std::string oldId = "caf\xE9";
    Put(folder + oldId + ".Json",
        "{\"profilename\": \"Caf\xE9\", \"profileUUID\": \"caf\xE9\", \"Device\": [{\"Light\": 7}]}");
    Put(ProfileListFile(folder),
        "{\"profilelist\": [{\"profilename\": \"Caf\xE9\", \"profileUUID\": \"caf\xE9\"}], "
        "\"profileselect\": 0}");
    ASSERT_EQ(list_.Init(), kProfileDone);
    ASSERT_EQ(list_.Count(), 1);
    EXPECT_EQ(NamesInMemory(), std::vector<std::string>{"Caf\xC3\xA9"});
    EXPECT_EQ(NamesOnDisk(), std::vector<std::string>{"Caf\xC3\xA9"});
    const std::string id = list_.Entries()[0].id;
    EXPECT_TRUE(IsPlainProfileId(id)) << id;
    EXPECT_EQ(ListOnDisk()["profilelist"][0]["profileUUID"].asString(), id);
    // The settings followed the profile to the file its new identifier names.
    EXPECT_EQ(ProfileOnDisk(0)["Device"][0]["Light"], 7);
    EXPECT_EQ(ProfileOnDisk(0)["profilename"].asString(), "Caf\xC3\xA9");

    // A second start finds everything where the first left it.
    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    ASSERT_EQ(again.Count(), 1);
    EXPECT_EQ(again.Entries()[0].id, id);
    EXPECT_EQ(OnDisk(again.SelectedProfilePath())["Device"][0]["Light"], 7);
}

TEST_F(ProfileListInit, ListFileTooLargeIsSetAsideWithAMessage) {
    MakeProfiles({"Game", "Work"});
    const std::string big =
        R"({"profilelist": [], "pad": ")" + std::string(static_cast<size_t>(kMaxListFileBytes), 'x') + "\"}";
    Put(ListPath(), big);
    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    EXPECT_NE(again.LastError().find("larger than 64 KB"), std::string::npos) << again.LastError();
    EXPECT_NE(again.LastError().find("ProfileList.ini.bad"), std::string::npos) << again.LastError();
    EXPECT_EQ(Slurp(ListPath() + ".bad"), big) << "the large file is kept whole";
    // The profiles themselves come back from their files.
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::string>{"Game", "Work"}));
}

// The id of a process that has ended (a child, waited for).
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST_F(ProfileListInit, StartUpRemovesOnlyStaleTemporaryFilesOfTheFolder) {
    MakeProfiles({"Game"});
    const std::string folder = list_.UserFolder();
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(getpid());
    const std::vector<std::string> stale = {"ProfileList.ini.tmp." + dead + ".0.4711",
                                            list_.Entries()[0].id + ".Json.tmp." + dead + ".3.65535"};
    const std::vector<std::string> kept = {"ProfileList.ini.tmp." + alive + ".0.1",  // a save under way
                                           "notes.tmp.txt", "ProfileList.ini.tmp." + dead + ".x.1",
                                           "backup.tmp." + dead};
    for (const std::string& name : stale) Put(folder + name, "{\"half\": ");
    for (const std::string& name : kept) Put(folder + name, "mine");
    std::filesystem::create_directories(root_ / "data" / "elsewhere");
    const std::string outside = (root_ / "data" / "elsewhere" / ("x.tmp." + dead + ".0.1")).string();
    Put(outside, "other");

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    for (const std::string& name : stale) EXPECT_FALSE(Exists(folder + name)) << name;
    for (const std::string& name : kept) EXPECT_EQ(Slurp(folder + name), "mine") << name;
    EXPECT_TRUE(Exists(outside));
    EXPECT_EQ(NamesOnDisk(), std::vector<std::string>{"Game"});
}

TEST_F(ProfileListInit, CompleteUnlistedProfileIsAdoptedIntoTheList) {
    MakeProfiles({"Game", "Work"});
    const std::string folder = list_.UserFolder();
    // As a crash after writing a new profile but before writing the list leaves it.
    Put(folder + "2030_01_01_00_00_00_000.Json",
        R"({"profilename": "game", "profileUUID": "2030_01_01_00_00_00_000",
        "Device": [{"Light": 9}]})");
    // Not complete profiles: no device object, not its own file, not JSON.
    Put(folder + "2030_01_01_00_00_00_001.Json",
        R"({"profilename": "Bare", "profileUUID": "2030_01_01_00_00_00_001"})");
    Put(folder + "2030_01_01_00_00_00_002.Json",
        R"({"profilename": "Moved", "profileUUID": "other", "Device": [{}]})");
    Put(folder + "2030_01_01_00_00_00_003.Json", R"({"profilename": "Cut", "profileUUID": "2030_01_01)");

    CProfileList again;
    Configure(again, 2, "mouse");
    ASSERT_EQ(again.Init(), kProfileDone);
    ASSERT_EQ(again.Count(), 3);
    EXPECT_EQ(again.Entries()[2].id, "2030_01_01_00_00_00_000");
    EXPECT_EQ(again.Entries()[2].name, "game(1)") << "a name in use gets a number";
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::string>{"Game", "Work", "game(1)"}));
    EXPECT_EQ(OnDisk(again.ProfilePathAt(2))["Device"][0]["Light"], 9);
    EXPECT_EQ(again.SelectedIndex(), list_.SelectedIndex()) << "the selection stays";
}

TEST_F(ProfileListInit, FullDiskStillGivesAWorkingListInMemory) {
    SetAtomicWriteByteLimitForTest(0);
    EXPECT_EQ(list_.Init(), kProfileFileError);
    EXPECT_FALSE(list_.LastError().empty());
    EXPECT_EQ(list_.Count(), 1);
    EXPECT_EQ(list_.SelectedIndex(), 0);
    EXPECT_FALSE(list_.SelectedId().empty());
    EXPECT_FALSE(Exists(ListPath()));
    EXPECT_TRUE(ProfileFiles().empty());
}

}  // namespace
