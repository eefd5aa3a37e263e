// Import, export and reset: what reaches the files, and which files are refused.
#include "profile_list_fixture.h"

namespace {

using ProfileListExchange = ProfileListFixture;
using Names = std::vector<std::string>;

TEST_F(ProfileListExchange, ImportTakesTheFileUnderAFreeNameAndANewIdentifier) {
    MakeProfiles({"Game"});
    const std::string path = (root_ / "Work.json").string();
    const std::string existingId = list_.Entries()[0].id;
    Json::Value imported = ParseJson(R"({"profilename": "Work", "Device": [{"Anything": [1, 2]}, "second"],
                                         "Other": {"x": 1}})");
    imported["profileUUID"] = existingId;  // the file claims the identifier of an existing profile
    Put(path, StyledJsonText(imported));
    const std::string gameBytes = Slurp(list_.ProfilePathAt(0));

    ASSERT_EQ(list_.ImportProfile(path), kProfileDone);
    ASSERT_EQ(list_.ImportProfile(path), kProfileDone);
    ASSERT_EQ(list_.ImportProfile(path), kProfileDone);
    EXPECT_EQ(NamesOnDisk(), (Names{"Game", "Work", "Work(1)", "Work(1)(2)"}));
    EXPECT_EQ(Slurp(list_.ProfilePathAt(0)), gameBytes);
    EXPECT_EQ(list_.SelectedIndex(), 0);
    EXPECT_EQ(ListOnDisk()["profileselect"], 0);
    for (int i = 1; i < 4; ++i) {
        EXPECT_NE(list_.Entries()[i].id, existingId);
        Json::Value expected = imported;
        expected["profilename"] = list_.Entries()[i].name;
        expected["profileUUID"] = list_.Entries()[i].id;
        EXPECT_EQ(ProfileOnDisk(i), expected) << i;
    }
}

TEST_F(ProfileListExchange, ImportRefusesFilesThatAreNoProfiles) {
    MakeProfiles({"Game"});
    const std::string listBytes = Slurp(ListPath());
    const char* files[] = {
        "",
        "{ broken",
        R"(["profilename", "profileUUID"])",
        R"({"profileUUID": "x", "Device": []})",
        R"({"profilename": "Work", "Device": []})",
        R"({"profilename": "", "profileUUID": "x"})",
        R"({"profilename": 5, "profileUUID": "x"})",
        R"({"profilename": "Work", "profileUUID": null})",
    };
    const std::string path = (root_ / "in.json").string();
    for (const char* text : files) {
        Put(path, text);
        EXPECT_EQ(list_.ImportProfile(path), kProfileRefused) << text;
        EXPECT_FALSE(list_.LastError().empty()) << text;
    }
    EXPECT_EQ(list_.ImportProfile((root_ / "missing.json").string()), kProfileRefused);
    EXPECT_EQ(Slurp(ListPath()), listBytes);
    EXPECT_EQ(ProfileFiles().size(), 1u);
}

TEST_F(ProfileListExchange, ExportWritesTheProfileFileAndImportBringsItBack) {
    MakeProfiles({"Game", "Work"});
    Json::Value work = ProfileOnDisk(1);
    work["Device"][0]["DPIStages"]["StageActive"] = 5;
    Put(list_.ProfilePathAt(1), StyledJsonText(work));

    const std::string path = (root_ / "out.json").string();
    ASSERT_EQ(list_.ExportProfile(1, path), kProfileDone);
    EXPECT_EQ(Slurp(path), StyledJsonText(work));

    ASSERT_EQ(list_.ImportProfile(path), kProfileDone);
    EXPECT_EQ(list_.Entries()[2].name, "Work(1)");
    EXPECT_EQ(ProfileOnDisk(2)["Device"], work["Device"]);
}

TEST_F(ProfileListExchange, ExportRefusalsLeaveNoFile) {
    MakeProfiles({"Game"});
    const std::string path = (root_ / "out.json").string();
    EXPECT_EQ(list_.ExportProfile(1, path), kProfileRefused);
    EXPECT_EQ(list_.ExportProfile(0, ""), kProfileRefused);
    std::filesystem::remove(list_.ProfilePathAt(0));
    EXPECT_EQ(list_.ExportProfile(0, path), kProfileFileError);
    EXPECT_FALSE(list_.LastError().empty());
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(list_.ExportProfile(0, (root_ / "no_such_folder" / "out.json").string()), kProfileFileError);
}

TEST_F(ProfileListExchange, ResetRestoresTheDefaultsUnderTheSameNameAndIdentifier) {
    MakeProfiles({"Game", "Work"});
    Json::Value work = ProfileOnDisk(1);
    work["Device"][0]["LightInfo"]["Light"] = 1;
    work["Device"][0]["CustomEQNameInfo"] = "not kept for a mouse";
    Put(list_.ProfilePathAt(1), StyledJsonText(work));
    const std::string listBytes = Slurp(ListPath());

    ASSERT_EQ(list_.ResetProfile(1), kProfileDone);
    Json::Value expected = ParseJson(kMouseDefaults);
    expected["profilename"] = "Work";
    expected["profileUUID"] = list_.Entries()[1].id;
    EXPECT_EQ(Slurp(list_.ProfilePathAt(1)), StyledJsonText(expected));
    EXPECT_EQ(Slurp(ListPath()), listBytes);
    EXPECT_EQ(list_.ResetProfile(2), kProfileRefused);
}

TEST_F(ProfileListExchange, HeadsetResetKeepsTheCustomEqualisers) {
    CProfileList headset;
    Configure(headset, 7, "HD");
    ASSERT_EQ(headset.Init(), kProfileDone);
    const std::string path = headset.SelectedProfilePath();
    Json::Value mine = OnDisk(path);
    const Json::Value names = ParseJson(R"([{"Name": "Bass"}, {"Name": "Voice"}])");
    const Json::Value bands = ParseJson(R"([[{"value": 3}], [{"value": -2}]])");
    mine["Device"][0]["CustomEQNameInfo"] = names;
    mine["Device"][0]["CustomEQHzValueInfo"] = bands;
    mine["Device"][0]["SystemSetStages"]["EqType"] = 9;
    Put(path, StyledJsonText(mine));

    ASSERT_EQ(headset.ResetProfile(0), kProfileDone);
    Json::Value expected = ParseJson(kHeadsetDefaults);
    expected["profilename"] = "profile1";
    expected["profileUUID"] = headset.SelectedId();
    expected["Device"][0]["CustomEQNameInfo"] = names;
    expected["Device"][0]["CustomEQHzValueInfo"] = bands;
    EXPECT_EQ(OnDisk(path), expected);

    // Without equalisers of its own the defaults stay as they are.
    Put(path, R"({"Device": [{}]})");
    ASSERT_EQ(headset.ResetProfile(0), kProfileDone);
    expected = ParseJson(kHeadsetDefaults);
    expected["profilename"] = "profile1";
    expected["profileUUID"] = headset.SelectedId();
    EXPECT_EQ(OnDisk(path), expected);
}

}  // namespace
