#include <gtest/gtest.h>

#include <vector>

#include "devices/pad/pad_lighting_record.h"
#include "devices/pad/pad_power_record.h"

using namespace pad;

TEST(PadLighting, DecodeTakesTwentyOneBytesAndTurnsSpeed) {
    std::vector<uint8_t> block(25);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(0x40 + i);
    block[lighting::kSpeed] = 1;
    PadLightingRecord record{};
    ASSERT_EQ(DecodePadLighting(block, 1, &record), 1);
    EXPECT_EQ(record[0], 1) << "byte 0 is the slot read";
    EXPECT_EQ(record[lighting::kSpeed], 3);
    EXPECT_EQ(record[lighting::kDirection], 0x44);
    EXPECT_EQ(record[20], 0x54) << "the further bytes are kept as read";
    block[lighting::kSpeed] = 0x80;
    ASSERT_EQ(DecodePadLighting(block, 0, &record), 1);
    EXPECT_EQ(record[lighting::kSpeed], 0);
    EXPECT_EQ(DecodePadLighting(std::vector<uint8_t>(20), 0, &record), 0);
}

TEST(PadLighting, ChoiceAndWrite) {
    PadLightingRecord record{};
    record[lighting::kDirection] = 7;
    record[12] = 0x5A;
    ApplyPadLightChoice({4, 2, 1, 1, 1, 0x10, 0x20, 0x30}, record);
    const PadLightingRecord written = EncodePadLightingWrite(record);
    // The direction chosen replaces the one read; the further bytes stay as read.
    const PadLightingRecord expected = {0, 4,    2, 3, 1, 1, 0x10, 0x20, 0x30, 0, 0,
                                        0, 0x5A, 0, 0, 0, 0, 0,    0,    0,    0};
    EXPECT_EQ(written, expected);
    EXPECT_EQ(record[lighting::kSpeed], 1) << "the held record stays in the profile's scale";
    record[lighting::kSpeed] = 12;
    EXPECT_EQ(EncodePadLightingWrite(record)[lighting::kSpeed], 0);
}

TEST(PadPower, DecodesStatesAndPhones) {
    struct Case {
        std::vector<uint8_t> record;
        uint8_t battery;
        PowerState state;
        bool charging;
        PhoneType phone;
    };
    const Case cases[] = {
        {{80, 1, 0, 0, 0, 1}, 80, PowerState::Charging, true, PhoneType::IPhone},
        {{100, 0, 0, 0, 0, 2}, 100, PowerState::Powered, false, PhoneType::Samsung},
        {{15, 2, 0, 0, 0, 3}, 15, PowerState::OnBattery, false, PhoneType::Other},
        {{250, 9, 0, 0, 0, 9}, 100, PowerState::Unknown, false, PhoneType::None},
        {{50, 1}, 50, PowerState::Charging, true, PhoneType::None},
    };
    for (const Case& c : cases) {
        const PadPowerStatus status = DecodePadPower(c.record);
        EXPECT_EQ(status.battery, c.battery);
        EXPECT_EQ(status.state, c.state);
        EXPECT_EQ(status.charging, c.charging);
        EXPECT_EQ(status.phone, c.phone);
    }
    EXPECT_STREQ(PowerStateName(PowerState::Charging), "charging");
    EXPECT_STREQ(PhoneTypeName(PhoneType::Other), "other");
}
