// The mouse's page operations: one call stores the value, saves the profile file and writes
// the device; what reached the simulated mouse and the file on disk is checked.
#include <functional>

#include "device_fixture.h"
#include "devices/mouse_operations.h"

namespace {

// The saved profile as a fresh mouse object reads it back.
struct Saved {
    std::vector<DpiStage> stages;
    MouseSystemValues values;
};

class MouseOperations : public MouseDeviceTest {
protected:
    Saved ReadBack() {
        CVornakelMouseDevice other;
        other.SetFolderTag(device->FolderTag());
        other.SetConfigName("tolva_light");
        other.SetProfileName("p1");
        EXPECT_EQ(other.LoadProfile(), 1);
        return {other.GetDpiStages(), other.GetSystemValues()};
    }
    Bytes Record() const {
        const Bytes memory = mouse->SettingsMemory();
        return Bytes(memory.begin(), memory.begin() + 86);
    }
};

const std::vector<uint8_t> kSettingsWrite = {0x01, 0x06, 0x06, 0x02};

}  // namespace

TEST_F(MouseOperations, DeviceValuesAreSavedAndWritten) {
    StartUp();
    struct Case {
        const char* name;
        std::function<int(CVornakelMouseDevice&)> operation;
        size_t recordByte;
        uint8_t expected;
        std::function<bool(const Saved&)> saved;
    };
    const Case cases[] = {
        // Sensor 0x3327, step 50: 3100 DPI is position 60 (stage 2 at record bytes 19-20).
        {"typed DPI", [](auto& m) { return m.SetDpiStageText(2, "3100"); }, 19, 60,
         [](const Saved& s) { return s.stages.size() > 2 && s.stages[2].X() == 60; }},
        {"slider", [](auto& m) { return m.SetDpiStagePosition(6, 70); }, 28, 70,
         [](const Saved& s) { return s.stages.size() > 6 && s.stages[6].X() == 70; }},
        {"polling rate", [](auto& m) { return m.SetPollingRate(1); }, 14, 1,
         [](const Saved& s) { return s.values[MouseValue::kPollingRate] == 1; }},
        {"MSH item", [](auto& m) { return m.SetSystemValue(MouseValue::kMshItem, 2); }, 55, 2,
         [](const Saved& s) { return s.values[MouseValue::kMshItem] == 2; }},
    };
    for (const Case& c : cases) {
        mouse->ClearFrames();
        EXPECT_EQ(c.operation(*device), kResultOk) << c.name;
        EXPECT_EQ(Commands(), kSettingsWrite) << c.name;
        EXPECT_EQ(Record()[c.recordByte], c.expected) << c.name;
        EXPECT_TRUE(c.saved(ReadBack())) << c.name;
    }
}

TEST_F(MouseOperations, ProfileOnlyValuesAreSavedAndNotSent) {
    StartUp();
    EXPECT_EQ(device->SetSystemValue(MouseValue::kMouseSpeed, 7), kResultOk);
    EXPECT_EQ(device->SetScrolling(true, 5), kResultOk);
    EXPECT_TRUE(mouse->CommandFrames().empty());
    const Saved saved = ReadBack();
    EXPECT_EQ(saved.values[MouseValue::kMouseSpeed], 7);
    EXPECT_EQ(saved.values[MouseValue::kScrollByPage], 1);
    EXPECT_EQ(saved.values[MouseValue::kWheelScrollLines], 5);
}

TEST_F(MouseOperations, RefusalsAndFailuresAreReported) {
    StartUp();
    const Saved before = ReadBack();
    EXPECT_EQ(device->SetDpiStagePosition(7, 10), kResultBadArgument);
    EXPECT_EQ(device->SetDpiStageEnabled(-1, true), kResultBadArgument);
    EXPECT_EQ(device->SetSystemValue(MouseValue::kCount, 1), kResultBadArgument);
    EXPECT_TRUE(mouse->CommandFrames().empty());
    EXPECT_EQ(ReadBack().values, before.values);

    // A mouse that is gone keeps the choice in its profile and says it was not written.
    device->CloseCommandChannel();
    EXPECT_EQ(device->SetPollingRate(2), kResultNoAnswer);
    EXPECT_EQ(ReadBack().values[MouseValue::kPollingRate], 2);
}
