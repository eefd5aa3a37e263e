#include <gtest/gtest.h>

#include "devices/light_sync_modes.h"
#include "hid/protocol/supported_devices.h"

namespace {

using K = LightSyncKind;

TEST(LightSyncModes, EquivalentModes) {
    struct Case {
        K from;
        uint8_t mode;
        K to;
        std::optional<uint8_t> expected;
    };
    const Case cases[] = {
        {K::Mouse, 7, K::Keyboard, 17},
        {K::Mouse, 7, K::MousePad, 4},
        {K::Mouse, 7, K::Headset, 4},
        {K::Keyboard, 24, K::Mouse, 11},
        {K::Keyboard, 3, K::Mouse, 4},
        {K::MousePad, 8, K::Keyboard, 24},
        {K::Headset, 1, K::Mouse, 1},
        {K::MousePad, 2, K::Keyboard, 2},
        {K::Mouse, 4, K::MousePad, 3},
        {K::Mouse, 5, K::Keyboard, std::nullopt},
        {K::Keyboard, 8, K::Mouse, std::nullopt},
        {K::Keyboard, 4, K::Mouse, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EquivalentMode(c.from, c.mode, c.to), c.expected)
            << int(c.from) << " mode " << int(c.mode) << " to " << int(c.to);
}

TEST(LightSyncModes, KindsOfTheDeviceTable) {
    EXPECT_EQ(LightSyncKindOf(DeviceKind::kMouseVariant), K::Mouse);
    EXPECT_EQ(LightSyncKindOf(DeviceKind::kMousePad), K::MousePad);
    EXPECT_EQ(LightSyncKindOf(DeviceKind::kHeadsetHs6533), K::Headset);
    EXPECT_FALSE(LightSyncKindOf(DeviceKind::kHeadsetIconOnly).has_value());
    EXPECT_EQ(CommonEffectOf(K::Keyboard, 17), CommonEffect::Flashing);
}

}  // namespace
