// Report items built from a collection and filled from input reports.
#include <gtest/gtest.h>

#include "hid/report_descriptor.h"
#include "hid/report_items.h"
#include "test_descriptors.h"

namespace {

HidTopCollection Only(const std::vector<uint8_t>& descriptor) {
    auto collections = ParseReportDescriptor(descriptor);
    EXPECT_EQ(collections.size(), 1u);
    return collections.empty() ? HidTopCollection{} : collections[0];
}

HidTopCollection VendorCollection(size_t index) {
    return ParseReportDescriptor(kVendorInterfaceDescriptor).at(index);
}

std::vector<uint8_t> Application(std::vector<uint8_t> body) {
    return Concat(Concat({0x05, 0x01, 0x09, 0x04, 0xA1, 0x01}, body), {0xC0});
}

TEST(ReportItems, BootMouseItemsAndUnpacking) {
    const HidTopCollection mouse = Only(kBootMouseDescriptor);
    std::vector<HidDataItem> items = BuildReportItems(mouse, HidReportType::Input);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].isButtonData);
    EXPECT_EQ(items[0].usagePage, 0x09);
    EXPECT_EQ(items[0].usageMin, 1u);
    EXPECT_EQ(items[0].usageMax, 3u);
    EXPECT_EQ(items[0].maxUsageListLength, 3u);
    EXPECT_EQ(items[0].usageList, (std::vector<uint16_t>{0, 0, 0}));
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_FALSE(items[i].isButtonData);
        EXPECT_EQ(items[i].usagePage, 0x01);
        EXPECT_FALSE(items[i].isDataSet);
    }
    EXPECT_EQ(items[1].usage, 0x30);
    EXPECT_EQ(items[3].usage, 0x38);

    // Buttons 1 and 3, X -1, Y 2, wheel -128 (outside -127..127).
    const std::vector<uint8_t> report = {0x05, 0xFF, 0x02, 0x80};
    ASSERT_TRUE(UnpackReportItems(mouse, report.data(), report.size(), items));
    EXPECT_TRUE(items[0].isDataSet);
    EXPECT_EQ(items[0].status, kHidStatusSuccess);
    EXPECT_EQ(items[0].usageList, (std::vector<uint16_t>{1, 3, 0}));
    EXPECT_EQ(items[1].value, 0xFFFFFFFFu);
    EXPECT_EQ(items[1].scaledValue, -1);
    EXPECT_EQ(items[2].value, 2u);
    EXPECT_EQ(items[2].scaledValue, 2);
    EXPECT_EQ(items[3].value, 0xFFFFFF80u);
    EXPECT_EQ(items[3].status, kHidStatusNull);
    EXPECT_EQ(items[3].scaledValue, 0);
    EXPECT_TRUE(items[3].isDataSet);

    // A later report with no button down clears the list again.
    const std::vector<uint8_t> released = {0x00, 0x01, 0x00, 0x00};
    ASSERT_TRUE(UnpackReportItems(mouse, released.data(), released.size(), items));
    EXPECT_EQ(items[0].usageList, (std::vector<uint16_t>{0, 0, 0}));
}

TEST(ReportItems, ConsumerArrayGivesUsagesAndIgnoresOtherReports) {
    const HidTopCollection consumer = VendorCollection(2);
    std::vector<HidDataItem> items = BuildReportItems(consumer, HidReportType::Input);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].reportId, 3u);
    EXPECT_EQ(items[0].maxUsageListLength, 2u);

    const struct {
        std::vector<uint8_t> report;
        std::vector<uint16_t> usages;
    } cases[] = {
        {{0x03, 0x01, 0x04, 0x00, 0x00}, {0x0401, 0}},  // the resynchronisation request
        {{0x03, 0xE9, 0x00, 0xEA, 0x00}, {0x00E9, 0x00EA}},
        {{0x03, 0x00, 0x10, 0xE2, 0x00}, {0x00E2, 0}},  // 0x1000 lies outside the logical range
        {{0x03, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(UnpackReportItems(consumer, c.report.data(), c.report.size(), items));
        EXPECT_EQ(items[0].usageList, c.usages);
    }

    // A report of another id leaves the item as it was.
    std::vector<HidDataItem> fresh = BuildReportItems(consumer, HidReportType::Input);
    const std::vector<uint8_t> other = {0x04, 0x01, 0x04, 0x00, 0x00};
    ASSERT_TRUE(UnpackReportItems(consumer, other.data(), other.size(), fresh));
    EXPECT_FALSE(fresh[0].isDataSet);
    EXPECT_EQ(fresh[0].usageList, (std::vector<uint16_t>{0, 0}));
}

TEST(ReportItems, ArrayElementsIndexFromTheLogicalMinimum) {
    // Button page, usages 0x20..0x22 selected by values 1..3, two elements.
    const HidTopCollection c = Only(Application(
        {0x05, 0x09, 0x19, 0x20, 0x29, 0x22, 0x15, 0x01, 0x25, 0x03, 0x75, 0x08, 0x95, 0x02, 0x81, 0x00}));
    std::vector<HidDataItem> items = BuildReportItems(c, HidReportType::Input);
    ASSERT_EQ(items.size(), 1u);
    const struct {
        std::vector<uint8_t> report;
        std::vector<uint16_t> usages;
    } cases[] = {
        {{1, 3}, {0x20, 0x22}},
        {{0, 4}, {0, 0}},  // below and above the logical range: no usage
        {{2, 0}, {0x21, 0}},
    };
    for (const auto& k : cases) {
        ASSERT_TRUE(UnpackReportItems(c, k.report.data(), k.report.size(), items));
        EXPECT_EQ(items[0].usageList, k.usages);
    }
}

TEST(ReportItems, ButtonItemKeepsOnlyUsagesInItsRange) {
    // Keyboard: modifier bits 0xE0..0xE7 and a key array 0..0xFF share the keyboard page.
    const HidTopCollection keyboard = VendorCollection(1);
    std::vector<HidDataItem> items = BuildReportItems(keyboard, HidReportType::Input);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].maxUsageListLength, 14u);  // 8 modifier bits + 6 array elements
    const std::vector<uint8_t> report = {0x02, 0x01, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00};
    ASSERT_TRUE(UnpackReportItems(keyboard, report.data(), report.size(), items));
    std::vector<uint16_t> modifiers(14, 0), keys(14, 0);
    modifiers[0] = 0xE0;
    keys[0] = 0xE0;
    keys[1] = 0x04;
    keys[2] = 0x05;
    EXPECT_EQ(items[0].usageList, modifiers);
    EXPECT_EQ(items[1].usageList, keys);
}

TEST(ReportItems, ValueRangeGivesOneItemPerUsage) {
    // X..Z as one range of three 8-bit values; a range longer than the count is cut to it.
    const HidTopCollection c =
        Only(Application({0x19, 0x30, 0x29, 0x32, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
                          0x03, 0x81, 0x02, 0x19, 0x33, 0x29, 0x38, 0x95, 0x02, 0x81, 0x02}));
    ASSERT_EQ(c.inputValueCaps.size(), 2u);
    EXPECT_TRUE(c.inputValueCaps[0].isRange);
    std::vector<HidDataItem> items = BuildReportItems(c, HidReportType::Input);
    ASSERT_EQ(items.size(), 5u);
    const uint16_t usages[] = {0x30, 0x31, 0x32, 0x33, 0x34};
    const uint32_t values[] = {10, 20, 200, 7, 9};
    const std::vector<uint8_t> report = {10, 20, 200, 7, 9};
    ASSERT_TRUE(UnpackReportItems(c, report.data(), report.size(), items));
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(items[i].usage, usages[i]);
        EXPECT_EQ(items[i].value, values[i]);
        EXPECT_EQ(items[i].scaledValue, static_cast<int32_t>(values[i]));
    }
}

TEST(ReportItems, ValuesAreSignExtendedAndScaled) {
    const struct {
        const char* name;
        std::vector<uint8_t> limits;  // logical and physical items
        uint16_t raw;                 // a 16-bit element
        uint32_t value;
        int32_t scaled;
        uint32_t status;
    } cases[] = {
        {"physical range",
         {0x15, 0x00, 0x26, 0xFF, 0x00, 0x35, 0x00, 0x46, 0xE8, 0x03},
         51,
         51,
         200,
         kHidStatusSuccess},
        {"negative, no physical range",
         {0x15, 0x9C, 0x25, 0x64},
         0xFF9C,
         0xFFFFFF9C,
         -100,
         kHidStatusSuccess},
        {"signed physical range",
         {0x15, 0x9C, 0x25, 0x64, 0x36, 0x18, 0xFC, 0x46, 0xE8, 0x03},
         50,
         50,
         500,
         kHidStatusSuccess},
        {"unsigned 16-bit maximum",
         {0x15, 0x00, 0x27, 0xFF, 0xFF, 0x00, 0x00},
         0xFFFF,
         0xFFFF,
         65535,
         kHidStatusSuccess},
        {"outside the logical range", {0x15, 0x00, 0x25, 0x64}, 101, 101, 0, kHidStatusNull},
        {"empty logical range", {0x15, 0x0A, 0x25, 0x0A}, 10, 10, 0, kHidStatusBadLogicalRange},
    };
    for (const auto& c : cases) {
        const HidTopCollection collection =
            Only(Application(Concat(c.limits, {0x09, 0x30, 0x75, 0x10, 0x95, 0x01, 0x81, 0x02})));
        std::vector<HidDataItem> items = BuildReportItems(collection, HidReportType::Input);
        ASSERT_EQ(items.size(), 1u) << c.name;
        const std::vector<uint8_t> report = {static_cast<uint8_t>(c.raw), static_cast<uint8_t>(c.raw >> 8)};
        ASSERT_TRUE(UnpackReportItems(collection, report.data(), report.size(), items)) << c.name;
        EXPECT_EQ(items[0].value, c.value) << c.name;
        EXPECT_EQ(items[0].scaledValue, c.scaled) << c.name;
        EXPECT_EQ(items[0].status, c.status) << c.name;
    }
}

TEST(ReportItems, ExtremeThirtyTwoBitRangesScaleWithoutOverflow) {
    // Logical and physical ranges of INT32_MIN..INT32_MAX (or 0..INT32_MAX): the product of
    // the two spans needs more than 64 bits.
    const std::vector<uint8_t> fullLogical = {0x17, 0x00, 0x00, 0x00, 0x80, 0x27, 0xFF, 0xFF, 0xFF, 0x7F};
    const std::vector<uint8_t> fullPhysical = {0x37, 0x00, 0x00, 0x00, 0x80, 0x47, 0xFF, 0xFF, 0xFF, 0x7F};
    const std::vector<uint8_t> halfPhysical = {0x35, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0x7F};
    const struct {
        const char* name;
        std::vector<uint8_t> physical;
        uint32_t raw;
        int32_t scaled;
    } cases[] = {
        {"top of both", fullPhysical, 0x7FFFFFFF, INT32_MAX},
        {"bottom of both", fullPhysical, 0x80000000, INT32_MIN},
        {"middle of both", fullPhysical, 0, 0},
        {"top onto a half range", halfPhysical, 0x7FFFFFFF, INT32_MAX},
        {"bottom onto a half range", halfPhysical, 0x80000000, 0},
        {"one above the bottom onto a half range", halfPhysical, 0x80000002, 0},
    };
    for (const auto& c : cases) {
        const HidTopCollection collection = Only(Application(
            Concat(Concat(fullLogical, c.physical), {0x09, 0x30, 0x75, 0x20, 0x95, 0x01, 0x81, 0x02})));
        std::vector<HidDataItem> items = BuildReportItems(collection, HidReportType::Input);
        ASSERT_EQ(items.size(), 1u) << c.name;
        const std::vector<uint8_t> report = {static_cast<uint8_t>(c.raw), static_cast<uint8_t>(c.raw >> 8),
                                             static_cast<uint8_t>(c.raw >> 16),
                                             static_cast<uint8_t>(c.raw >> 24)};
        ASSERT_TRUE(UnpackReportItems(collection, report.data(), report.size(), items)) << c.name;
        EXPECT_EQ(items[0].status, kHidStatusSuccess) << c.name;
        EXPECT_EQ(items[0].scaledValue, c.scaled) << c.name;
    }
}

TEST(ReportItems, ShortReportStopsAtTheFirstValueItCannotRead) {
    const HidTopCollection mouse = Only(kBootMouseDescriptor);
    std::vector<HidDataItem> items = BuildReportItems(mouse, HidReportType::Input);
    const std::vector<uint8_t> report = {0x02, 0x05};  // buttons and X only
    EXPECT_FALSE(UnpackReportItems(mouse, report.data(), report.size(), items));
    EXPECT_EQ(items[0].usageList, (std::vector<uint16_t>{2, 0, 0}));
    EXPECT_EQ(items[1].value, 5u);
    EXPECT_EQ(items[2].status, kHidStatusInvalidReportLength);
    EXPECT_FALSE(items[2].isDataSet);
    EXPECT_FALSE(items[3].isDataSet);

    // An empty report of a collection with report ids has no id: nothing is touched.
    const HidTopCollection consumer = VendorCollection(2);
    std::vector<HidDataItem> consumerItems = BuildReportItems(consumer, HidReportType::Input);
    EXPECT_TRUE(UnpackReportItems(consumer, nullptr, 0, consumerItems));
    EXPECT_FALSE(consumerItems[0].isDataSet);
}

TEST(ReportItems, MaxUsageListLengthCountsThePageOrAllPages) {
    const HidTopCollection keyboard = VendorCollection(1);
    EXPECT_EQ(MaxUsageListLength(keyboard, HidReportType::Input, 0x07), 14u);
    EXPECT_EQ(MaxUsageListLength(keyboard, HidReportType::Input, 0x09), 0u);
    EXPECT_EQ(MaxUsageListLength(keyboard, HidReportType::Input, 0), 14u);
    EXPECT_EQ(MaxUsageListLength(keyboard, HidReportType::Output, 0x07), 0u);
}

}  // namespace
