// The keyboard device object against the simulated keyboard: what reaches the device.
#include <json/json.h>

#include <fstream>

#include "kbpad_fixture.h"

namespace {

class KeyboardDeviceTest : public KbPadTest<SimKeyboard, CVornakelKeyboardDevice> {
protected:
    KeyboardDeviceTest() : KbPadTest("keyboard", DeviceKind::kKeyboard, 0) {}

    void StartUp() {
        device->SetLedCount(126);
        ASSERT_EQ(device->ReadDeviceState(), 1);
        device->SetProfileName("p1");
        ASSERT_EQ(device->LoadProfile(), 1);
        sim->ClearFrames();
    }
    Json::Value ProfileDevice() const {
        Json::Value root;
        Json::Reader().parse(ReadFileBytes(DataFolder() / "p1.Json"), root);
        return root["Device"][0];
    }
};

TEST_F(KeyboardDeviceTest, ReadsTheKeyMatrixAndMatchesLeds) {
    ASSERT_EQ(device->ReadDeviceState(), 1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0},
                                                   {3, 34, 0},
                                                   {7, 56, 0},
                                                   {7, 56, 56},
                                                   {7, 56, 112},
                                                   {7, 56, 168},
                                                   {7, 56, 224},
                                                   {7, 56, 280},
                                                   {7, 30, 336},
                                                   {27, 56, 0},
                                                   {27, 56, 56},
                                                   {27, 10, 112},
                                                   {2, 0, 0}}));
    const keyboard::LedKeyMap& map = device->LedKeyMap();
    EXPECT_EQ(map[124], 0) << "device key 0 reports the fifth side key";
    EXPECT_EQ(map[0], 121) << "Esc is the last key of the device's matrix";
    EXPECT_EQ(map[125], keyboard::kNoKeySlot) << "the keyboard has no right GUI key";
    EXPECT_EQ(map[18], keyboard::kNoKeySlot) << "the empty code names no key";
    // Every mapped LED points at a device key whose code is its identity.
    const Bytes table = sim->KeyTable();
    size_t mapped = 0;
    for (size_t led = 0; led < keyboard::kLedCount; ++led) {
        if (map[led] == keyboard::kNoKeySlot) continue;
        ++mapped;
        const keyboard::KeyCode& id = keyboard::LedIdentityTable()[led];
        EXPECT_EQ(Bytes(table.begin() + map[led] * 3, table.begin() + map[led] * 3 + 3),
                  (Bytes{id.type, id.param1, id.param2}));
    }
    EXPECT_EQ(mapped, 120u) << "126 LEDs less 5 blank less the missing key";
}

TEST_F(KeyboardDeviceTest, NoKeysMapsNoLed) {
    sim->SetKeyTable(Bytes{});
    device->ReadDeviceState();
    for (uint8_t key : device->LedKeyMap()) EXPECT_EQ(key, keyboard::kNoKeySlot);
    EXPECT_EQ(device->DeviceKeyCount(), 0u);
}

TEST_F(KeyboardDeviceTest, SettingsBlockBytes) {
    StartUp();
    LightInfoRecord effect{8, 3, 1, 2, 1, 0x11, 0x22, 0x33};
    device->SetLightEffect(effect);
    KeyboardSystemSettings stages;
    stages.words = {PackHalves(5, 2), PackHalves(1, 3), PackHalves(1, 0)};
    device->SetSystemStages(stages);
    device->PaintCustomKey(0);  // Esc in the colour 11 22 33
    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    // In the custom colour mode the block is followed by the colours: 122 keys x 3 bytes.
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0},
                                                   {6, 25, 0},
                                                   {2, 0, 0},
                                                   {1, 0, 0},
                                                   {0x12, 56, 0},
                                                   {0x12, 56, 56},
                                                   {0x12, 56, 112},
                                                   {0x12, 56, 168},
                                                   {0x12, 56, 224},
                                                   {0x12, 56, 280},
                                                   {0x12, 30, 336},
                                                   {2, 0, 0}}));
    const size_t escAt = size_t{sim->KeyLightPositions().at(device->LedKeyMap()[0])} * 3;
    const Bytes colours = sim->LightFrame();
    EXPECT_EQ(
        Bytes(colours.begin() + static_cast<long>(escAt), colours.begin() + static_cast<long>(escAt) + 3),
        (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(PayloadOf(1),
              (Bytes{0, 8, 3, 3, 2, 1, 0x11, 0x22, 0x33, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 3, 0, 0}));
    // A light preset (mode 25 and up) goes out as mode 0.
    effect.selectItem = 30;
    device->SetLightEffect(effect);
    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    EXPECT_EQ(PayloadOf(1)[1], 0);
    EXPECT_EQ(Headers().size(), 3u) << "no colours outside the custom colour mode";
}

TEST_F(KeyboardDeviceTest, ReadsTheActiveSlotBackIntoTheProfile) {
    StartUp();
    sim->SetSettingsBytes(0, {2});  // slot 2: mode 17, brightness 3, speed byte 4, blue
    ASSERT_EQ(device->ReadLightBlock(), 1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{5, 1, 0}, {5, 25, 50}}));
    EXPECT_EQ(device->GetLightEffect().selectItem, 17);
    EXPECT_EQ(device->GetLightEffect().speed, 0);
    const Json::Value saved = ProfileDevice();
    EXPECT_EQ(saved["LightInfo"]["SelectItem"].asInt(), 17);
    EXPECT_EQ(saved["LightInfo"]["Blue"].asInt(), 255);
    EXPECT_EQ(saved["SystemStages"]["WFlag"].asInt(), 0);
    EXPECT_EQ(saved["SystemStages"]["PollingRate"].asInt(), 3) << "the polling rate is not read back";
}

TEST_F(KeyboardDeviceTest, KeyAssignmentReachesTheKeyUnderItsLed) {
    StartUp();
    device->SetAssignment(0, KeyAssignHalf{0, 0x30, 0xE9, 0x00});  // Esc becomes volume up
    const Bytes before = sim->KeyTable();
    ASSERT_EQ(device->WriteCurrentKeyAssignments(), 1);
    EXPECT_EQ(Headers().front(), (FrameHeader{3, 34, 0}));
    Bytes expected = before;
    expected[121 * 3] = 0x30;
    expected[121 * 3 + 1] = 0xE9;
    expected[121 * 3 + 2] = 0x00;
    EXPECT_EQ(sim->KeyTable(), expected)
        << "only Esc's key changes; the unknown and blank keys keep their codes";
}

TEST_F(KeyboardDeviceTest, KeyAssignmentsRefusedWithoutTheMatrix) {
    device->SetProfileName("p1");
    ASSERT_EQ(device->LoadProfile(), 1);
    EXPECT_EQ(device->WriteCurrentKeyAssignments(), 0);
    EXPECT_TRUE(sim->CommandFrames().empty());
}

TEST_F(KeyboardDeviceTest, MacroImage) {
    StartUp();
    WriteFile(DataFolder() / "macro.config", R"({"MacroInfo":[{"MacroName":"a","Guid":"g1"}]})");
    WriteFile(
        DataFolder() / "g1.mac",
        R"({"Events":[{"Delay":"300","Type":1,"Action":"down","Button":4},{"Delay":"5","Type":1,"Action":"up","Button":4}]})");
    ASSERT_EQ(device->WriteMacros(), 0);
    EXPECT_EQ(sim->MacroImage(), (Bytes{0xAA, 0x55, 30, 0, 1, 0, 0, 0,    0,    0,    0, 0, 0, 0,    0,
                                        0,    18,   0,  2, 0, 0, 0, 0x2C, 0x01, 0x81, 4, 5, 0, 0x01, 4}));
}

TEST_F(KeyboardDeviceTest, MacrosOverTheMemoryAreCounted) {
    StartUp();
    // 32 x 128 = 4096 bytes of memory: 16 + 6 + 4 x 1021 = 4106 bytes is 10 over: (10 / 4) + 1.
    std::string events;
    for (int i = 0; i < 1021; ++i)
        events += std::string(i ? "," : "") + R"({"Delay":"1","Type":1,"Action":"down","Button":4})";
    WriteFile(DataFolder() / "macro.config", R"({"MacroInfo":[{"MacroName":"a","Guid":"g1"}]})");
    WriteFile(DataFolder() / "g1.mac", R"({"Events":[)" + events + "]}");
    EXPECT_EQ(device->WriteMacros(), 3);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{3, 34, 0}})) << "nothing but the information read";
}

TEST_F(KeyboardDeviceTest, CustomColoursInModeEight) {
    StartUp();
    device->SetLightEffect(LightInfoRecord{3, 4, 2, 0, 0, 0x10, 0x20, 0x30});
    const std::string before = ReadFileBytes(DataFolder() / "p1.Json");
    EXPECT_EQ(device->PaintCustomKey(5), -1);
    EXPECT_EQ(ReadFileBytes(DataFolder() / "p1.Json"), before) << "painting in mode 3 writes nothing";

    device->SetCustomColourGroup(2);
    device->SetLightEffect(LightInfoRecord{8, 4, 2, 0, 0, 0x10, 0x20, 0x30});
    ASSERT_EQ(device->PaintCustomKey(5), kResultOk);
    Json::Value group = ProfileDevice()["CustomLightMode"]["LightColorInfo"][2];
    ASSERT_EQ(group.size(), 126u);
    EXPECT_EQ(group[5]["Red"].asInt(), 0x10);
    EXPECT_EQ(group[5]["Blue"].asInt(), 0x30);
    EXPECT_EQ(group[4]["Red"].asInt(), 0);

    // Group 1 starts from what it stored; painting it leaves group 2 alone.
    device->SetCustomColourGroup(1);
    device->LoadCustomColours();
    EXPECT_EQ(device->GetLedColour(5), 0u);
    ASSERT_EQ(device->FillCustomColours(true), kResultOk);
    const Json::Value saved = ProfileDevice()["CustomLightMode"]["LightColorInfo"];
    EXPECT_EQ(saved[1][100]["Green"].asInt(), 0x20);
    EXPECT_EQ(saved[2][100]["Green"].asInt(), 0);

    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    EXPECT_EQ(PayloadOf(1)[1], 8) << "the block carries mode 8";
}

TEST_F(KeyboardDeviceTest, SwitchingBetweenTwoCustomColourProfilesTakesTheNewOnesColours) {
    StartUp();
    device->SetLightEffect(LightInfoRecord{8, 4, 2, 0, 0, 0x10, 0x20, 0x30});
    ASSERT_EQ(device->PaintCustomKey(0), kResultOk);
    // p2: the same lighting, but Esc stored in another colour.
    Json::Value root;
    Json::Reader().parse(ReadFileBytes(DataFolder() / "p1.Json"), root);
    Json::Value& esc = root["Device"][0]["CustomLightMode"]["LightColorInfo"][0][0];
    esc["Red"] = 0x99;
    esc["Green"] = 0x88;
    esc["Blue"] = 0x77;
    std::ofstream(DataFolder() / "p2.Json") << Json::StyledWriter().write(root);

    device->SetProfileName("p2");
    ASSERT_EQ(device->LoadProfile(), 1);
    EXPECT_EQ(device->GetLedColour(0) & 0xFFFFFFu, 0x778899u) << "p2's colours, not those of p1";
    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    const size_t escAt = size_t{sim->KeyLightPositions().at(device->LedKeyMap()[0])} * 3;
    const Bytes colours = sim->LightFrame();
    EXPECT_EQ(
        Bytes(colours.begin() + static_cast<long>(escAt), colours.begin() + static_cast<long>(escAt) + 3),
        (Bytes{0x99, 0x88, 0x77}));
    // Painting another key in p2 keeps p2's Esc, and p1 keeps its own.
    ASSERT_EQ(device->PaintCustomKey(1), kResultOk);
    EXPECT_EQ(ProfileDevice()["CustomLightMode"]["LightColorInfo"][0][0]["Red"].asInt(), 0x10) << "p1";
    Json::Value p2;
    Json::Reader().parse(ReadFileBytes(DataFolder() / "p2.Json"), p2);
    EXPECT_EQ(p2["Device"][0]["CustomLightMode"]["LightColorInfo"][0][0]["Red"].asInt(), 0x99);
}

TEST_F(KeyboardDeviceTest, ResyncAndKeyEventsOnTheInputChannel) {
    StartUp();
    ASSERT_TRUE(device->OpenInputChannel(consumerPath));
    sim->PressKey(121);  // Esc's device key
    sim->RequestResync();
    ASSERT_TRUE(device->WaitForQueuedResync(2000));
    EXPECT_EQ(device->PressedLeds(), (std::set<int>{0})) << "the key event came before the request";
    EXPECT_TRUE(device->RunQueuedTasks());
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{5, 1, 0}, {5, 25, 0}})) << "the resync reads the block";
    EXPECT_EQ(device->ResyncTimerMs(), 100);
    sim->ReleaseKey(121);
    sim->RequestResync();
    ASSERT_TRUE(device->WaitForQueuedResync(2000));
    EXPECT_TRUE(device->PressedLeds().empty());
    device->CloseInputChannel();
}

}  // namespace
