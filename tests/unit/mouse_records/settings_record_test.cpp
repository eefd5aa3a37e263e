#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "devices/mouse/mouse_settings_record.h"
#include "test_files.h"

using namespace mouse;

namespace {

MouseDpiStage Stage(std::uint16_t x, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    MouseDpiStage s;
    s.enabled = 1;
    s.x = x;
    s.y = x;
    s.red = r;
    s.green = g;
    s.blue = b;
    return s;
}

// The model described at the top of settings_record_wired_3327.hex.
MouseSettings GoldenModel() {
    MouseSettings s;
    s.lighting = {2, 3, 1, 1, 0, 0x12, 0x34, 0x56, 0x9A, 0x77, 0x88};
    s.stages = {Stage(6, 0xFF, 0, 0), Stage(14, 0, 0xFF, 0), Stage(30, 0, 0, 0xFF), Stage(46, 0xFF, 0xFF, 0),
                Stage(300, 0, 0xFF, 0xFF)};
    s.pollingRateIndex = 3;
    s.activeStage = 4;
    s.astItem = 1;
    s.mshItem = 2;
    s.logoItem = 0xFFFF;
    s.sensorCode = 0x3327;
    return s;
}

std::vector<std::uint8_t> Bytes(const MouseSettingsBytes& a) {
    return {a.begin(), a.end()};
}

}  // namespace

TEST(MouseSettingsRecord, WholeRecordMatchesGoldenFixture) {
    const auto expected =
        ReadHexFixture(std::string(KVELM_TEST_DATA_DIR) + "/settings_record_wired_3327.hex");
    ASSERT_EQ(expected.size(), 86u);
    EXPECT_EQ(Bytes(EncodeMouseSettingsRecord(GoldenModel())), expected);
}

TEST(MouseSettingsRecord, LightingBytesFollowTheDeviceRules) {
    struct Case {
        const char* name;
        std::uint8_t mode, speed;
        bool wireless;
        std::uint8_t modeByte, speedByte;
    };
    const Case cases[] = {
        {"built-in mode kept", 11, 2, false, 11, 2},
        {"host preset 12 sent as 0", 12, 2, false, 0, 2},
        {"host preset 40 sent as 0", 40, 2, false, 0, 2},
        {"wired speed 1 turned over", 0, 1, false, 0, 3},
        {"wireless speed 1 as is", 0, 1, true, 0, 1},
        {"wired speed 0 is the fastest byte", 0, 0, false, 0, 4},
        {"wired speed above 4 counts as 4", 0, 9, false, 0, 0},
        {"wireless speed 4 as is", 0, 4, true, 0, 4},
    };
    for (const Case& c : cases) {
        MouseSettings s = GoldenModel();
        s.lighting.mode = c.mode;
        s.lighting.speed = c.speed;
        s.wireless = c.wireless;
        const auto out = EncodeMouseSettingsRecord(s);
        EXPECT_EQ(out[record::kLightMode], c.modeByte) << c.name;
        EXPECT_EQ(out[record::kLightSpeed], c.speedByte) << c.name;
    }
}

TEST(MouseSettingsRecord, Sensor3389SendsEveryStageValuePlusOne) {
    MouseSettings s;
    s.sensorCode = 0x3389;
    s.stages = {Stage(0x00FF, 1, 2, 3), Stage(0, 0, 0, 0), Stage(0xFFFF, 0, 0, 0)};
    const auto out = EncodeMouseSettingsRecord(s);
    const std::vector<std::uint8_t> stageX(out.begin() + 15, out.begin() + 23);
    const std::vector<std::uint8_t> stageXHigh(out.begin() + 24, out.begin() + 30);
    // 0x00FF + 1 = 00 01; 0 + 1; 0xFFFF saturates instead of wrapping to 0; stage 3 missing -> 1.
    EXPECT_EQ(stageX, (std::vector<std::uint8_t>{0x00, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00}));
    // Missing stages 4-6 are sent as 1 as well.
    EXPECT_EQ(stageXHigh, (std::vector<std::uint8_t>{0x01, 0x00, 0x01, 0x00, 0x01, 0x00}));
    EXPECT_EQ(out[31], 1);
    EXPECT_EQ(out[33], 3);
}

TEST(MouseSettingsRecord, MoreThanSevenStagesSendsTheFirstSeven) {
    MouseSettings s;
    s.sensorCode = 0x3360;
    for (std::uint16_t i = 0; i < 9; ++i)
        s.stages.push_back(Stage(static_cast<std::uint16_t>(100 + i), 0, 0, 0));
    const auto out = EncodeMouseSettingsRecord(s);
    EXPECT_EQ(out[28], 106);  // stage 6
    EXPECT_EQ(out[30], 0);    // stage 7 and 8 have nowhere to go
    EXPECT_TRUE(std::all_of(out.begin() + 57, out.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(MouseSettingsRecord, DecodeTakesActiveRecordAndTurnsSpeedBack) {
    std::vector<std::uint8_t> read(57, 0);
    read[0] = 0x55;  // whatever the record holds there is replaced
    read[1] = 5;
    read[2] = 4;
    read[3] = 3;
    read[4] = 1;
    read[5] = 1;
    read[6] = 10;
    read[7] = 20;
    read[8] = 30;
    read[9] = 0x42;
    read[14] = 2;
    read[23] = 6;

    MouseRecordReadBack wired;
    ASSERT_EQ(DecodeMouseSettingsRecord(read, 2, false, &wired), 1);
    EXPECT_EQ(wired.bytes[0], 2);
    EXPECT_EQ(wired.activeRecord, 2);
    EXPECT_EQ(wired.mode, 5);
    EXPECT_EQ(wired.brightness, 4);
    EXPECT_EQ(wired.speed, 1);
    EXPECT_EQ(wired.colourful, 1);
    EXPECT_EQ(wired.red, 10);
    EXPECT_EQ(wired.green, 20);
    EXPECT_EQ(wired.blue, 30);
    EXPECT_EQ(wired.ninth, 0x42);
    EXPECT_EQ(wired.pollingRateIndex, 2);
    EXPECT_EQ(wired.activeStage, 6);

    MouseRecordReadBack wireless;
    ASSERT_EQ(DecodeMouseSettingsRecord(read, 0, true, &wireless), 1);
    EXPECT_EQ(wireless.speed, 3);

    read[3] = 9;  // a byte above 4 must not wrap into a huge level
    ASSERT_EQ(DecodeMouseSettingsRecord(read, 0, false, &wired), 1);
    EXPECT_EQ(wired.speed, 0);
}

TEST(MouseSettingsRecord, DecodeRefusesShortReads) {
    MouseRecordReadBack out;
    out.mode = 77;
    const std::vector<std::uint8_t> shortRead(56, 1);
    EXPECT_EQ(DecodeMouseSettingsRecord(shortRead, 0, false, &out), 0);
    EXPECT_EQ(out.mode, 77);
    EXPECT_EQ(DecodeMouseSettingsRecord(std::vector<std::uint8_t>(57, 0), 0, false, nullptr), 0);
}

TEST(MouseSettingsRecord, WrittenLightingReadsBackUnchangedWiredAndWireless) {
    for (bool wireless : {false, true}) {
        for (std::uint8_t speed = 0; speed <= kMaxLightSpeed; ++speed) {
            MouseSettings s = GoldenModel();
            s.wireless = wireless;
            s.lighting.speed = speed;
            const auto written = EncodeMouseSettingsRecord(s);
            MouseRecordReadBack back;
            ASSERT_EQ(DecodeMouseSettingsRecord(std::span(written).first(57), 0, wireless, &back), 1);
            MouseLightingRecord lighting{};
            lighting.direction = 9;
            lighting.extra10 = 7;
            back.ApplyTo(lighting);
            EXPECT_EQ(lighting.speed, speed) << "wireless " << wireless;
            EXPECT_EQ(lighting.mode, s.lighting.mode);
            EXPECT_EQ(lighting.ninth, s.lighting.ninth);
            EXPECT_EQ(lighting.red, s.lighting.red);
            EXPECT_EQ(lighting.blue, s.lighting.blue);
            // The device does not report direction or the last two bytes: they stay.
            EXPECT_EQ(lighting.direction, 9);
            EXPECT_EQ(lighting.extra10, 7);
        }
    }
}
