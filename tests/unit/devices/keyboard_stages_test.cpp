// The keyboard's system values by index, and what a change of one sends to the keyboard.
#include <json/json.h>

#include "devices/keyboard_operations.h"
#include "devices/keyboard_system_stages.h"
#include "kbpad_fixture.h"

namespace {

TEST(KeyboardStages, EachIndexOwnsItsHalfWord) {
    // Every index set to a distinct value: each lands in its own half, none disturbs another.
    KeyboardSystemSettings stages;
    for (int i = 0; i < keyboard::Stage::kCount; ++i)
        stages = keyboard::WithStage(stages, i, static_cast<uint16_t>(0x1110 + i));
    EXPECT_EQ(stages.Repeat(), 0x1110);
    EXPECT_EQ(stages.RepeatDelay(), 0x1111);
    EXPECT_EQ(stages.Key6Flag(), 0x1112);
    EXPECT_EQ(stages.PollingRate(), 0x1113);
    EXPECT_EQ(stages.WFlag(), 0x1114);
    EXPECT_EQ(stages.WinFlag(), 0x1115);
    for (int i = 0; i < keyboard::Stage::kCount; ++i) EXPECT_EQ(keyboard::StageValue(stages, i), 0x1110 + i);
    // Indexes outside 0-5 change nothing and read as 0.
    EXPECT_EQ(keyboard::WithStage(stages, 6, 9), stages);
    EXPECT_EQ(keyboard::WithStage(stages, -1, 9), stages);
    EXPECT_EQ(keyboard::StageValue(stages, 6), 0);
}

TEST(KeyboardStages, OptionsAndRepeatDelay) {
    struct Case {
        uint16_t value;
        int option;
        int delayMs;
    };
    const Case cases[] = {{0, 0, 250}, {1, 1, 500}, {2, 2, 750}, {3, 3, 1000}, {4, 0, 250}, {0xFFFF, 0, 250}};
    for (const Case& c : cases) {
        EXPECT_EQ(keyboard::OptionFor(c.value), c.option) << c.value;
        EXPECT_EQ(keyboard::RepeatDelayMs(c.value), c.delayMs) << c.value;
    }
}

class KeyboardStageWriteTest : public KbPadTest<SimKeyboard, CVornakelKeyboardDevice> {
protected:
    KeyboardStageWriteTest() : KbPadTest("keyboard", DeviceKind::kKeyboard, 0) {}
    void SetUp() override {
        KbPadTest::SetUp();
        device->SetLedCount(126);
        ASSERT_EQ(device->ReadDeviceState(), 1);
        device->SetProfileName("p1");
        ASSERT_EQ(device->LoadProfile(), 1);
        sim->ClearFrames();
    }
    Json::Value Stages() const {
        Json::Value root;
        Json::Reader().parse(ReadFileBytes(DataFolder() / "p1.Json"), root);
        return root["Device"][0]["SystemStages"];
    }
};

TEST_F(KeyboardStageWriteTest, BlockValuesAreWrittenHostValuesOnlySaved) {
    // Polling rate 2: byte 22 of the block written at offset 0, and kept in the profile.
    ASSERT_EQ(SetKeyboardStage(*device, keyboard::Stage::kPollingRate, 2), 1);
    ASSERT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {6, 25, 0}, {2, 0, 0}}));
    EXPECT_EQ(PayloadOf(1)[22], 2);
    EXPECT_EQ(device->GetSystemStages().PollingRate(), 2);

    // The Windows key lock: byte 21.
    sim->ClearFrames();
    ASSERT_EQ(SetKeyboardStage(*device, keyboard::Stage::kWinFlag, 1), 1);
    ASSERT_EQ(sim->CommandFrames().size(), 3u);
    EXPECT_EQ(PayloadOf(1)[21], 1);
    EXPECT_EQ(PayloadOf(1)[22], 2) << "the polling rate set before stays";

    // The repeat delay lives on the host: saved, nothing sent.
    sim->ClearFrames();
    EXPECT_EQ(SetKeyboardStage(*device, keyboard::Stage::kRepeatDelay, 3), 1);
    EXPECT_TRUE(sim->CommandFrames().empty());
    EXPECT_EQ(device->GetSystemStages().RepeatDelay(), 3);
    EXPECT_EQ(Stages()["RepeatDelay"].asInt(), 3);
    EXPECT_EQ(Stages()["PollingRate"].asInt(), 2);
    EXPECT_EQ(Stages()["WinFlag"].asInt(), 1);
}

}  // namespace
