#include "profile_fixture.h"
#include "profiles/mouse_profile_data.h"

namespace {

DpiStage Stage(uint8_t active, uint8_t xy, uint16_t x, uint16_t y, uint8_t r, uint8_t g, uint8_t b) {
    DpiStage s;
    s.stageActive = active;
    s.stageXY = xy;
    s.SetX(x);
    s.SetY(y);
    s.red = r;
    s.green = g;
    s.blue = b;
    return s;
}

const char* kBothArrays = R"({"Device": [{"DPIStages": {
    "StageActive": 2,
    "StageDPIs": [
      {"StageActive": 1, "StageXY": 0, "StageDPIX": 800, "StageDPIY": 800, "StageColorR": 255, "StageColorG": 0, "StageColorB": 0},
      {"StageActive": 1, "StageXY": 1, "StageDPIX": 12000, "StageDPIY": 400, "StageColorR": 0, "StageColorG": 255, "StageColorB": 0}],
    "StageDPIs_3360": [
      {"StageActive": 0, "StageXY": 0, "StageDPIX": 3200, "StageDPIY": 3200, "StageColorR": 1, "StageColorG": 2, "StageColorB": 3}]
}}]})";

class MouseProfile : public ProfileFixture {
protected:
    void LoadText(const char* text) {
        Put(profilePath_, text);
        profile_.SetProfilePath(profilePath_);
        profile_.Load(profilePath_);
    }
    CMouseProfiledata profile_;
};

TEST_F(MouseProfile, SensorModelChoosesTheStageArray) {
    struct Case {
        uint32_t model;
        size_t stages;
        uint16_t firstX;
        const char* writtenKey;  // nullptr: nothing written
    };
    const Case cases[] = {
        {0x3327, 2, 800, "StageDPIs"},
        {0x3389, 2, 800, "StageDPIs"},
        {0x3360, 1, 3200, "StageDPIs_3360"},
        {0, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CMouseProfiledata mouse;
        Put(profilePath_, kBothArrays);
        mouse.SetProfilePath(profilePath_);
        mouse.SetSensorModel(c.model);
        mouse.Load(profilePath_);
        const auto stages = mouse.GetDpiStages();
        ASSERT_EQ(stages.size(), c.stages);
        if (c.stages) {
            EXPECT_EQ(stages[0].X(), c.firstX);
        }
        EXPECT_EQ(mouse.GetActiveStage(), 2u) << "the active stage is read for every model";

        mouse.SetDpiStages({Stage(1, 1, 100, 200, 7, 8, 9)});
        ASSERT_EQ(mouse.Save(), 0);
        const Json::Value before = ParseJson(kBothArrays)["Device"][0]["DPIStages"];
        const Json::Value after = OnDisk(profilePath_)["Device"][0]["DPIStages"];
        for (const char* key : {"StageDPIs", "StageDPIs_3360"}) {
            if (c.writtenKey && std::string(key) == c.writtenKey) {
                EXPECT_EQ(after[key][0],
                          ParseJson(R"({"StageActive": 1, "StageXY": 1, "StageDPIX": 100, "StageDPIY": 200,
                                                       "StageColorR": 7, "StageColorG": 8, "StageColorB": 9})"));
                EXPECT_EQ(after[key].size(), before[key].size()) << "surplus elements stay";
            } else {
                EXPECT_EQ(after[key], before[key]) << key << " must stay untouched";
            }
        }
    }
}

TEST_F(MouseProfile, StageValuesAreTwoBytesLowFirstAndRoundTrip) {
    LoadText(kBothArrays);
    const auto stages = profile_.GetDpiStages();
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[1].xLow, 0xE0);
    EXPECT_EQ(stages[1].xHigh, 0x2E);
    EXPECT_EQ(stages[1], Stage(1, 1, 12000, 400, 0, 255, 0));
    profile_.SetDpiStages(stages);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["DPIStages"],
              ParseJson(kBothArrays)["Device"][0]["DPIStages"]);
}

TEST_F(MouseProfile, RereadingAShorterArrayKeepsTheSurplusStoredStages) {
    LoadText(kBothArrays);
    std::vector<DpiStage> seven;
    for (int i = 0; i < 7; ++i) seven.push_back(Stage(1, 0, uint16_t(100 * (i + 1)), 0, 0, 0, 0));
    profile_.SetDpiStages(seven);
    LoadText(kBothArrays);  // two stages in the file
    const auto stages = profile_.GetDpiStages();
    ASSERT_EQ(stages.size(), 7u);
    EXPECT_EQ(stages[0].X(), 800);
    EXPECT_EQ(stages[1].X(), 12000);
    EXPECT_EQ(stages[2].X(), 300);
    EXPECT_EQ(stages[6].X(), 700);
}

TEST_F(MouseProfile, ActiveStageIsWrittenIntoDpiStages) {
    LoadText(R"({"Device": [{}]})");
    profile_.SetActiveStage(4);
    EXPECT_EQ(profile_.GetActiveStage(), 4u);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0]["DPIStages"], ParseJson(R"({"StageActive": 4})"));
}

TEST_F(MouseProfile, SystemValuesPackIntoFiveWordsAndRoundTripUnderTheirKeys) {
    const char* device = R"({"Device": [{
        "SystemStages": {"DoubleClickTime": 5, "MouseSpeed": 10, "PointerPrecision": 1, "ScorllPage": 0,
                         "WheelScorlllinse": 3, "ASTSelectItem": 2, "MSHSelectItem": 65535, "LOGOSelectItem": 1},
        "ReportStages": {"StageActive": 4}}]})";
    LoadText(device);
    const MouseSystemSettings s = profile_.GetMouseSystem();
    EXPECT_EQ(s.words,
              (std::array<uint32_t, 5>{0x000A0005u, 0x00000001u, 0x00040003u, 0xFFFF0002u, 0x00000001u}));
    EXPECT_EQ(s.ReportRate(), 4);

    LoadText(R"({"Device": [{}]})");
    profile_.SetMouseSystem(s);
    ASSERT_EQ(profile_.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0], ParseJson(device)["Device"][0]);
}

TEST_F(MouseProfile, SystemValuesFallBackToZero) {
    LoadText(R"({"Device": [{"SystemStages": {"MouseSpeed": 6}}]})");
    EXPECT_EQ(profile_.GetMouseSystem().words, (std::array<uint32_t, 5>{0x00060000u, 0, 0, 0, 0}))
        << "no ReportStages: report rate 0";
    LoadText(R"({"Device": [{"ReportStages": {"StageActive": 4}}]})");
    EXPECT_EQ(profile_.GetMouseSystem(), MouseSystemSettings{}) << "no SystemStages: all zero";
    LoadText(R"({"Device": [{"SystemStages": {"MouseSpeed": "fast", "DoubleClickTime": 70000}}]})");
    EXPECT_EQ(profile_.GetMouseSystem().words[0], 70000u & 0xFFFF) << "text reads 0, numbers keep 16 bits";
}

TEST_F(MouseProfile, CorrectInfoHasOneEntryPerElement) {
    LoadText(R"({"Device": [{"CorrectInfo": [
        {"CorrectPixThresh": 12, "CorrectMinSq": 34, "CorrectSelect": 1, "CorrectName": "Cloth"},
        {"CorrectName": 5}]}]})");
    const auto list = profile_.GetCorrectInfo();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (CorrectEntry{12, 34, 1, "Cloth"}));
    EXPECT_EQ(list[1], CorrectEntry{});
    LoadText(R"({"Device": [{}]})");
    EXPECT_TRUE(profile_.GetCorrectInfo().empty());
}

TEST_F(MouseProfile, WrongTypedDpiStagesReadNothingAndWritingRepairsThem) {
    LoadText(R"({"Device": [{"DPIStages": {"StageActive": "2", "StageDPIs": {"0": {}}}}]})");
    EXPECT_TRUE(profile_.GetDpiStages().empty());
    EXPECT_EQ(profile_.GetActiveStage(), 0u);
    profile_.SetDpiStages({Stage(1, 0, 400, 400, 0, 0, 0)});
    ASSERT_EQ(profile_.Save(), 0);
    CMouseProfiledata again;
    again.Load(profilePath_);
    EXPECT_EQ(again.GetDpiStages(), std::vector<DpiStage>{Stage(1, 0, 400, 400, 0, 0, 0)});

    LoadText(R"({"Device": [{"DPIStages": [1, 2]}]})");
    EXPECT_EQ(profile_.GetDpiStages().size(), 1u) << "the stored list never shrinks";
    profile_.SetActiveStage(1);
    EXPECT_EQ(profile_.GetActiveStage(), 1u);
}

}  // namespace
