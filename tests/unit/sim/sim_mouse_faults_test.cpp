// Fault injection and the frame log of the simulated mouse.
#include <gtest/gtest.h>
#include <chrono>
#include <thread>
#include "sim/sim_backend.h"
#include "sim_test_host.h"

namespace {

class SimMouseFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        host_ = std::make_unique<SimMouseHost>();
        ASSERT_TRUE(host_->Opened());
    }
    void TearDown() override {
        host_.reset();
        SimHidBus::Instance().UnplugAll();
    }
    SimMouse& Mouse() { return host_->Mouse(); }

    std::unique_ptr<SimMouseHost> host_;
};

TEST_F(SimMouseFaultsTest, FailFrameAnswersTheChosenFrameOnlyAndDropsIt) {
    Mouse().FailFrame(2, 0xFE);
    Mouse().FailFrame(3, 0xFF);
    Bytes statuses;
    for (uint16_t p = 0; p < 5 * 56; p += 56)
        statuses.push_back(Status(host_->Transact(6, 1, static_cast<uint16_t>(p + 128), {0xEE})));
    EXPECT_EQ(statuses, (Bytes{0, 0, 0xFE, 0xFF, 0}));
    const Bytes memory = Mouse().SettingsMemory();
    EXPECT_EQ(memory[128], 0xEE);
    EXPECT_EQ(memory[128 + 56], 0xEE);
    EXPECT_NE(memory[128 + 112], 0xEE);  // refused frames were not applied
    EXPECT_NE(memory[128 + 168], 0xEE);
    EXPECT_EQ(memory[128 + 224], 0xEE);
}

TEST_F(SimMouseFaultsTest, WrongEchoesGoAheadOfTheProperAnswer) {
    Mouse().SetWrongEcho(2);
    ASSERT_TRUE(host_->Send(MakeFrame(3, 34, 0)));
    Bytes echoes;
    for (int i = 0; i < 3; ++i) {
        const Bytes answer = host_->Receive();
        ASSERT_EQ(answer.size(), 64u);
        echoes.push_back(answer[3]);
        EXPECT_EQ(answer[8 + 9] | answer[8 + 10] << 8, 0x3327);  // each carries the information block
    }
    EXPECT_EQ(echoes, (Bytes{0xFC, 0xFC, 0x03}));
    EXPECT_TRUE(host_->Receive(50).empty());
    EXPECT_EQ(host_->Transact(1, 0, 0)[3], 1);  // used up
}

TEST_F(SimMouseFaultsTest, SilentDeviceLogsButNeitherAnswersNorApplies) {
    Mouse().SetSilent(true);
    EXPECT_TRUE(host_->Transact(MakeFrame(6, 1, 300, {0x77}), 100).empty());
    EXPECT_NE(Mouse().SettingsMemory()[300], 0x77);
    ASSERT_EQ(Mouse().CommandFrames().size(), 1u);

    Mouse().SetSilent(false);
    EXPECT_EQ(Status(host_->Transact(6, 1, 300, {0x77})), 0);
    EXPECT_EQ(Mouse().SettingsMemory()[300], 0x77);
}

TEST_F(SimMouseFaultsTest, DelayedAnswerTimesOutAShortReadAndArrivesLater) {
    Mouse().SetAnswerDelay(300);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(host_->Send(MakeFrame(0xAA, 0, 0)));
    EXPECT_TRUE(host_->Receive(50).empty());
    const Bytes answer = host_->Receive(2000);
    ASSERT_EQ(answer.size(), 64u);
    EXPECT_EQ(answer[3], 0xAA);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

TEST_F(SimMouseFaultsTest, FrameLogKeepsEveryInterfaceAndFiltersCommands) {
    SimHidBackend backend;
    const int id = Mouse().BusId();
    auto boot = backend.Open(SimPath(id, 0, 0), true, true, false);
    auto controls = backend.Open(SimPath(id, 1, 1), true, true, false);
    ASSERT_TRUE(boot && controls);
    const uint8_t leds[] = {1, 0x02};
    const uint8_t nonsense[] = {9, 1, 2};
    EXPECT_EQ(controls->WriteOutput(leds, sizeof leds), 2);           // keyboard LEDs: taken
    EXPECT_EQ(controls->WriteOutput(nonsense, sizeof nonsense), -1);  // no such output report
    EXPECT_EQ(boot->WriteOutput(leds, sizeof leds), -1);              // boot mouse: no output at all
    const Bytes command = MakeFrame(1, 0, 0);
    ASSERT_TRUE(host_->Send(command));

    const std::vector<SimFrame> frames = Mouse().Frames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].interfaceNumber, 1);
    EXPECT_EQ(frames[0].bytes, (Bytes{1, 0x02}));
    EXPECT_EQ(frames[2].interfaceNumber, 0);
    EXPECT_EQ(frames[3].bytes, command);
    EXPECT_EQ(Mouse().CommandFrames(), std::vector<Bytes>{command});

    Mouse().ClearFrames();
    EXPECT_TRUE(Mouse().Frames().empty());
}

TEST_F(SimMouseFaultsTest, ShortCommandReportIsZeroPadded) {
    SimHidBackend backend;
    auto raw = backend.Open(SimPath(Mouse().BusId(), 1, 4), true, true, false);
    ASSERT_TRUE(raw);
    const uint8_t beginConfig[] = {4, 1, 0, 1};  // checksum 1 over a zero-padded frame
    ASSERT_EQ(raw->WriteOutput(beginConfig, sizeof beginConfig), 4);
    uint8_t answer[64] = {};
    ASSERT_EQ(raw->ReadInput(answer, sizeof answer), 64);
    EXPECT_EQ(answer[3], 1);
    EXPECT_EQ(answer[7], 0);
    const uint8_t tooLong[65] = {4};
    EXPECT_EQ(raw->WriteOutput(tooLong, sizeof tooLong), -1);
}

TEST_F(SimMouseFaultsTest, FramesOfSeveralWritersAreAnsweredInArrivalOrder) {
    SimHidBackend backend;
    const std::string path = SimPath(Mouse().BusId(), 1, 4);
    auto listener = backend.Open(path, true, false, false);
    ASSERT_TRUE(listener);
    auto writer = [&](uint16_t first) {
        auto handle = backend.Open(path, false, true, false);
        for (uint16_t offset = first; offset < first + 30; ++offset) {
            const Bytes frame = MakeFrame(5, 1, offset);
            ASSERT_EQ(handle->WriteOutput(frame.data(), frame.size()), 64);
        }
    };
    std::thread a(writer, 0), b(writer, 200);
    a.join();
    b.join();

    std::vector<uint16_t> received, answered;
    for (const Bytes& frame : Mouse().CommandFrames())
        received.push_back(static_cast<uint16_t>(frame[5] | frame[6] << 8));
    uint8_t answer[64];
    while (listener->ReadInput(answer, sizeof answer) == 64)
        answered.push_back(static_cast<uint16_t>(answer[5] | answer[6] << 8));
    EXPECT_EQ(received.size(), 60u);
    EXPECT_EQ(answered, received);
}

}  // namespace
