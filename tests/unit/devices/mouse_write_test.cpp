// What the mouse writes to the device, checked in the simulated device's memory: the
// settings record, the key block, the macro and shoot-data images.
#include "device_fixture.h"
#include "devices/profile_switch.h"
#include "util/json_file.h"

namespace {

// The 86 bytes a default profile writes: the shipped default data has lighting mode 1,
// brightness 4, speed level 2, colour FF 00 00, polling index 3, active stage 2, AST/MSH/LOGO
// 0 and the stage colours red, green, blue, yellow, cyan, magenta, white.
Bytes DefaultRecord(const std::array<uint16_t, 7>& stageValues, uint8_t speedByte) {
    Bytes r(86, 0);
    r[1] = 1;
    r[2] = 4;
    r[3] = speedByte;
    r[6] = 0xFF;
    r[14] = 3;
    const size_t stageAt[7] = {15, 17, 19, 21, 24, 26, 28};
    for (size_t s = 0; s < 7; ++s) {
        r[stageAt[s]] = static_cast<uint8_t>(stageValues[s]);
        r[stageAt[s] + 1] = static_cast<uint8_t>(stageValues[s] >> 8);
    }
    r[23] = 2;
    const uint8_t colours[7][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {255, 255, 0},
                                   {0, 255, 255}, {255, 0, 255}, {255, 255, 255}};
    for (size_t s = 0; s < 7; ++s)
        for (size_t c = 0; c < 3; ++c) r[31 + 3 * s + c] = colours[s][c];
    return r;
}

struct SettingsCase {
    const char* name;
    SimMouseModel model;
    uint8_t speedLevel;
    Bytes expectedRecord;
    std::vector<uint8_t> expectedCommands;
};
void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << c.name;
}

class SettingsRecord : public MouseDeviceTest, public ::testing::WithParamInterface<SettingsCase> {
protected:
    SettingsRecord() : MouseDeviceTest(GetParam().model) {}
};

TEST_P(SettingsRecord, WritesTheProfileAsEightySixBytesOfRecordZero) {
    StartUp();
    LightInfoRecord light = device->GetLightEffect();
    light.speed = GetParam().speedLevel;
    device->SetLightEffect(light);

    EXPECT_EQ(device->WriteSettings({}), 1);
    EXPECT_EQ(Commands(), GetParam().expectedCommands);
    const Bytes memory = mouse->SettingsMemory();
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + 86), GetParam().expectedRecord);
}

// The 0x3389 sensor counts its stage values from 1; a wireless mouse stores the speed level
// itself (a wired one 4 - level) and checks its link before every command.
INSTANTIATE_TEST_SUITE_P(Models, SettingsRecord,
                         ::testing::Values(SettingsCase{"wired3327",
                                                        SimMouseModel::Mouse(),
                                                        1,
                                                        DefaultRecord({6, 14, 30, 46, 60, 62, 78}, 3),
                                                        {0x01, 0x06, 0x06, 0x02}},
                                           SettingsCase{"wired3389",
                                                        SimMouseModel::Mouse3389(),
                                                        2,
                                                        DefaultRecord({7, 15, 31, 63, 127, 239, 319}, 2),
                                                        {0x01, 0x06, 0x06, 0x02}},
                                           SettingsCase{"wireless",
                                                        SimMouseModel::MouseWireless(),
                                                        1,
                                                        DefaultRecord({6, 14, 30, 46, 60, 62, 78}, 1),
                                                        {0xAA, 0x01, 0xAA, 0x06, 0x06, 0xAA, 0x02}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseDeviceTest, SettingsGoOutInTwoChunksAndAHostPresetIsSentAsModeZero) {
    StartUp();
    LightInfoRecord light = device->GetLightEffect();
    light.selectItem = 12;  // the first light preset of the host
    device->SetLightEffect(light);
    ASSERT_EQ(device->WriteSettings({}), 1);
    const std::vector<FrameHeader> expected = {{0x01, 0, 0}, {0x06, 56, 0}, {0x06, 30, 56}, {0x02, 0, 0}};
    EXPECT_EQ(Headers(), expected);
    EXPECT_EQ(mouse->SettingsMemory()[1], 0);
    EXPECT_EQ(mouse->SettingsMemory()[0], 0) << "record 0 becomes the active one";
}

TEST_F(MouseDeviceTest, MissingStagesGoOutAsZeros) {
    StartUp();
    std::vector<DpiStage> stages(2);
    stages[0].SetX(0x0123);
    stages[1].SetX(0x00FF);
    device->SetDpiStages(stages);
    ASSERT_EQ(device->WriteSettings({}), 1);
    const Bytes memory = mouse->SettingsMemory();
    EXPECT_EQ(Bytes(memory.begin() + 15, memory.begin() + 23), (Bytes{0x23, 0x01, 0xFF, 0x00, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(memory.begin() + 24, memory.begin() + 30), Bytes(6, 0));
}

class WirelessMouse : public MouseDeviceTest {
protected:
    WirelessMouse() : MouseDeviceTest(SimMouseModel::MouseWireless()) {}
};

TEST_F(WirelessMouse, LinkDownStopsEveryWriteAtItsFirstCheck) {
    StartUp();
    mouse->SetLinkUp(false);
    EXPECT_EQ(device->WriteSettings({}), 0);
    EXPECT_EQ(device->WriteCurrentKeyAssignments(), 0);
    EXPECT_EQ(device->WriteMacros(), -1);
    EXPECT_EQ(device->ReadSettingsRecord(), 0);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0xAA, 0xAA, 0xAA, 0xAA}));
}

TEST_F(MouseDeviceTest, KeyBlockWriteChangesOnlyTheSlotsOfMappedButtons) {
    // Button 0 (left) sits in slot 3; nothing holds 13 01 00, so button 5 has no slot.
    Bytes block = {0x12, 0x01, 0x00, 0x20, 0x00, 0x04, 0x10, 0x02, 0x00, 0x10, 0x01,
                   0x00, 0x10, 0x04, 0x00, 0x30, 0xE9, 0x00, 0x13, 0x02, 0x00};
    for (uint8_t slot = 7; slot < 16; ++slot) block.insert(block.end(), {0x40, slot, 0x55});
    mouse->SetKeyBlock(block);
    StartUp();
    const mouse::ButtonSlotMap expectedMap = {3, 2, 4, 126, 126, 126, 6, 126, 126, 126};
    EXPECT_EQ(device->ButtonSlots(), expectedMap);

    std::vector<KeyAssignEntry> list(10);
    for (uint8_t i = 0; i < 10; ++i) list[i].current = {i, 0x20, 0x00, static_cast<uint8_t>(0x04 + i), 0};
    // Buttons 3, 4, 5, 7, 8 and 9 have no slot: their assignments cannot be sent, and the
    // result says so.
    EXPECT_EQ(device->WriteKeyAssignments(list), kResultNoKeySlot);

    Bytes expected = block;
    const std::pair<size_t, uint8_t> written[] = {{3, 0x04}, {2, 0x05}, {4, 0x06}, {6, 0x0A}};
    for (const auto& [slot, usage] : written) {
        expected[3 * slot] = 0x20;
        expected[3 * slot + 1] = 0x00;
        expected[3 * slot + 2] = usage;
    }
    EXPECT_EQ(mouse->KeyBlock(), expected);
    const std::vector<FrameHeader> frames = {{0x03, 34, 0}, {0x01, 0, 0}, {0x09, 48, 0}, {0x02, 0, 0}};
    EXPECT_EQ(Headers(), frames);

    // Unmapped buttons that keep their factory bytes ask for nothing the device lacks.
    for (size_t i : {3u, 4u, 5u, 7u, 8u, 9u}) {
        const mouse::KeySlotBytes& factory = mouse::kFactoryButtonBytes[i];
        list[i].current = {static_cast<uint16_t>(i), factory[0], factory[1], factory[2], 0};
    }
    EXPECT_EQ(device->WriteKeyAssignments(list), kResultOk);
    EXPECT_EQ(mouse->KeyBlock(), expected);
}

// A macro file's "Events" as the macro panel writes them.
std::string MacroFile(size_t events) {
    std::string text = "{\"Events\": [";
    for (size_t i = 0; i < events; ++i) {
        if (i > 0) text += ",";
        text += i % 2 == 0 ? R"({"Delay": "300", "Type": 1, "Button": 65, "Action": "down"})"
                           : R"({"Delay": "300", "Type": 1, "Button": 65, "Action": "up"})";
    }
    return text + "]}";
}

void WriteMacroList(const std::filesystem::path& folder, const std::vector<size_t>& eventCounts) {
    std::string list = "{\"MacroInfo\": [";
    for (size_t i = 0; i < eventCounts.size(); ++i) {
        const std::string guid = "macro" + std::to_string(i);
        list += (i > 0 ? "," : "") + std::string("{\"MacroName\": \"M") + std::to_string(i) +
                "\", \"Guid\": \"" + guid + "\"}";
        WriteFile(folder / (guid + ".mac"), MacroFile(eventCounts[i]));
    }
    WriteFile(folder / "macro.config", list + "]}");
}

TEST_F(MouseDeviceTest, MacroImageReachesTheDeviceByteForByte) {
    StartUp();
    WriteMacroList(DataFolder(), {3, 5});
    EXPECT_EQ(device->WriteMacros(), 0);

    Bytes expected = {0xAA, 0x55, 0x3C, 0x00, 0x02, 0x00, 0,    0,    0,    0,
                      0,    0,    0,    0,    0,    0,    0x14, 0x00, 0x24, 0x00};
    const Bytes down = {0x2C, 0x01, 0x81, 0x41}, up = {0x2C, 0x01, 0x01, 0x41};
    for (size_t count : {3u, 5u}) {
        expected.insert(expected.end(), {static_cast<uint8_t>(count), 0x00, 0x00, 0x00});
        for (size_t e = 0; e < count; ++e)
            expected.insert(expected.end(), (e % 2 == 0 ? down : up).begin(), (e % 2 == 0 ? down : up).end());
    }
    ASSERT_EQ(expected.size(), 60u);
    EXPECT_EQ(mouse->MacroImage(), expected);
    const std::vector<FrameHeader> frames = {
        {0x03, 34, 0}, {0x01, 0, 0}, {0x15, 56, 0}, {0x15, 4, 56}, {0x02, 0, 0}};
    EXPECT_EQ(Headers(), frames);
}

TEST_F(MouseDeviceTest, NoMacroListSendsNothingAndIsNoFailure) {
    StartUp();
    EXPECT_EQ(device->WriteMacros(), 0);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x03}));
}

TEST_F(MouseDeviceTest, ShootImageCarriesTheFourPresetsWithEmptyEntriesForMissingFiles) {
    StartUp();
    WriteFile(DataFolder() / "ShootData_0.Shoot",
              R"({"Events": [{"Delay": 10, "Type": 1, "Button": 1, "Action": "down"},
                             {"Delay": 0, "Type": 1, "Button": 1, "Action": "up"}]})");
    WriteFile(DataFolder() / "ShootData_2.Shoot",
              R"({"Events": [{"Delay": 85, "Type": 5, "Button": 3, "Action": "up"}]})");
    EXPECT_EQ(device->SendShootData(), 0);

    const Bytes expected = {0xAA, 0x55, 0x34, 0x00, 0x04, 0x00, 0,    0,    0,    0,    0,    0,    0,
                            0,    0,    0,    0x18, 0x00, 0x24, 0x00, 0x28, 0x00, 0x30, 0x00, 0x02, 0x00,
                            0x00, 0x00, 0x0A, 0x00, 0x81, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
                            0x00, 0x01, 0x00, 0x00, 0x00, 0x55, 0x00, 0x05, 0x03, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(mouse->ShootImage(), expected);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x03, 0x01, 0x17, 0x02}));
}

class SmallMacroMemory : public MouseDeviceTest {
protected:
    static SimMouseModel Model() {
        SimMouseModel model = SimMouseModel::Mouse();
        model.macroMemoryUnits = 2;  // 256 bytes
        return model;
    }
    SmallMacroMemory() : MouseDeviceTest(Model()) {}
};

TEST_F(SmallMacroMemory, MacrosThatDoNotFitAreRefusedWithTheUnitsOver) {
    StartUp();
    WriteMacroList(DataFolder(), {34, 34});  // 16 + 12 + 4 x 68 = 300 bytes
    EXPECT_EQ(device->WriteMacros(), 12);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x03})) << "nothing but the information read";
    EXPECT_TRUE(mouse->MacroImage().empty());
}

TEST_F(MouseDeviceTest, DeviceRefusingTheImageIsAWriteFailure) {
    StartUp();
    WriteMacroList(DataFolder(), {2});
    mouse->FailFrame(3, 0xFF);  // frames 0-3: info, begin, the one macro chunk, end configuration
    EXPECT_EQ(device->WriteMacros(), -1);
}

struct ValidateCase {
    size_t macros;
    KeyAssignHalf expected;
};
void PrintTo(const ValidateCase& c, std::ostream* out) {
    *out << c.macros << " macros";
}

class ValidateMacroKeys : public MouseDeviceTest, public ::testing::WithParamInterface<ValidateCase> {};

// Button 3 is assigned macro number 2 in the profile; its default is the forward button.
TEST_P(ValidateMacroKeys, AssignmentToAMissingMacroFallsBackToTheDefault) {
    std::string profile = ReadFileBytes(std::string(KVELM_BIN_DIR) + "/DefaultData/mouse.Json");
    Json::Value doc;
    Json::Reader().parse(profile, doc);
    doc["Device"][0]["KeyList"][3]["Assignment"] = 0x700200;
    WriteFile(DataFolder() / "p1.Json", Json::StyledWriter().write(doc));
    WriteMacroList(DataFolder(), std::vector<size_t>(GetParam().macros, 1));
    StartUp();

    device->ValidateMacroKeys();
    EXPECT_EQ(device->Assignments()[3].current, GetParam().expected);
    EXPECT_TRUE(mouse->CommandFrames().empty()) << "validation sends nothing";
    ASSERT_EQ(device->WriteCurrentKeyAssignments(), 1);
    const Bytes block = mouse->KeyBlock();
    const size_t slot = device->ButtonSlots()[3];
    EXPECT_EQ(Bytes(block.begin() + 3 * slot, block.begin() + 3 * slot + 3),
              (Bytes{GetParam().expected.type, GetParam().expected.param1, GetParam().expected.param2}));
}

INSTANTIATE_TEST_SUITE_P(MacroCounts, ValidateMacroKeys,
                         ::testing::Values(ValidateCase{2, {3, 0x10, 0x10, 0x00, 0}},
                                           ValidateCase{3, {3, 0x70, 0x02, 0x00, 0}}));

TEST_F(MouseDeviceTest, LoadProfileCreatesTheProfileFileFromTheDefaultData) {
    device->SetProfileName("fresh");
    ASSERT_EQ(device->LoadProfile(), 1);
    const CJsonFile files;
    const Json::Value created = files.ReadJsonFile((DataFolder() / "fresh.Json").string());
    const Json::Value defaults = files.ReadJsonFile(std::string(KVELM_BIN_DIR) + "/DefaultData/mouse.Json");
    ASSERT_FALSE(defaults.isNull());
    EXPECT_EQ(created["Device"][0], defaults["Device"][0]);
    EXPECT_EQ(device->GetDpiStages().size(), 7u);
    EXPECT_EQ(device->GetSystemValues()[MouseValue::kPollingRate], 3);
}

TEST_F(MouseDeviceTest, LoadDefaultsOverwritesTheEditedProfileFile) {
    StartUp();
    MouseSystemValues values = device->GetSystemValues();
    values[MouseValue::kPollingRate] = 1;
    device->SetSystemValues(values);
    ASSERT_EQ(device->SaveProfile(), kResultOk);
    const CJsonFile files;
    EXPECT_EQ(
        files.ReadJsonFile((DataFolder() / "p1.Json").string())["Device"][0]["ReportStages"]["StageActive"]
            .asInt(),
        1);

    device->LoadDefaults();
    EXPECT_EQ(device->GetSystemValues()[MouseValue::kPollingRate], 3);
    EXPECT_EQ(
        files.ReadJsonFile((DataFolder() / "p1.Json").string())["Device"][0]["ReportStages"]["StageActive"]
            .asInt(),
        3);
}

TEST_F(MouseDeviceTest, ProfileSwitchSendsSettingsMacrosAndKeysInThatOrder) {
    ASSERT_EQ(device->ReadInitialState(), 1);
    mouse->ClearFrames();
    const ProfileSwitchResult result = SwitchToProfile(*device, "second");
    EXPECT_EQ(result.loaded, 1);
    EXPECT_EQ(result.settings, 1);
    EXPECT_EQ(result.macros, 0);
    EXPECT_EQ(result.assignments, 1);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x01, 0x06, 0x06, 0x02, 0x03, 0x03, 0x01, 0x09, 0x02}));
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "second.Json"));
}

}  // namespace
