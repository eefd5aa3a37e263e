// The mouse page's change chains: the control changes the mouse's model, the profile file
// is saved and the settings record goes to the device (commands 1, 6 in two chunks, 2).
#include "wiring_fixture.h"

namespace {

constexpr size_t kRecordPolling = 14;
constexpr size_t kRecordStageX[7] = {15, 17, 19, 21, 24, 26, 28};  // low byte of each stage's X

int StoredStageX(const Json::Value& device, int stage) {
    return device["DPIStages"]["StageDPIs"][stage]["StageDPIX"].asInt();
}

}  // namespace

using MousePageWiring = WiringFixture;

TEST_F(MousePageWiring, TypedDpiIsStoredAndWrittenAsSettingsRecord) {
    TypeAndLeave(PageControl("DPI_edit_2"), QStringLiteral("2350"));

    // (2350 - 100) / 50 = position 45, shown back as the DPI it stands for.
    EXPECT_EQ(StoredStageX(ProfileDevice(), 2), 45);
    EXPECT_EQ(GetText(PageControl("DPI_edit_2")), QStringLiteral("2350"));

    EXPECT_EQ(Commands(), (std::vector<uint8_t>{kBegin, kWriteMemory, kWriteMemory, kEnd}));
    const auto writes = SettingsWrites();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].chunks, (std::vector<std::pair<int, int>>{{56, 0}, {30, 56}}));
    const std::vector<uint8_t>& record = writes[0].record;
    EXPECT_EQ(record[0], 0);                  // record 0 becomes the active one
    EXPECT_EQ(record[kRecordStageX[2]], 45);  // sensor 0x3327: the position itself
    EXPECT_EQ(record[kRecordStageX[2] + 1], 0);
    EXPECT_EQ(record[kRecordStageX[0]], StoredStageX(ProfileDevice(), 0));  // the others as stored
    EXPECT_TRUE(std::all_of(record.begin() + 57, record.end(), [](uint8_t b) { return b == 0; }));
    // What the device keeps is what was sent.
    const std::vector<uint8_t> memory = sim->SettingsMemory();
    EXPECT_EQ(std::vector<uint8_t>(memory.begin(), memory.begin() + 86), record);
}

TEST_F(MousePageWiring, TypedDpiFollowsTheSensorRule) {
    struct Case {
        const char* typed;
        int position;
        const char* shown;
    };
    // Sensor 0x3327, step 50, smallest DPI 100: the step doubles above 6200 DPI.
    const Case cases[] = {
        {"50", 0, "100"},     {"", 0, "100"},        {"3100", 60, "3100"},
        {"7200", 70, "7200"}, {"1234x", 22, "1200"}, {"99999", 118, "12000"},
    };
    for (const Case& c : cases) {
        sim->ClearFrames();
        TypeAndLeave(PageControl("DPI_edit_5"), QString::fromLatin1(c.typed));
        EXPECT_EQ(StoredStageX(ProfileDevice(), 5), c.position) << c.typed;
        EXPECT_EQ(GetText(PageControl("DPI_edit_5")), QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(OnlySettingsRecord()[kRecordStageX[5]], c.position) << c.typed;
    }
}

TEST_F(MousePageWiring, ReleasingSliderOfMissingStageExtendsTheList) {
    std::vector<DpiStage> three = mouse->GetDpiStages();
    ASSERT_GE(three.size(), 3u);
    three.resize(3);
    mouse->SetDpiStages(three);

    DragSlider(PageControl("DPI_slider_6"), 40, true);

    const std::vector<DpiStage> stages = mouse->GetDpiStages();
    ASSERT_EQ(stages.size(), 7u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(stages[i], three[i]) << i;
    for (size_t i = 3; i < 6; ++i) EXPECT_EQ(stages[i], DpiStage{}) << i;
    EXPECT_EQ(stages[6].X(), 40);

    const Json::Value device = ProfileDevice();
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(StoredStageX(device, i), 0) << i;
        EXPECT_EQ(device["DPIStages"]["StageDPIs"][i]["StageActive"].asInt(), 0) << i;
    }
    EXPECT_EQ(StoredStageX(device, 6), 40);

    const std::vector<uint8_t> record = OnlySettingsRecord();
    for (int stage : {3, 4, 5}) EXPECT_EQ(record[kRecordStageX[stage]], 0) << stage;
    EXPECT_EQ(record[kRecordStageX[6]], 40);
    EXPECT_EQ(GetText(PageControl("DPI_edit_6")), QStringLiteral("2100"));
}

TEST_F(MousePageWiring, DraggingShowsTheDpiWithoutStoringIt) {
    const QByteArray before = FileBytes(ProfilePath());
    DragSlider(PageControl("DPI_slider_3"), 50, false);
    EXPECT_EQ(GetText(PageControl("DPI_edit_3")), QStringLiteral("2600"));
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(FileBytes(ProfilePath()), before);

    qobject_cast<QAbstractSlider*>(PageControl("DPI_slider_3"))->setSliderDown(false);
    EXPECT_EQ(StoredStageX(ProfileDevice(), 3), 50);
    EXPECT_EQ(OnlySettingsRecord()[kRecordStageX[3]], 50);
}

TEST_F(MousePageWiring, DisablingAStageStoresItAndWrites) {
    ASSERT_TRUE(IsSelected(PageControl("DPI_enable_check_4")));
    Click("DPI_enable_check_4");
    EXPECT_EQ(ProfileDevice()["DPIStages"]["StageDPIs"][4]["StageActive"].asInt(), 0);
    EXPECT_EQ(mouse->GetDpiStages().at(4).stageActive, 0);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{kBegin, kWriteMemory, kWriteMemory, kEnd}));

    Click("DPI_enable_check_4");
    EXPECT_EQ(ProfileDevice()["DPIStages"]["StageDPIs"][4]["StageActive"].asInt(), 1);
}

TEST_F(MousePageWiring, PollingOptionIsStoredAndWritten) {
    Click("polling_rate_option_2");
    EXPECT_EQ(ProfileDevice()["ReportStages"]["StageActive"].asInt(), 2);
    EXPECT_EQ(mouse->GetSystemValues()[MouseValue::kPollingRate], 2);
    EXPECT_EQ(OnlySettingsRecord()[kRecordPolling], 2);
}

TEST_F(MousePageWiring, SystemItemCombosAreStoredAndWritten) {
    struct Case {
        const char* combo;
        const char* key;
        size_t recordByte;
    };
    const Case cases[] = {{"AST_set_comboSelect", "ASTSelectItem", 54},
                          {"MSH_set_comboSelect", "MSHSelectItem", 55},
                          {"Logolight_combo_modeSelect", "LOGOSelectItem", 56}};
    for (const Case& c : cases) {
        sim->ClearFrames();
        QWidget* combo = PageControl(c.combo);
        ASSERT_NE(combo, nullptr) << c.combo;
        const int index = GetCurSel(combo) == 1 ? 0 : 1;
        ChooseItem(combo, index);
        EXPECT_EQ(ProfileDevice()["SystemStages"][c.key].asInt(), index) << c.combo;
        EXPECT_EQ(OnlySettingsRecord()[c.recordByte], index) << c.combo;
    }
}

TEST_F(MousePageWiring, PointerValuesAreKeptInTheProfileOnly) {
    DragSlider(PageControl("pointer_speed_slider"), 4, true);
    EXPECT_EQ(ProfileDevice()["SystemStages"]["MouseSpeed"].asInt(), 4);

    DragSlider(PageControl("double_click_slider"), 3, true);
    EXPECT_EQ(ProfileDevice()["SystemStages"]["DoubleClickTime"].asInt(), 3);

    const int precision = ProfileDevice()["SystemStages"]["PointerPrecision"].asInt();
    Click("pointer_precision_check");
    EXPECT_EQ(ProfileDevice()["SystemStages"]["PointerPrecision"].asInt(), precision ? 0 : 1);

    EXPECT_TRUE(Commands().empty());  // nothing of this goes to the device
}

TEST_F(MousePageWiring, ChoosingScrollLinesEndsScrollingByPage) {
    if (!IsSelected(PageControl("scrolls_page_check"))) Click("scrolls_page_check");
    ASSERT_EQ(ProfileDevice()["SystemStages"]["ScorllPage"].asInt(), 1);

    DragSlider(PageControl("scroll_speed_slider"), 7, true);
    EXPECT_FALSE(IsSelected(PageControl("scrolls_page_check")));
    EXPECT_EQ(GetValue(PageControl("scroll_speed_slider")), 7);
    EXPECT_EQ(ProfileDevice()["SystemStages"]["ScorllPage"].asInt(), 0);
    EXPECT_EQ(ProfileDevice()["SystemStages"]["WheelScorlllinse"].asInt(), 7);
    EXPECT_TRUE(Commands().empty());
}
