// Frame building, chunk plans and the dump format, without a device.
#include <gtest/gtest.h>
#include "hid/protocol/frame.h"
#include "hid/protocol/protocol_codes.h"

namespace {

struct ChecksumCase {
    const char* name;
    std::vector<std::pair<size_t, uint8_t>> bytes;  // frame bytes set before sealing
    uint8_t low, high;
};

TEST(FrameChecksum, SumsBytesThreeToSixtyThreeLowByteFirst) {
    std::vector<std::pair<size_t, uint8_t>> sum1234;
    for (size_t i = 3; i < 21; ++i) sum1234.push_back({i, 0xFF});  // 18 x 0xFF = 0x11EE
    sum1234.push_back({21, 0x46});                                 // + 0x46 = 0x1234
    std::vector<std::pair<size_t, uint8_t>> allOnes;
    for (size_t i = 0; i < kFrameSize; ++i)
        allOnes.push_back({i, 0xFF});  // bytes 0-2 must not count: 61 x 0xFF = 0x3CC3

    const ChecksumCase cases[] = {
        {"command 1 without payload", {{0, 4}, {3, 1}}, 0x01, 0x00},
        {"sum 0x1234", sum1234, 0x34, 0x12},
        {"largest possible sum, header bytes ignored", allOnes, 0xC3, 0x3C},
        {"last payload byte counts", {{0, 4}, {3, 2}, {63, 0x80}}, 0x82, 0x00},
    };
    for (const ChecksumCase& c : cases) {
        Frame frame{};
        for (auto [index, value] : c.bytes) frame[index] = value;
        SealFrame(frame);
        EXPECT_EQ(frame[1], c.low) << c.name;
        EXPECT_EQ(frame[2], c.high) << c.name;
    }
}

TEST(FrameChecksum, SealingTwiceGivesTheSameChecksum) {
    // The checksum bytes themselves are outside the sum, so re-sealing is stable.
    Frame frame{};
    StartFrame(frame, 0x06);
    frame[8] = 0x99;
    SealFrame(frame);
    const Frame once = frame;
    SealFrame(frame);
    EXPECT_EQ(frame, once);
}

TEST(ChunkPlan, SplitsIntoFullChunksAndAShortLastOne) {
    struct Case {
        size_t length;
        uint16_t start;
        std::vector<Chunk> expected;
    };
    const Case cases[] = {
        {300, 0, {{0, 56, 0}, {56, 56, 56}, {112, 56, 112}, {168, 56, 168}, {224, 56, 224}, {280, 20, 280}}},
        {57, 128, {{0, 56, 128}, {56, 1, 184}}},
        {34, 0, {{0, 34, 0}}},
        {56, 0, {{0, 56, 0}}},
        {0, 0, {}},
        {112, 0xFF90, {{0, 56, 0xFF90}, {56, 56, 0xFFC8}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlanChunks(c.length, c.start), c.expected) << c.length << " bytes at " << c.start;
}

TEST(ChunkPlan, TransfersMustNotRunPastTheSixteenBitOffset) {
    EXPECT_TRUE(TransferFits(0x10000, 0));
    EXPECT_TRUE(TransferFits(16, 0xFFF0));
    EXPECT_TRUE(TransferFits(0, 0xFFFF));
    EXPECT_FALSE(TransferFits(17, 0xFFF0));
    EXPECT_FALSE(TransferFits(0x10001, 0));
}

TEST(FrameDump, FormatsTwoLinesOfThirtyTwoBytesWithTheGroupSpacing) {
    uint8_t frame[kFrameSize];
    for (size_t i = 0; i < kFrameSize; ++i) frame[i] = static_cast<uint8_t>(i == 0 ? 0xAB : i);
    EXPECT_EQ(FormatFrameDump("命令", frame),
              "命令\n"
              "ab 01 02 03   04 05 06 07   08 09 0a 0b   0c 0d 0e 0f  10 11 12 13  14 15 16 17  18 19 1a 1b  "
              "1c 1d 1e 1f\n"
              "20 21 22 23   24 25 26 27   28 29 2a 2b   2c 2d 2e 2f  30 31 32 33  34 35 36 37  38 39 3a 3b  "
              "3c 3d 3e 3f\n");
}

TEST(StatusMapping, OnlyFfAndFeAreErrors) {
    const std::pair<uint8_t, int> cases[] = {
        {0xFF, kResultStatusFF}, {0xFE, kResultStatusFE}, {0x00, kResultOk},
        {0x01, kResultOk},       {0xFD, kResultOk},
    };
    for (auto [status, result] : cases) EXPECT_EQ(ResultOfStatus(status), result) << int(status);
}

}  // namespace
