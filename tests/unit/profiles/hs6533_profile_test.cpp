#include "profile_fixture.h"
#include "profiles/hs6533_profile_data.h"

namespace {

class HeadsetProfile : public ProfileFixture {
protected:
    void LoadText(const char* text) {
        Put(profilePath_, text);
        profile_.SetProfilePath(profilePath_);
        profile_.Load(profilePath_);
    }
    static Json::Value Bands(std::initializer_list<int> values) {
        Json::Value table(Json::arrayValue);
        for (int v : values) {
            Json::Value band;
            band["value"] = v;
            table.append(band);
        }
        return table;
    }
    CHs6533Profiledata profile_;
};

TEST_F(HeadsetProfile, SettingsRoundTripUnderTheirKeys) {
    const char* device = R"({"Device": [{"SystemSetStages": {"MagicEnable": 1, "MagicType": 2, "EqType": 3,
        "CustomEqSeletIndex": 4, "MicInSelect": 5, "MicInValue": -6, "MicMoniterSelect": 7, "MicMoniterValue": 8, "CustomEqEdited": 1}}]})";
    LoadText(device);
    const HeadsetSettings s = profile_.GetHeadsetSettings();
    EXPECT_EQ(s, (HeadsetSettings{1, 2, 3, 4, 5, -6, 7, 8, 1}));
    LoadText(R"({"Device": [{}]})");
    EXPECT_EQ(profile_.GetHeadsetSettings(), HeadsetSettings{});
    profile_.SetHeadsetSettings(s);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0], ParseJson(device)["Device"][0]);
}

TEST_F(HeadsetProfile, EqualiserTypeMapsToItsTable) {
    const struct {
        int type;
        int table;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {12, 12}, {13, -1}, {14, 1}, {20, 1}, {-3, 1}};
    for (const auto& c : cases) EXPECT_EQ(EqTableIndex(c.type), c.table) << c.type;
}

TEST_F(HeadsetProfile, PresetTablesReadMissingBandsAsZeroAndCompleteMissingTables) {
    Json::Value doc;
    doc["Device"][0]["EQHzValueInfo"][0] = Bands({9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
    doc["Device"][0]["EQHzValueInfo"][1] = Bands({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    doc["Device"][0]["EQHzValueInfo"][2] = Bands({-5, 5});
    LoadText(StyledJsonText(doc).c_str());

    EXPECT_EQ(profile_.GetEqValues(0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(profile_.GetEqValues(20), profile_.GetEqValues(1));
    EXPECT_EQ(profile_.GetEqValues(2), (std::vector<int>{-5, 5, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(profile_.Tree()["EQHzValueInfo"][2].size(), 2u) << "a present table is not rewritten";

    const Json::Value before = profile_.Tree();
    EXPECT_TRUE(profile_.GetEqValues(13).empty());
    profile_.SetEqValues(13, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(profile_.Tree(), before) << "type 13 has no preset table";

    EXPECT_EQ(profile_.GetEqValues(5), std::vector<int>(10, 0));
    EXPECT_EQ(profile_.Tree()["EQHzValueInfo"][5], Bands({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HeadsetProfile, PresetAndCustomTablesRoundTrip) {
    LoadText(R"({"Device": [{}]})");
    const std::vector<int> preset{1, -2, 3, -4, 5, -6, 7, -8, 9, -10};
    const std::vector<int> custom{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    profile_.SetEqValues(0, preset);  // type 0 uses table 1
    profile_.SetCustomEqValues(2, custom);
    profile_.SetCustomEqValues(0, {4, 4});  // fewer than 10 bands: only those are written
    ASSERT_EQ(profile_.Save(), 0);

    const Json::Value disk = OnDisk(profilePath_)["Device"][0];
    EXPECT_TRUE(disk["EQHzValueInfo"][0].isNull());
    EXPECT_EQ(disk["EQHzValueInfo"][1], Bands({1, -2, 3, -4, 5, -6, 7, -8, 9, -10}));
    EXPECT_EQ(disk["CustomEQHzValueInfo"][0], Bands({4, 4}));
    CHs6533Profiledata again;
    again.Load(profilePath_);
    EXPECT_EQ(again.GetEqValues(1), preset);
    EXPECT_EQ(again.GetCustomEqValues(2), custom);
    EXPECT_EQ(again.GetCustomEqValues(0), (std::vector<int>{4, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(again.GetCustomEqValues(-1), std::vector<int>(10, 0));
}

TEST_F(HeadsetProfile, CustomNamesReplaceTheWholeList) {
    LoadText(R"({"Device": [{"CustomEQNameInfo": [{"Name": "Old"}, {"Name": "Older"}, {"Name": 3}]}]})");
    EXPECT_EQ(profile_.GetCustomEqNames(), (std::vector<std::string>{"Old", "Older", ""}));
    profile_.SetCustomEqNames({"Bass", "Stimme \xC3\xA4"});
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["CustomEQNameInfo"],
              ParseJson(R"([{"Name": "Bass"}, {"Name": "Stimme \u00e4"}])"));
    CHs6533Profiledata again;
    again.Load(profilePath_);
    EXPECT_EQ(again.GetCustomEqNames(), (std::vector<std::string>{"Bass", "Stimme \xC3\xA4"}));
}

}  // namespace
