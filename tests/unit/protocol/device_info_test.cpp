// Decoding the 34-byte information block.
#include <gtest/gtest.h>
#include "hid/protocol/device_info.h"

namespace {

TEST(DeviceInfo, DecodesTheFieldsLittleEndian) {
    DeviceInfoBlock block{};
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = 0xEE;  // uninterpreted bytes must not leak into the fields
    block[5] = 16;
    block[6] = 32;
    block[9] = 0x89;
    block[10] = 0x33;
    block[11] = 50;
    block[12] = 0x3E;
    block[13] = 0x01;
    block[14] = 0x64;
    block[15] = 0x00;
    const DeviceInfo info = DecodeDeviceInfo(block);
    EXPECT_EQ(info.keySlots, 16);
    EXPECT_EQ(info.macroUnits, 32);
    EXPECT_EQ(info.macroMemoryBytes, 4096u);
    EXPECT_EQ(info.sensor, 0x3389);
    EXPECT_EQ(info.dpiStep, 50);
    EXPECT_EQ(info.largestSliderPosition, 318);
    EXPECT_EQ(info.smallestDpi, 100);
}

TEST(DeviceInfo, LargestMacroMemoryDoesNotOverflow) {
    DeviceInfoBlock block{};
    block[6] = 0xFF;
    EXPECT_EQ(DecodeDeviceInfo(block).macroMemoryBytes, 255u * 128u);
}

}  // namespace
