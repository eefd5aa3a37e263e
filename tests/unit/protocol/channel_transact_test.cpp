// One transaction: answer matching, time-outs, aborts, the diagnostic dump, and threads.
#include <chrono>
#include <future>
#include <thread>
#include "sim_channel_fixture.h"

namespace {

using namespace std::chrono_literals;
using TransactTest = SimChannelTest;

Frame RequestOf(uint8_t command) {
    Frame request;
    StartFrame(request, command);
    SealFrame(request);
    return request;
}

// Waits (bounded) until the device has received `count` command frames.
bool WaitForFrames(const SimMouse& mouse, size_t count) {
    for (int i = 0; i < 5000; ++i) {
        if (mouse.CommandFrames().size() >= count) return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

TEST_F(TransactTest, AnswerWithTheWrongCommandIsSkippedOnce) {
    struct Case {
        int wrongEchoes;
        bool echoMatches;       // what the returned answer carries
        bool properAnswerLeft;  // the device's proper answer was not read
    };
    const Case cases[] = {{1, true, false}, {2, false, true}};
    for (const Case& c : cases) {
        mouse->ClearFrames();
        mouse->SetWrongEcho(c.wrongEchoes);
        const Frame request = RequestOf(Command::kBeginConfig);
        uint8_t answer[kFrameSize] = {};
        size_t got = 0;
        EXPECT_EQ(channel->Transact(request.data(), kFrameSize, answer, kFrameSize, &got), kResultOk);
        EXPECT_EQ(got, kFrameSize);
        EXPECT_EQ(answer[3] == Command::kBeginConfig, c.echoMatches) << c.wrongEchoes;
        EXPECT_EQ(mouse->CommandFrames().size(), 1u) << "the request is never sent again";
        // Exactly two reads: with two wrong answers ahead, the proper one is still waiting.
        uint8_t left[kFrameSize] = {};
        const bool waiting = channel->hid.ReadReport(left, kFrameSize, c.properAnswerLeft ? 500 : 50) != 0;
        EXPECT_EQ(waiting, c.properAnswerLeft) << c.wrongEchoes;
        if (waiting) {
            EXPECT_EQ(left[3], Command::kBeginConfig);
        }
    }
}

TEST_F(TransactTest, LateAnswerIsNotTakenForTheNextRequest) {
    mouse->SetSettingsBytes(0, {0x00, 0x11, 0x12, 0x13});
    mouse->SetSettingsBytes(128, {0xA0, 0xA1, 0xA2, 0xA3});
    std::vector<uint8_t> bytes(4);
    // Two wrong answers go ahead of the proper one: this read takes the second wrong one
    // and leaves the device's answer (offset 0) unread in the queue.
    mouse->SetWrongEcho(2);
    channel->ReadMemory(bytes, 0);
    // The same command again: the left-over answer echoes it too and must not be taken.
    ASSERT_EQ(channel->ReadMemory(bytes, 128), kResultOk);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xA0, 0xA1, 0xA2, 0xA3}));
}

TEST_F(TransactTest, AnswerOfAnEarlierChunkArrivingLateIsDropped) {
    mouse->SetSettingsBytes(0, {0x00, 0x11, 0x12, 0x13});
    mouse->SetSettingsBytes(128, {0xA0, 0xA1, 0xA2, 0xA3});
    std::vector<uint8_t> bytes(4);
    // 1.1 s late: the read at offset 0 gives up after 1 s; its answer arrives 0.1 s into
    // the next read of the same command, whose own answer comes 0.4 s later still.
    mouse->SetAnswerDelay(1100);
    EXPECT_EQ(channel->ReadMemory(bytes, 0), kResultNoAnswer);
    mouse->SetAnswerDelay(500);
    ASSERT_EQ(channel->ReadMemory(bytes, 128), kResultOk);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xA0, 0xA1, 0xA2, 0xA3}));
    mouse->SetAnswerDelay(0);
    // A multi-chunk read afterwards is not disturbed either.
    std::vector<uint8_t> both(132);
    ASSERT_EQ(channel->ReadMemory(both, 0), kResultOk);
    EXPECT_EQ(std::vector<uint8_t>(both.begin() + 128, both.end()),
              (std::vector<uint8_t>{0xA0, 0xA1, 0xA2, 0xA3}));
    EXPECT_EQ(std::vector<uint8_t>(both.begin() + 1, both.begin() + 4),
              (std::vector<uint8_t>{0x11, 0x12, 0x13}));
}

// Reading the same chunk again after its read timed out: the late answer to the first read
// looks exactly like the answer to the second and carries the memory as it was then.
TEST_F(TransactTest, LateAnswerToTheSameChunkIsNotTakenForItsRetry) {
    mouse->SetSettingsBytes(0, {0x00, 0x11, 0x12, 0x13});
    std::vector<uint8_t> bytes(4);
    mouse->SetAnswerDelay(1100);
    EXPECT_EQ(channel->ReadMemory(bytes, 0), kResultNoAnswer);
    mouse->SetAnswerDelay(0);
    mouse->SetSettingsBytes(0, {0x00, 0x21, 0x22, 0x23});
    ASSERT_EQ(channel->ReadMemory(bytes, 0), kResultOk);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x00, 0x21, 0x22, 0x23}));
    mouse->SetSettingsBytes(0, {0x00, 0x31, 0x32, 0x33});
    ASSERT_EQ(channel->ReadMemory(bytes, 0), kResultOk);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x00, 0x31, 0x32, 0x33}));
}

// A device that answers every request 2.5 s late, in order: each answer is owed to a
// request that gave up on it long before. No later read may take it for its own.
TEST_F(TransactTest, AnswerOwedLongerThanTwoTimeOutsIsNeverTakenForALaterRead) {
    mouse->SetSettingsBytes(0, {0x00, 0x11, 0x12, 0x13});
    std::vector<uint8_t> bytes(4, 0xEE);
    mouse->SetAnswerDelay(2500);
    EXPECT_EQ(channel->ReadMemory(bytes, 0), kResultNoAnswer);
    mouse->SetSettingsBytes(0, {0x00, 0x21, 0x22, 0x23});
    // The first read's answer arrives 1.5 s into this one, which must not take it.
    const int second = channel->ReadMemory(bytes, 0);
    EXPECT_NE(bytes, (std::vector<uint8_t>{0x00, 0x11, 0x12, 0x13})) << "result " << second;
    // With a time-out long enough for the device, the channel catches up and the read
    // gets the memory as it is now.
    mouse->SetSettingsBytes(0, {0x00, 0x31, 0x32, 0x33});
    channel->slowLink = 1;
    ASSERT_EQ(channel->ReadMemory(bytes, 0), kResultOk);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x00, 0x31, 0x32, 0x33}));
    channel->slowLink = 0;
    mouse->SetAnswerDelay(0);
}

TEST_F(TransactTest, SlowLinkWaitsLongerForTheAnswer) {
    // An answer 1.5 s late: past the 1000 ms time-out, within the 5000 ms one.
    struct Case {
        int slowLink;
        int result;
    };
    // The slow case first: the answer the other case gives up on arrives later and would
    // otherwise be taken by a transaction still waiting for the same command.
    const Case cases[] = {{1, kResultOk}, {0, kResultNoAnswer}};
    for (const Case& c : cases) {
        mouse->SetAnswerDelay(1500);
        channel->slowLink = c.slowLink;
        EXPECT_EQ(channel->BeginConfig(), c.result) << "slowLink " << c.slowLink;
    }
    mouse->SetAnswerDelay(0);
    channel->slowLink = 0;
    EXPECT_EQ(channel->BeginConfig(), kResultOk) << "the late answer does not disturb the next command";
}

TEST_F(TransactTest, ClosingOrDestroyingReleasesABlockedRead) {
    for (const bool destroy : {false, true}) {
        if (!channel) channel = std::make_unique<CDeviceProtocol>();
        ASSERT_TRUE(channel->Open(path));
        mouse->ClearFrames();
        mouse->SetSilent(true);
        channel->slowLink = 1;  // 5 s: a return well before that was an abort, not a time-out
        CDeviceProtocol* target = channel.get();
        const auto start = std::chrono::steady_clock::now();
        auto blocked = std::async(std::launch::async, [target] { return target->BeginConfig(); });
        ASSERT_TRUE(WaitForFrames(*mouse, 1));
        std::this_thread::sleep_for(20ms);  // let the read start waiting
        if (destroy)
            channel.reset();
        else
            channel->Close();
        ASSERT_EQ(blocked.wait_for(3s), std::future_status::ready) << (destroy ? "destroy" : "close");
        EXPECT_EQ(blocked.get(), kResultNoAnswer);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
        mouse->SetSilent(false);
    }
}

TEST_F(TransactTest, UnplugDuringATransferEndsItWithAFailure) {
    mouse->SetAnswerDelay(30);
    std::vector<uint8_t> image(560, 0x5A);  // ten chunks
    auto transfer = std::async(std::launch::async, [&] { return channel->WriteMacroData(image); });
    ASSERT_TRUE(WaitForFrames(*mouse, 3));
    mouse->Unplug();
    ASSERT_EQ(transfer.wait_for(5s), std::future_status::ready);
    const int result = transfer.get();
    EXPECT_TRUE(result == kResultNoAnswer || result == kResultWriteFailed) << result;
    EXPECT_LT(mouse->CommandFrames().size(), 10u);
    EXPECT_NE(channel->BeginConfig(), kResultOk);
    EXPECT_TRUE(channel->hid.DeviceGone());
}

class DumpTest : public SimChannelTest {
protected:
    void SetUp() override {
        SimChannelTest::SetUp();
        SetDebugSink([this](std::string_view text) {
            std::lock_guard<std::mutex> lock(dumpLock);
            dump += text;
        });
    }
    std::string Dump() {
        std::lock_guard<std::mutex> lock(dumpLock);
        return dump;
    }
    std::mutex dumpLock;
    std::string dump;
};

TEST_F(DumpTest, RequestAndAnswerAreDumped) {
    const Frame request = RequestOf(Command::kBeginConfig);
    uint8_t answer[kFrameSize] = {};
    ASSERT_EQ(channel->Transact(request.data(), kFrameSize, answer, kFrameSize), kResultOk);
    const std::string text = Dump();
    EXPECT_TRUE(text.starts_with("命令\n04 01 00 01   00 00 00 00   00 00 00 00   00 00 00 00  00 00 00 00"))
        << text;
    EXPECT_EQ(text, FormatFrameDump("命令", request.data()) + FormatFrameDump("返回", answer));
}

TEST_F(DumpTest, ShortRequestIsPaddedAndTheAnswerBufferIsDumpedAfterATimeOut) {
    mouse->SetSilent(true);
    const uint8_t request[] = {0x04, 0x05, 0x00, 0x05};
    uint8_t answer[kFrameSize];
    std::fill(std::begin(answer), std::end(answer), 0x5A);
    EXPECT_EQ(channel->Transact(request, sizeof request, answer, kFrameSize), kResultNoAnswer);
    Frame padded{};
    std::copy(std::begin(request), std::end(request), padded.begin());
    EXPECT_EQ(Dump(), FormatFrameDump("命令", padded.data()) + FormatFrameDump("返回", answer));
    ASSERT_EQ(mouse->CommandFrames().size(), 1u);
    EXPECT_TRUE(std::equal(padded.begin(), padded.end(), mouse->CommandFrames()[0].begin()));
}

TEST_F(DumpTest, ClosedChannelDumpsNothing) {
    channel->Close();
    const Frame request = RequestOf(Command::kBeginConfig);
    uint8_t answer[kFrameSize] = {};
    size_t got = 77;
    EXPECT_EQ(channel->Transact(request.data(), kFrameSize, answer, kFrameSize, &got), kResultNoAnswer);
    EXPECT_EQ(got, 0u);
    EXPECT_TRUE(Dump().empty());
}

TEST_F(TransactTest, ThreadsWithAndWithoutTheCommandLockGetTheirOwnAnswers) {
    // WriteShootData takes no commandLock; its frames must still never steal the answers
    // of the reads running beside it.
    std::vector<uint8_t> record(57);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(0x80 + i);
    mouse->SetSettingsBytes(128, record);
    std::vector<uint8_t> image(120, 0x22);
    auto shooter = std::async(std::launch::async, [&] {
        int failures = 0;
        for (int i = 0; i < 40; ++i) failures += channel->WriteShootData(image) != kResultOk;
        return failures;
    });
    int readFailures = 0;
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> read(57);
        readFailures += channel->ReadMemory(read, 128) != kResultOk || read != record;
    }
    EXPECT_EQ(readFailures, 0);
    EXPECT_EQ(shooter.get(), 0);
}

}  // namespace
