// The gun presets reaching a simulated mouse: the shoot-data image and its frames on both
// models, the wireless link check, and a button assigned to a preset.
#include <gtest/gtest.h>

#include "macros/shoot_assignment.h"
#include "macros/shoot_device.h"
#include "shoot_fixture.h"

// Test names and failure messages show the model by its name.
void PrintTo(const SimMouseModel& model, std::ostream* out) {
    *out << model.name;
}

namespace {

// The four events bytes of one bullet as the device receives them.
void AppendBullet(Bytes& image, const shoot::ShootBullet& b) {
    const uint8_t x = b.left ? 0x84 : 0x04, y = b.up ? 0x85 : 0x05;
    const Bytes events = {10,
                          0,
                          0x81,
                          1,
                          0,
                          0,
                          0x01,
                          1,
                          5,
                          0,
                          x,
                          static_cast<uint8_t>(b.horizontal),
                          static_cast<uint8_t>(b.delay & 0xFF),
                          static_cast<uint8_t>(b.delay >> 8),
                          y,
                          static_cast<uint8_t>(b.vertical),
                          0,
                          0,
                          x,
                          0,
                          0,
                          0,
                          y,
                          0};
    image.insert(image.end(), events.begin(), events.end());
}

shoot::ShootBullet BulletOf(int gun, int b) {
    return {b % 2 == 1, gun * 10 + b, b % 3 == 0, b, 100 * gun + b + 250};
}

class ShootDeviceTest : public MouseDeviceTest, public ::testing::WithParamInterface<SimMouseModel> {
protected:
    ShootDeviceTest() : MouseDeviceTest(GetParam()) {}
    void SetUp() override {
        MouseDeviceTest::SetUp();
        shoot::UseDeviceFolders(store, *device);
    }
    shoot::CShootStore store;
};

TEST_P(ShootDeviceTest, FourFullPresetsGoOutAsOneImageInChunksOf56) {
    StartUp();
    for (int gun = 0; gun < 4; ++gun) {
        shoot::CShootPreset preset;
        for (int b = 0; b < 30; ++b) ASSERT_TRUE(preset.SetBullet(b, BulletOf(gun, b)));
        ASSERT_EQ(CJsonFile().WriteJsonFile(store.PresetPath(gun), preset.Document()), 0);
    }
    EXPECT_EQ(shoot::SendPresets(*device, store), 0);

    // 16 + 6 x 4 + 4 x 720 = 2920 bytes; entries at 24, 748, 1472, 2196.
    Bytes expected = {0xAA, 0x55, 0x68, 0x0B, 0x04, 0x00, 0,    0,    0,    0,    0,    0,
                      0,    0,    0,    0,    0x18, 0x00, 0xEC, 0x02, 0xC0, 0x05, 0x94, 0x08};
    for (int gun = 0; gun < 4; ++gun) {
        expected.insert(expected.end(), {180, 0, 0, 0});
        for (int b = 0; b < 30; ++b) AppendBullet(expected, BulletOf(gun, b));
    }
    ASSERT_EQ(expected.size(), 2920u);
    EXPECT_EQ(mouse->ShootImage(), expected);

    std::vector<FrameHeader> frames = {{0x03, 34, 0}, {0x01, 0, 0}};
    for (uint16_t offset = 0; offset < 2920; offset += 56)
        frames.push_back({0x17, static_cast<uint8_t>(std::min(56, 2920 - offset)), offset});
    frames.push_back({0x02, 0, 0});
    EXPECT_EQ(Headers(), frames);
}

TEST_P(ShootDeviceTest, FirstSendSetsUpTheShippedDefaultsAndSendsThem) {
    StartUp();
    EXPECT_EQ(shoot::SendPresets(*device, store), 0);
    const Bytes image = mouse->ShootImage();
    ASSERT_EQ(image.size(), 2920u) << "four presets of 30 bullets";
    for (int gun = 0; gun < 4; ++gun)
        EXPECT_EQ(ReadFileBytes(store.PresetPath(gun)), ReadFileBytes(store.DefaultPath(gun))) << gun;
    // Every bullet starts with a left-button press of 10 ms.
    for (size_t entry : {24u, 748u, 1472u, 2196u})
        EXPECT_EQ(Bytes(image.begin() + entry + 4, image.begin() + entry + 8), (Bytes{10, 0, 0x81, 1}))
            << entry;
}

TEST_P(ShootDeviceTest, ABrokenPresetIsKeptAsideAndItsDefaultSent) {
    StartUp();
    WriteFile(DataFolder() / "ShootData_2.Shoot", "{\"Events\": [");
    EXPECT_EQ(shoot::SendPresets(*device, store), 0);
    EXPECT_EQ(ReadFileBytes(DataFolder() / "ShootData_2.Shoot.bad"), "{\"Events\": [");
    EXPECT_EQ(mouse->ShootImage().size(), 2920u);
}

TEST_P(ShootDeviceTest, AButtonAssignedAGunPresetCarriesItsNumberInTheKeyBlock) {
    StartUp();
    const int button = 3;
    const uint8_t slot = device->ButtonSlots()[button];
    ASSERT_NE(slot, mouse::kNoSlot);
    device->SetAssignment(button, shoot::GunPresetAssignment(2, button));
    ASSERT_EQ(device->WriteCurrentKeyAssignments(), 1);
    const Bytes block = mouse->KeyBlock();
    EXPECT_EQ(Bytes(block.begin() + 3 * slot, block.begin() + 3 * slot + 3), (Bytes{0x72, 0x02, 0x00}));
    EXPECT_EQ(shoot::AssignedGunPreset(device->Assignments()[button].current), 2);
}

INSTANTIATE_TEST_SUITE_P(BothModels, ShootDeviceTest,
                         ::testing::Values(SimMouseModel::Mouse(), SimMouseModel::Mouse3389()),
                         [](const auto& info) { return info.param.name; });

class WirelessShootTest : public MouseDeviceTest {
protected:
    WirelessShootTest() : MouseDeviceTest(SimMouseModel::MouseWireless()) {}
};

TEST_F(WirelessShootTest, LinkDownSendsNoShootData) {
    StartUp();
    mouse->SetLinkUp(false);
    shoot::CShootStore store;
    shoot::UseDeviceFolders(store, *device);
    EXPECT_EQ(shoot::SendPresets(*device, store), -1);
    for (uint8_t command : Commands()) EXPECT_NE(command, 0x17);
    EXPECT_TRUE(mouse->ShootImage().empty());
}

TEST(GunPresetAssignment, NumbersAreKeptWithinTheFourPresets) {
    struct Case {
        int asked, stored;
    } cases[] = {{0, 0}, {3, 3}, {4, 3}, {-1, 0}};
    for (const Case& c : cases) {
        const KeyAssignHalf half = shoot::GunPresetAssignment(c.asked);
        EXPECT_EQ(half.type, 0x72);
        EXPECT_EQ(half.param1, c.stored) << c.asked;
        EXPECT_EQ(half.param2, 0);
        EXPECT_EQ(shoot::AssignedGunPreset(half), c.stored);
    }
    EXPECT_EQ(shoot::AssignedGunPreset(KeyAssignHalf{0, 0x70, 2, 0, 0}), -1) << "a macro is no gun preset";
    EXPECT_EQ(shoot::AssignedGunPreset(KeyAssignHalf{0, 0x72, 9, 0, 0}), -1) << "no preset 9 on the device";
}

}  // namespace
