// Answers of the simulated mouse to each command, through CHidDevice as the host sends them.
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include "sim_test_host.h"

namespace {

class SimMouseCommandsTest : public ::testing::Test {
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

    // Reads a block chunk by chunk as the host does; empty when a chunk fails.
    Bytes ReadChunked(uint8_t command, size_t length, uint16_t start) {
        Bytes block;
        for (size_t p = 0; p < length; p += 56) {
            const auto n = static_cast<uint8_t>(std::min<size_t>(56, length - p));
            const Bytes answer = host_->Transact(command, n, static_cast<uint16_t>(start + p));
            if (answer.size() != 64 || Status(answer) != 0) return {};
            const Bytes chunk = Payload(answer, n);
            block.insert(block.end(), chunk.begin(), chunk.end());
        }
        return block;
    }

    std::unique_ptr<SimMouseHost> host_;
};

Bytes Iota(size_t n, uint8_t first) {
    Bytes bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

struct InfoCase {
    SimMouseModel model;
    uint16_t sensor;
    uint16_t largestSlider;
    uint8_t keySlots;
    uint8_t macroUnits;
};

TEST(SimMouseInfo, InformationBlockOfEachModel) {
    const InfoCase cases[] = {
        {SimMouseModel::Mouse(), 0x3327, 120, 16, 16},
        {SimMouseModel::Mouse3389(), 0x3389, 318, 14, 32},
        {SimMouseModel::MouseWireless(), 0x3327, 120, 16, 16},
    };
    for (const InfoCase& c : cases) {
        SCOPED_TRACE(c.model.name);
        SimHidBus::Instance().UnplugAll();
        SimMouseHost host(c.model);
        ASSERT_TRUE(host.Opened());
        const Bytes answer = host.Transact(3, 34, 0);
        ASSERT_EQ(answer.size(), 64u);
        EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 8),
                  (Bytes{4, answer[1], answer[2], 3, 34, 0, 0, 0}));
        const Bytes info = Payload(answer, 34);
        EXPECT_EQ(info[5], c.keySlots);
        EXPECT_EQ(info[6], c.macroUnits);
        EXPECT_EQ(info[9] | info[10] << 8, c.sensor);
        EXPECT_EQ(info[11], 50);
        EXPECT_EQ(info[12] | info[13] << 8, c.largestSlider);
        EXPECT_EQ(info[14] | info[15] << 8, 100);
        EXPECT_TRUE(std::all_of(answer.begin() + 8 + 34, answer.end(), [](uint8_t b) { return b == 0; }));
    }
    SimHidBus::Instance().UnplugAll();
}

TEST(SimMouseInfo, FactoryKeyBlockHoldsEveryLogicalButtonOnceOutOfOrder) {
    const Bytes factory[] = {
        {0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00}, {0x10, 0x10, 0x00}, {0x10, 0x08, 0x00},
        {0x13, 0x01, 0x00}, {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00}, {0xA0, 0x1B, 0x00}, {0x16, 0x90, 0x01},
    };
    for (const SimMouseModel& model : {SimMouseModel::Mouse(), SimMouseModel::Mouse3389()}) {
        SCOPED_TRACE(model.name);
        const Bytes keys = SimMouse(model).KeyBlock();
        ASSERT_EQ(keys.size() % 3, 0u);
        std::vector<size_t> slots;
        for (const Bytes& button : factory) {
            std::vector<size_t> found;
            for (size_t s = 0; s < keys.size() / 3; ++s)
                if (std::equal(button.begin(), button.end(), keys.begin() + 3 * s)) found.push_back(s);
            ASSERT_EQ(found.size(), 1u);
            slots.push_back(found[0]);
        }
        EXPECT_FALSE(std::is_sorted(slots.begin(), slots.end()));
        EXPECT_GT(keys.size() / 3, 10u);  // slots beyond the ten buttons
    }
}

TEST_F(SimMouseCommandsTest, ReadsTheActiveSettingsRecord) {
    ASSERT_EQ(ReadChunked(5, 1, 0), Bytes{0});
    const Bytes record0 = ReadChunked(5, 57, 0);
    ASSERT_EQ(record0.size(), 57u);
    EXPECT_EQ(record0[23], 1);  // active DPI stage
    EXPECT_EQ(record0[15] | record0[16] << 8, 8);

    host_->Mouse().SetSettingsBytes(0, {2});
    ASSERT_EQ(ReadChunked(5, 1, 0), Bytes{2});
    const Bytes record2 = ReadChunked(5, 57, 256);
    const Bytes active = host_->Mouse().ActiveRecord();
    EXPECT_EQ(record2, Bytes(active.begin(), active.begin() + 57));
    EXPECT_NE(record2[1], record0[1]);  // records differ in their lighting
}

TEST_F(SimMouseCommandsTest, ChunkedWriteStoresOnlyTheCountedBytes) {
    const Bytes before = host_->Mouse().SettingsMemory();
    const Bytes record = Iota(86, 0);  // byte 0 = 0 keeps record 0 active
    // The host leaves the first chunk's bytes in the frame behind a short last chunk.
    Bytes frame = MakeFrame(6, 56, 0, Bytes(record.begin(), record.begin() + 56));
    ASSERT_EQ(Status(host_->Transact(frame)), 0);
    frame[4] = 30;
    frame[5] = 56;
    std::copy(record.begin() + 56, record.end(), frame.begin() + 8);
    Resum(frame);
    ASSERT_EQ(Status(host_->Transact(frame)), 0);

    Bytes expected = before;
    std::copy(record.begin(), record.end(), expected.begin());
    EXPECT_EQ(host_->Mouse().SettingsMemory(), expected);  // bytes 86.. untouched
    EXPECT_EQ(ReadChunked(5, 86, 0), record);
}

struct RefusedCase {
    const char* what;
    Bytes frame;
};

TEST_F(SimMouseCommandsTest, RefusesBadFramesAndChangesNothing) {
    Bytes badSum = MakeFrame(6, 4, 128, {9, 9, 9, 9});
    badSum[1] ^= 1;
    const RefusedCase cases[] = {
        {"bad checksum", badSum},
        {"chunk over 56", MakeFrame(6, 57, 128, Bytes(56, 9))},
        {"write past the memory", MakeFrame(6, 4, 510, {9, 9, 9, 9})},
        {"no such active record", MakeFrame(6, 1, 0, {4})},
        {"key block past its end", MakeFrame(9, 6, 45, Bytes(6, 9))},
        {"read past the information block", MakeFrame(3, 34, 1)},
        {"read past the power record", MakeFrame(26, 7, 0)},
        {"unknown command", MakeFrame(0x44, 0, 0)},
    };
    const Bytes settings = host_->Mouse().SettingsMemory();
    const Bytes keys = host_->Mouse().KeyBlock();
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes answer = host_->Transact(c.frame);
        ASSERT_EQ(answer.size(), 64u);
        EXPECT_EQ(answer[3], c.frame[3]);
        EXPECT_EQ(Status(answer), 0xFF);
        EXPECT_FALSE(host_->Mouse().LastRefusal().empty());
    }
    EXPECT_EQ(host_->Mouse().SettingsMemory(), settings);
    EXPECT_EQ(host_->Mouse().KeyBlock(), keys);
}

TEST_F(SimMouseCommandsTest, KeyBlockRoundTrip) {
    const Bytes factory = host_->Mouse().KeyBlock();
    ASSERT_EQ(ReadChunked(7, factory.size(), 0), factory);
    const Bytes block = Iota(factory.size(), 0x40);
    for (size_t p = 0; p < block.size(); p += 20) {  // any chunking works
        const size_t n = std::min<size_t>(20, block.size() - p);
        const Bytes chunk(block.begin() + static_cast<long>(p), block.begin() + static_cast<long>(p + n));
        ASSERT_EQ(Status(host_->Transact(9, static_cast<uint8_t>(n), static_cast<uint16_t>(p), chunk)), 0);
    }
    EXPECT_EQ(host_->Mouse().KeyBlock(), block);
    EXPECT_EQ(ReadChunked(7, block.size(), 0), block);
    EXPECT_EQ(Status(host_->Transact(7, 56, 0)), 0xFF);  // 56 bytes are more than 16 slots hold
}

TEST_F(SimMouseCommandsTest, SmallBlocksAndConfigBracket) {
    host_->Mouse().SetPowerRecord({42, 2, 1, 0, 7, 3});
    const Bytes power = host_->Transact(26, 6, 0);
    EXPECT_EQ(Payload(power, 6), (Bytes{42, 2, 1, 0, 7, 3}));
    EXPECT_EQ(Payload(host_->Transact(26, 2, 4), 2), (Bytes{7, 3}));
    EXPECT_EQ(ReadChunked(27, 16, 0), Bytes(16, 0xFF));

    EXPECT_FALSE(host_->Mouse().InConfig());
    EXPECT_EQ(Status(host_->Transact(1, 0, 0)), 0);
    EXPECT_TRUE(host_->Mouse().InConfig());
    EXPECT_EQ(Status(host_->Transact(2, 0, 0)), 0);
    EXPECT_FALSE(host_->Mouse().InConfig());
    EXPECT_EQ(Status(host_->Transact(18, 56, 0, Bytes(56, 1))), 0);  // light frames are taken and ignored
}

TEST(SimMouseLink, LinkStateAnswersQueryAndGatesTheOtherCommands) {
    SimHidBus::Instance().UnplugAll();
    SimMouseHost host(SimMouseModel::MouseWireless());
    ASSERT_TRUE(host.Opened());
    Bytes answer = host.Transact(0xAA, 0, 0);
    EXPECT_EQ(answer[3], 0xAA);
    EXPECT_EQ(answer[8], 0xFF);
    EXPECT_EQ(Status(answer), 0);

    host.Mouse().SetLinkUp(false);
    answer = host.Transact(0xAA, 0, 0);
    EXPECT_EQ(answer[8], 0x00);
    EXPECT_EQ(Status(answer), 0);
    const Bytes settings = host.Mouse().SettingsMemory();
    EXPECT_EQ(Status(host.Transact(6, 1, 200, {5})), 0xFE);
    EXPECT_EQ(host.Mouse().SettingsMemory(), settings);

    host.Mouse().SetLinkUp(true);
    EXPECT_EQ(Status(host.Transact(6, 1, 200, {5})), 0);
    EXPECT_EQ(host.Mouse().SettingsMemory()[200], 5);
}

TEST_F(SimMouseCommandsTest, ConsumerCollectionCarriesTheResyncUsage) {
    CHidDevice input;
    ASSERT_TRUE(input.Open(SimPath(host_->Mouse().BusId(), 1, 3), true, true, true, false));
    host_->Mouse().RequestResync();
    std::vector<uint8_t>& report = input.InputReportBuffer();
    ASSERT_NE(input.ReadReport(report.data(), report.size(), 1000), 0);
    EXPECT_EQ(Bytes(report.begin(), report.begin() + 3), (Bytes{3, 0x01, 0x04}));
    std::vector<HidDataItem> items = input.InputItems();
    ASSERT_TRUE(input.UnpackInputReport(report.data(), report.size(), items));
    ASSERT_FALSE(items.empty());
    ASSERT_FALSE(items[0].usageList.empty());
    EXPECT_EQ(items[0].usageList[0], 0x0401);
    // The command channel of the same interface never sees it.
    EXPECT_TRUE(host_->Receive(50).empty());
}

}  // namespace
