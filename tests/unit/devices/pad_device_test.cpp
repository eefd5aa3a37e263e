// The mouse pad device object against the simulated pad.
#include "kbpad_fixture.h"
#include "devices/pad/pad_power_record.h"

namespace {

class PadDeviceTest : public KbPadTest<SimPad, CVornakelMousePadDevice> {
protected:
    PadDeviceTest() : KbPadTest("MousePad", DeviceKind::kMousePad, 2) {}
};

TEST_F(PadDeviceTest, StartUpReadsInformationAndLoadsTheProfile) {
    device->SetProfileName("p1");
    device->OnDeviceTimer1();
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {3, 34, 0}, {2, 0, 0}}));
    EXPECT_EQ(device->GetLightEffect().selectItem, 2) << "the shipped pad profile";
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "p1.Json"));
}

TEST_F(PadDeviceTest, ClosedChannelStillLoadsTheProfile) {
    device->CloseCommandChannel();
    device->SetProfileName("p1");
    device->OnDeviceTimer1();
    EXPECT_TRUE(sim->CommandFrames().empty());
    EXPECT_EQ(device->GetLightEffect().selectItem, 2);
}

TEST_F(PadDeviceTest, LightingRecordReadFromTheActiveSlotWrittenAtZero) {
    std::vector<std::tuple<unsigned, uintptr_t>> messages;
    DeviceOwner owner;
    owner.sendMessage = [&](unsigned m, uintptr_t w, intptr_t) { messages.emplace_back(m, w); };
    device->SetOwnerWindow(owner);
    sim->SetSettingsBytes(0, {1});
    ASSERT_EQ(device->ReadLightingRecord(), 1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{5, 1, 0}, {5, 25, 25}}));
    EXPECT_EQ(messages, (std::vector<std::tuple<unsigned, uintptr_t>>{{0x0D00, 1}}));
    const pad::PadLightingRecord& record = device->LightingRecord();
    EXPECT_EQ(record[0], 1);
    EXPECT_EQ(record[3], 3) << "device speed byte 1 is level 3";
    EXPECT_EQ(record[9], 0x22);

    device->SetProfileName("p1");
    ASSERT_EQ(device->LoadProfile(), 1);  // mode 2, brightness 4, speed 2, colourful, 00 80 FF
    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {6, 21, 0}, {2, 0, 0}}));
    EXPECT_EQ(PayloadOf(1),
              (Bytes{1, 2, 4, 2, 0, 1, 0x00, 0x80, 0xFF, 0x22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
        << "further bytes as read; the profile's choice with its direction (read as 1), speed turned over";
    EXPECT_EQ(sim->SettingsMemory()[6], 0x00) << "slot 1's block at 25 is not written";
}

TEST_F(PadDeviceTest, PowerRecordWithThePhone) {
    sim->SetPowerRecord({35, 1, 0, 1, 9, 2});
    PowerStatusRecord record{};
    ASSERT_EQ(device->QueryPowerStatus(&record), 1);
    EXPECT_EQ(record, (PowerStatusRecord{35, 1, 0, 0, 9, 2})) << "byte 3 is the host's: a wired pad";
    const pad::PadPowerStatus status = pad::DecodePadPower(record);
    EXPECT_TRUE(status.charging);
    EXPECT_EQ(status.phone, pad::PhoneType::Samsung);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{26, 6, 0}}));
}

}  // namespace
