// The command operations against the simulated mouse: what frames reach the device, what
// comes back, and the result codes.
#include <algorithm>
#include <functional>
#include <future>
#include "sim_channel_fixture.h"

namespace {

using CommandTest = SimChannelTest;

std::vector<uint8_t> Pattern(size_t length, uint8_t seed) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
    return bytes;
}

bool IsReadCommand(uint8_t command) {
    return command == Command::kReadDeviceInfo || command == Command::kReadMemory ||
           command == Command::kReadKeyBlock || command == Command::kReadSmallBlock ||
           command == Command::kReadKeyExtraBlock;
}

TEST_F(CommandTest, EachCommandSendsItsFramesWithLengthsAndOffsets) {
    const size_t keyBlockLength = mouse->KeyBlock().size();
    ASSERT_EQ(channel->SetDataLength(static_cast<int>(keyBlockLength)), 1);
    std::vector<uint8_t> buffer(512);
    std::vector<uint8_t> keyBlock = mouse->KeyBlock();
    DeviceInfoBlock info{};
    const uint8_t keyLength = static_cast<uint8_t>(keyBlockLength);
    const uint8_t extraLength = static_cast<uint8_t>(keyBlockLength / 3);

    struct Case {
        const char* name;
        std::function<int()> run;
        std::vector<FrameHeader> frames;
    };
    const Case cases[] = {
        {"BeginConfig", [&] { return channel->BeginConfig(); }, {{0x01, 0, 0}}},
        {"EndConfig", [&] { return channel->EndConfig(); }, {{0x02, 0, 0}}},
        {"ReadDeviceInfo", [&] { return channel->ReadDeviceInfo(info); }, {{0x03, 34, 0}}},
        {"ReadMemory 57 at 128",
         [&] { return channel->ReadMemory(std::span(buffer.data(), 57), 128); },
         {{0x05, 56, 128}, {0x05, 1, 184}}},
        {"WriteMemory 60 at 200",
         [&] { return channel->WriteMemory(std::span(buffer.data(), 60), 200); },
         {{0x06, 56, 200}, {0x06, 4, 256}}},
        {"ReadKeyBlock", [&] { return channel->ReadKeyBlock(buffer); }, {{0x07, keyLength, 0}}},
        {"WriteKeyBlock", [&] { return channel->WriteKeyBlock(keyBlock, 0); }, {{0x09, keyLength, 0}}},
        {"WriteMacroData 100",
         [&] { return channel->WriteMacroData(std::span(buffer.data(), 100)); },
         {{0x15, 56, 0}, {0x15, 44, 56}}},
        {"WriteShootData 60",
         [&] { return channel->WriteShootData(std::span(buffer.data(), 60)); },
         {{0x17, 56, 0}, {0x17, 4, 56}}},
        {"ReadSmallBlock 6 at 0",
         [&] { return channel->ReadSmallBlock(std::span(buffer.data(), 6), 0); },
         {{0x1A, 6, 0}}},
        {"ReadKeyExtraBlock", [&] { return channel->ReadKeyExtraBlock(buffer); }, {{0x1B, extraLength, 0}}},
        {"QueryLink", [&] { return channel->QueryLink() ? 1 : 0; }, {{0xAA, 0, 0}}},
    };
    for (const Case& c : cases) {
        mouse->ClearFrames();
        EXPECT_EQ(c.run(), kResultOk) << c.name << ": " << mouse->LastRefusal();
        EXPECT_EQ(ReceivedHeaders(), c.frames) << c.name;
        for (const auto& frame : mouse->CommandFrames()) {
            ASSERT_EQ(frame.size(), kFrameSize) << c.name;
            EXPECT_EQ(frame[0], kCommandReportId) << c.name;
            EXPECT_EQ(frame[7], 0) << c.name << ": requests carry status 0";
            if (IsReadCommand(frame[3]) || frame[3] <= Command::kEndConfig ||
                frame[3] == Command::kQueryLink) {
                EXPECT_TRUE(std::all_of(frame.begin() + 8, frame.end(), [](uint8_t b) { return b == 0; }))
                    << c.name << ": requests without data carry a zero payload";
            }
        }
    }
}

TEST_F(CommandTest, BeginConfigFrameIsExactlyTheCommandAndItsChecksum) {
    ASSERT_EQ(channel->BeginConfig(), kResultOk);
    std::vector<uint8_t> expected(kFrameSize, 0);
    expected[0] = 0x04;
    expected[1] = 0x01;  // checksum low: the command byte is the only nonzero byte counted
    expected[3] = 0x01;
    ASSERT_EQ(mouse->CommandFrames().size(), 1u);
    EXPECT_EQ(mouse->CommandFrames()[0], expected);
}

TEST_F(CommandTest, ShortLastChunkCarriesThePreviousChunksBytesAfterItsOwn) {
    std::vector<uint8_t> image(300);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i);
    ASSERT_EQ(channel->WriteMacroData(image), kResultOk);
    const auto frames = mouse->CommandFrames();
    ASSERT_EQ(frames.size(), 6u);
    // Bytes 8-27: image[280..299]; bytes 28-63: image[244..279] left from the fifth chunk.
    // The checksum 0x0FA6 counts those stale bytes.
    const std::vector<uint8_t> expectedLast = {
        0x04, 0xa6, 0x0f, 0x15, 0x14, 0x18, 0x01, 0x00, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d, 0x1e, 0x1f,
        0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x2b, 0xf4, 0xf5, 0xf6, 0xf7,
        0xf8, 0xf9, 0xfa, 0xfb, 0xfc, 0xfd, 0xfe, 0xff, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
        0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
    };
    EXPECT_EQ(frames[5], expectedLast);
    // The full chunks carry their own bytes.
    EXPECT_TRUE(std::equal(image.begin() + 56, image.begin() + 112, frames[1].begin() + 8));
}

TEST_F(CommandTest, ReadsCopyTheDevicesBytes) {
    mouse->SetSettingsBytes(128, Pattern(57, 0x31));
    std::vector<uint8_t> record(57);
    ASSERT_EQ(channel->ReadMemory(record, 128), kResultOk);
    const auto memory = mouse->SettingsMemory();
    EXPECT_EQ(record, std::vector<uint8_t>(memory.begin() + 128, memory.begin() + 185));

    DeviceInfoBlock info{};
    ASSERT_EQ(channel->ReadDeviceInfo(info), kResultOk);
    EXPECT_EQ(info, mouse->InfoBlock());

    const auto deviceKeys = mouse->KeyBlock();
    ASSERT_EQ(channel->SetDataLength(static_cast<int>(deviceKeys.size())), 1);
    std::vector<uint8_t> keys(512, 0xCC);
    ASSERT_EQ(channel->ReadKeyBlock(keys), kResultOk);
    EXPECT_EQ(std::vector<uint8_t>(keys.begin(), keys.begin() + deviceKeys.size()), deviceKeys);
    EXPECT_EQ(keys[deviceKeys.size()], 0xCC) << "nothing written past dataLength";

    std::vector<uint8_t> extra(deviceKeys.size() / 3);
    ASSERT_EQ(channel->ReadKeyExtraBlock(extra), kResultOk);
    EXPECT_EQ(extra, mouse->KeyExtraBlock());

    mouse->SetPowerRecord({87, 1, 1, 0, 2, 0});
    std::array<uint8_t, 6> power{};
    ASSERT_EQ(channel->ReadSmallBlock(power, 0), kResultOk);
    EXPECT_EQ(power, mouse->PowerRecord());
}

TEST_F(CommandTest, InformationBlockDecodesToTheModelsValues) {
    DeviceInfoBlock block{};
    ASSERT_EQ(channel->BeginConfig(), kResultOk);
    ASSERT_EQ(channel->ReadDeviceInfo(block), kResultOk);
    ASSERT_EQ(channel->EndConfig(), kResultOk);
    const DeviceInfo info = DecodeDeviceInfo(block);
    EXPECT_EQ(info.keySlots, mouse->KeyBlock().size() / 3);
    EXPECT_EQ(info.macroMemoryBytes, mouse->Model().macroMemoryUnits * 128u);
    EXPECT_EQ(info.sensor, 0x3327);
    EXPECT_EQ(info.dpiStep, 50);
    EXPECT_EQ(info.largestSliderPosition, mouse->Model().largestSliderPosition);
    EXPECT_EQ(info.smallestDpi, 100);
}

TEST_F(CommandTest, WritesReachTheDeviceMemory) {
    const auto data = Pattern(150, 0x10);
    ASSERT_EQ(channel->WriteMemory(data, 130), kResultOk);
    const auto memory = mouse->SettingsMemory();
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + 130, memory.begin() + 280), data);

    auto keys = mouse->KeyBlock();
    ASSERT_EQ(channel->SetDataLength(static_cast<int>(keys.size())), 1);
    keys[3] = 0x20;
    keys[4] = 0x00;
    keys[5] = 0x05;
    ASSERT_EQ(channel->WriteKeyBlock(keys, 0), kResultOk);
    EXPECT_EQ(mouse->KeyBlock(), keys);
}

TEST_F(CommandTest, StatusErrorEndsTheTransferAtTheFailingChunk) {
    struct Case {
        int failingFrame;
        uint8_t status;
        int result;
    };
    const Case cases[] = {{2, 0xFE, kResultStatusFE}, {0, 0xFF, kResultStatusFF}, {1, 0xFE, kResultStatusFE}};
    for (const Case& c : cases) {
        const auto before = mouse->SettingsMemory();
        const auto data = Pattern(150, static_cast<uint8_t>(0x40 + c.failingFrame));  // 3 chunks
        mouse->ClearFrames();
        mouse->FailFrame(c.failingFrame, c.status);
        EXPECT_EQ(channel->WriteMemory(data, 200), c.result) << "frame " << c.failingFrame;
        EXPECT_EQ(mouse->CommandFrames().size(), size_t(c.failingFrame + 1))
            << "nothing sent after the failure";
        // Chunks before the failing one stay applied; the failing one and the rest are not.
        const auto after = mouse->SettingsMemory();
        const size_t applied = 56 * size_t(c.failingFrame);
        EXPECT_TRUE(std::equal(data.begin(), data.begin() + applied, after.begin() + 200));
        EXPECT_TRUE(
            std::equal(before.begin() + 200 + applied, before.begin() + 350, after.begin() + 200 + applied));
    }
}

TEST_F(CommandTest, SingleFrameCommandsMapTheStatusToo) {
    mouse->FailFrame(0, 0xFF);
    EXPECT_EQ(channel->BeginConfig(), kResultStatusFF);
    mouse->FailFrame(0, 0xFE);
    EXPECT_EQ(channel->EndConfig(), kResultStatusFE);
    std::array<uint8_t, 6> power{};
    mouse->FailFrame(0, 0xFE);
    EXPECT_EQ(channel->ReadSmallBlock(power, 0), kResultStatusFE);
    EXPECT_EQ(power, (std::array<uint8_t, 6>{})) << "a refused read copies nothing";
}

TEST_F(CommandTest, RefusedArgumentsSendNothing) {
    ASSERT_EQ(channel->SetDataLength(48), 1);
    std::vector<uint8_t> small(47);
    std::vector<uint8_t> block(48);
    std::vector<uint8_t> big(64);
    struct Case {
        const char* name;
        std::function<int()> run;
        int result;
    };
    const Case cases[] = {
        {"WriteKeyBlock index 1", [&] { return channel->WriteKeyBlock(block, 1); }, kResultBadBlockIndex},
        {"WriteKeyBlock index -1", [&] { return channel->WriteKeyBlock(block, -1); }, kResultBadBlockIndex},
        {"ReadKeyBlock into 47 bytes", [&] { return channel->ReadKeyBlock(small); }, kResultBadArgument},
        {"WriteKeyBlock from 47 bytes", [&] { return channel->WriteKeyBlock(small, 0); }, kResultBadArgument},
        {"ReadKeyExtraBlock into 15 bytes",
         [&] { return channel->ReadKeyExtraBlock(std::span(small.data(), 15)); }, kResultBadArgument},
        {"ReadMemory past 0xFFFF", [&] { return channel->ReadMemory(std::span(big.data(), 17), 0xFFF0); },
         kResultBadArgument},
        {"ReadSmallBlock of 57 bytes", [&] { return channel->ReadSmallBlock(std::span(big.data(), 57), 0); },
         kResultBadArgument},
        {"WriteMacroData of nothing", [&] { return channel->WriteMacroData({}); }, kResultOk},
        {"ReadMemory of nothing", [&] { return channel->ReadMemory({}, 0); }, kResultOk},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.run(), c.result) << c.name;
        EXPECT_TRUE(mouse->CommandFrames().empty()) << c.name;
        mouse->ClearFrames();
    }
}

TEST_F(CommandTest, DataLengthAcceptsUpTo512) {
    struct Case {
        int length;
        int result;
        uint16_t after;
    };
    const Case cases[] = {{300, 1, 300},       {512, 1, 512}, {513, 0, 512},
                          {65536 + 5, 0, 512}, {-1, 0, 512},  {0, 1, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(channel->SetDataLength(c.length), c.result) << c.length;
        EXPECT_EQ(channel->dataLength.load(), c.after) << c.length;
    }
    // The length is what the key block transfers ask for.
    ASSERT_EQ(channel->SetDataLength(30), 1);
    std::vector<uint8_t> keys(512);
    ASSERT_EQ(channel->ReadKeyBlock(keys), kResultOk);
    ASSERT_EQ(channel->ReadKeyExtraBlock(keys), kResultOk);
    EXPECT_EQ(ReceivedHeaders(), (std::vector<FrameHeader>{{0x07, 30, 0}, {0x1B, 10, 0}}));
}

TEST_F(CommandTest, ClosedChannelFailsEveryCommandWithoutSending) {
    CDeviceProtocol neverOpened;
    std::vector<uint8_t> buffer(512);
    DeviceInfoBlock info{};
    for (CDeviceProtocol* target : {&neverOpened, channel.get()}) {
        if (target == channel.get()) channel->Close();
        const std::pair<const char*, std::function<int()>> operations[] = {
            {"BeginConfig", [&] { return target->BeginConfig(); }},
            {"EndConfig", [&] { return target->EndConfig(); }},
            {"ReadDeviceInfo", [&] { return target->ReadDeviceInfo(info); }},
            {"ReadMemory", [&] { return target->ReadMemory(std::span(buffer.data(), 57), 0); }},
            {"WriteMemory", [&] { return target->WriteMemory(std::span(buffer.data(), 57), 0); }},
            {"ReadKeyBlock", [&] { return target->ReadKeyBlock(buffer); }},
            {"WriteKeyBlock", [&] { return target->WriteKeyBlock(buffer, 0); }},
            {"WriteMacroData", [&] { return target->WriteMacroData(std::span(buffer.data(), 10)); }},
            {"WriteShootData", [&] { return target->WriteShootData(std::span(buffer.data(), 10)); }},
            {"ReadSmallBlock", [&] { return target->ReadSmallBlock(std::span(buffer.data(), 6), 0); }},
            {"ReadKeyExtraBlock", [&] { return target->ReadKeyExtraBlock(buffer); }},
            {"QueryLink", [&] { return target->QueryLink() ? 1 : 0; }},
        };
        for (const auto& [name, run] : operations) EXPECT_EQ(run(), kResultNoAnswer) << name;
        EXPECT_TRUE(mouse->CommandFrames().empty());
    }
}

TEST_F(CommandTest, ShootDataDoesNotWaitForTheCommandLock) {
    std::vector<uint8_t> image(100, 0x11);
    std::unique_lock<std::mutex> held(channel->commandLock);
    auto shoot = std::async(std::launch::async, [&] { return channel->WriteShootData(image); });
    ASSERT_EQ(shoot.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "WriteShootData waited for commandLock";
    EXPECT_EQ(shoot.get(), kResultOk);

    auto macro = std::async(std::launch::async, [&] { return channel->WriteMacroData(image); });
    EXPECT_EQ(macro.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout)
        << "WriteMacroData must wait for commandLock";
    held.unlock();
    EXPECT_EQ(macro.get(), kResultOk);
}

class WirelessCommandTest : public SimChannelTest {
protected:
    WirelessCommandTest() : SimChannelTest(SimMouseModel::MouseWireless()) {}
};

TEST_F(WirelessCommandTest, QueryLinkIsTrueOnlyWhileTheDeviceReportsTheLinkUp) {
    EXPECT_TRUE(channel->QueryLink());
    mouse->SetLinkUp(false);
    EXPECT_FALSE(channel->QueryLink());
    mouse->SetLinkUp(true);
    mouse->FailFrame(0, 0xFE);
    EXPECT_FALSE(channel->QueryLink()) << "an error status is no link";
}

}  // namespace
