#include <gtest/gtest.h>

#include <vector>

#include "devices/mouse/mouse_keys.h"

using namespace mouse;

namespace {

// A key block of `slots` slots filled with a pattern no factory assignment uses
// (type 0xEE, parameter 1 = slot number, parameter 2 = 0x5A).
std::vector<std::uint8_t> NeutralBlock(unsigned slots) {
    std::vector<std::uint8_t> block(slots * 3);
    for (unsigned s = 0; s < slots; ++s) {
        block[3 * s] = 0xEE;
        block[3 * s + 1] = static_cast<std::uint8_t>(s);
        block[3 * s + 2] = 0x5A;
    }
    return block;
}

void PutSlot(std::vector<std::uint8_t>& block, unsigned slot, const KeySlotBytes& bytes) {
    for (unsigned i = 0; i < 3; ++i) block[3 * slot + i] = bytes[i];
}

std::vector<KeySlotBytes> DistinctAssignments() {
    std::vector<KeySlotBytes> list;
    for (std::uint8_t i = 0; i < kLogicalButtonCount; ++i)
        list.push_back({0x20, 0x00, static_cast<std::uint8_t>(0x04 + i)});
    return list;
}

}  // namespace

TEST(MouseKeys, FactoryBytesOfTheTenButtons) {
    const std::vector<KeySlotBytes> expected = {
        {0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00}, {0x10, 0x10, 0x00}, {0x10, 0x08, 0x00},
        {0x13, 0x01, 0x00}, {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00}, {0xA0, 0x1B, 0x00}, {0x16, 0x90, 0x01}};
    EXPECT_EQ(std::vector<KeySlotBytes>(kFactoryButtonBytes.begin(), kFactoryButtonBytes.end()), expected);
}

TEST(MouseKeys, ButtonsMapToTheFirstSlotHoldingTheirFactoryBytes) {
    std::vector<std::uint8_t> block = NeutralBlock(12);
    PutSlot(block, 3, kFactoryButtonBytes[0]);
    PutSlot(block, 7, kFactoryButtonBytes[0]);  // a second copy: the first one wins
    PutSlot(block, 0, kFactoryButtonBytes[1]);
    PutSlot(block, 11, kFactoryButtonBytes[9]);
    PutSlot(block, 5, {0x13, 0x01, 0x01});  // near miss of button 5's bytes

    const ButtonSlotMap map = MapButtonsToSlots(block, 12);
    const ButtonSlotMap expected = {3, 0, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, 11};
    EXPECT_EQ(map, expected);
}

TEST(MouseKeys, SearchStaysWithinTheDeviceSlotsAndTheBlock) {
    std::vector<std::uint8_t> block = NeutralBlock(10);
    PutSlot(block, 8, kFactoryButtonBytes[2]);
    // The device reports 8 slots: slot 8 is not its own even though the buffer holds it.
    EXPECT_EQ(MapButtonsToSlots(block, 8)[2], kNoSlot);
    EXPECT_EQ(MapButtonsToSlots(block, 9)[2], 8);
    // A slot count beyond the buffer only searches what is there.
    EXPECT_EQ(MapButtonsToSlots(block, 40)[2], 8);
}

TEST(MouseKeys, SlotNumbersThatLookLikeNoSlotAreNotUsed) {
    std::vector<std::uint8_t> block = NeutralBlock(170);
    PutSlot(block, 126, kFactoryButtonBytes[4]);
    PutSlot(block, 125, kFactoryButtonBytes[3]);
    const ButtonSlotMap map = MapButtonsToSlots(block, 170);
    EXPECT_EQ(map[3], 125);
    EXPECT_EQ(map[4], kNoSlot);
}

TEST(MouseKeys, MoreThan170SlotsBuildNoMap) {
    std::vector<std::uint8_t> block = NeutralBlock(171);
    PutSlot(block, 0, kFactoryButtonBytes[0]);
    ButtonSlotMap none;
    none.fill(kNoSlot);
    EXPECT_EQ(MapButtonsToSlots(block, 171), none);
    EXPECT_TRUE(KeySlotCountFits(170));
    EXPECT_FALSE(KeySlotCountFits(171));
    EXPECT_EQ(KeyBlockLength(170), 510u);
}

TEST(MouseKeys, RememberedSlotsWinOverTheFactoryBytesFoundNow) {
    // Button 3 (slot 5) now holds the left button's bytes, ahead of button 0's own slot 8;
    // button 4 was reassigned and its factory bytes are gone.
    std::vector<std::uint8_t> block = NeutralBlock(12);
    PutSlot(block, 5, kFactoryButtonBytes[0]);
    PutSlot(block, 8, kFactoryButtonBytes[0]);
    PutSlot(block, 2, kFactoryButtonBytes[1]);
    ButtonSlotMap none;
    none.fill(kNoSlot);
    ButtonSlotMap remembered = none;
    remembered[3] = 5;
    remembered[4] = 9;
    remembered[7] = 12;  // not a slot of this device: ignored

    struct Case {
        const char* name;
        ButtonSlotMap remembered;
        ButtonSlotMap expected;
    };
    const Case cases[] = {
        {"nothing remembered",
         none,
         {5, 2, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot}},
        {"remembered", remembered, {8, 2, kNoSlot, 5, 9, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot}},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveButtonSlots(block, 12, c.remembered), c.expected) << c.name;
}

TEST(MouseKeys, AnAssignmentWithoutASlotIsUnplaced) {
    ButtonSlotMap map = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    map[4] = kNoSlot;
    std::vector<KeySlotBytes> list(kFactoryButtonBytes.begin(), kFactoryButtonBytes.end());
    list[0] = {0x20, 0x00, 0x04};
    EXPECT_FALSE(HasUnplacedAssignment(map, list)) << "button 4 keeps its factory bytes";
    list[4] = {0x20, 0x00, 0x05};
    EXPECT_TRUE(HasUnplacedAssignment(map, list));
    EXPECT_FALSE(HasUnplacedAssignment(map, std::span(list).first(4))) << "button 4 not asked for";
}

TEST(MouseKeys, MergeWritesMappedSlotsAndLeavesTheRestAsRead) {
    // Slot 3 holds button 0's factory bytes; nothing equals button 5's.
    std::vector<std::uint8_t> block = NeutralBlock(12);
    PutSlot(block, 3, kFactoryButtonBytes[0]);
    PutSlot(block, 6, kFactoryButtonBytes[2]);
    const ButtonSlotMap map = MapButtonsToSlots(block, 12);
    ASSERT_EQ(map[0], 3);
    ASSERT_EQ(map[5], kNoSlot);

    std::vector<std::uint8_t> out;
    ASSERT_EQ(MergeKeyAssignments(block, 12, map, DistinctAssignments(), &out), 1);
    std::vector<std::uint8_t> expected = block;
    PutSlot(expected, 3, {0x20, 0x00, 0x04});  // button 0's assignment
    PutSlot(expected, 6, {0x20, 0x00, 0x06});  // button 2's assignment
    EXPECT_EQ(out, expected);
}

TEST(MouseKeys, MergeWithFewerAssignmentsThanButtonsKeepsTheOthers) {
    std::vector<std::uint8_t> block = NeutralBlock(10);
    for (unsigned b = 0; b < kLogicalButtonCount; ++b) PutSlot(block, 9 - b, kFactoryButtonBytes[b]);
    const ButtonSlotMap map = MapButtonsToSlots(block, 10);
    const std::vector<KeySlotBytes> two = {{0x30, 0xE9, 0x00}, {0x30, 0xEA, 0x00}};

    std::vector<std::uint8_t> out;
    ASSERT_EQ(MergeKeyAssignments(block, 10, map, two, &out), 1);
    std::vector<std::uint8_t> expected = block;
    PutSlot(expected, 9, two[0]);
    PutSlot(expected, 8, two[1]);
    EXPECT_EQ(out, expected);
}

TEST(MouseKeys, MergeRefusesBlocksItCannotHandle) {
    const ButtonSlotMap map = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<std::uint8_t> out = {0xAB};
    struct Case {
        const char* name;
        unsigned slots;
        std::size_t blockBytes;
    };
    const Case cases[] = {
        {"171 slots exceed 512 bytes", 171, 513},
        {"block shorter than the slots", 20, 59},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> block(c.blockBytes, 0);
        EXPECT_EQ(MergeKeyAssignments(block, c.slots, map, DistinctAssignments(), &out), 0) << c.name;
        EXPECT_EQ(out, std::vector<std::uint8_t>{0xAB}) << c.name;
    }
    // A block longer than the slots is cut to the device's length.
    const std::vector<std::uint8_t> longBlock(512, 0);
    ASSERT_EQ(MergeKeyAssignments(longBlock, 10, map, DistinctAssignments(), &out), 1);
    EXPECT_EQ(out.size(), 30u);
}
