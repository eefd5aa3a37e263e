// The report descriptor parser: collections, report lengths, capabilities, malformed input.
#include <gtest/gtest.h>

#include <random>

#include "hid/report_descriptor.h"
#include "test_descriptors.h"

namespace {

std::vector<uint8_t> Wrap(std::vector<uint8_t> body) {
    // Generic Desktop / Pointer application collection around body.
    return Concat(Concat({0x05, 0x01, 0x09, 0x01, 0xA1, 0x01}, body), {0xC0});
}

uint16_t LengthOf(const HidCaps& caps, HidReportType type) {
    switch (type) {
    case HidReportType::Input:
        return caps.inputReportByteLength;
    case HidReportType::Output:
        return caps.outputReportByteLength;
    default:
        return caps.featureReportByteLength;
    }
}

// What must hold for any descriptor the parser accepts.
void ExpectConsistent(const std::vector<HidTopCollection>& collections) {
    for (const HidTopCollection& collection : collections) {
        for (const HidField& field : collection.fields) {
            const uint64_t endBits =
                uint64_t{field.bitOffset} + uint64_t{field.reportSize} * field.reportCount;
            const uint64_t bytes = (endBits + 7) / 8 + (collection.usesReportIds ? 1 : 0);
            ASSERT_LE(bytes, LengthOf(collection.caps, field.type));
            ASSERT_LE(field.usageMin, field.usageMax);
        }
        ASSERT_EQ(collection.caps.numberInputButtonCaps, collection.inputButtonCaps.size());
        ASSERT_EQ(collection.caps.numberInputValueCaps, collection.inputValueCaps.size());
        ASSERT_EQ(collection.caps.numberOutputValueCaps, collection.outputValueCaps.size());
        ASSERT_EQ(collection.caps.numberFeatureValueCaps, collection.featureValueCaps.size());
    }
}

TEST(ReportDescriptor, BootMouse) {
    const auto collections = ParseReportDescriptor(kBootMouseDescriptor);
    ASSERT_EQ(collections.size(), 1u);
    const HidTopCollection& mouse = collections[0];
    EXPECT_EQ(mouse.usagePage, 0x01);
    EXPECT_EQ(mouse.usage, 0x02);
    EXPECT_FALSE(mouse.usesReportIds);
    EXPECT_TRUE(mouse.reportIds.empty());
    // 3 button bits + 5 padding + X + Y + wheel; no report id byte.
    EXPECT_EQ(mouse.caps.inputReportByteLength, 4);
    EXPECT_EQ(mouse.caps.outputReportByteLength, 0);
    EXPECT_EQ(mouse.caps.featureReportByteLength, 0);
    EXPECT_EQ(mouse.caps.usagePage, 0x01);
    EXPECT_EQ(mouse.caps.usage, 0x02);

    ASSERT_EQ(mouse.inputButtonCaps.size(), 1u);
    const HidCapability& buttons = mouse.inputButtonCaps[0];
    EXPECT_TRUE(buttons.isButton);
    EXPECT_TRUE(buttons.isRange);
    EXPECT_EQ(buttons.usagePage, 0x09);
    EXPECT_EQ(buttons.usageMin, 1);
    EXPECT_EQ(buttons.usageMax, 3);

    // X, Y and wheel are listed one by one: a capability each.
    ASSERT_EQ(mouse.inputValueCaps.size(), 3u);
    const uint16_t axes[] = {0x30, 0x31, 0x38};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(mouse.inputValueCaps[i].isRange);
        EXPECT_EQ(mouse.inputValueCaps[i].usagePage, 0x01);
        EXPECT_EQ(mouse.inputValueCaps[i].usageMin, axes[i]);
    }

    ASSERT_EQ(mouse.fields.size(), 3u);
    EXPECT_EQ(mouse.fields[2].bitOffset, 8u);
    EXPECT_EQ(mouse.fields[2].logicalMin, -127);
    EXPECT_EQ(mouse.fields[2].logicalMax, 127);
}

TEST(ReportDescriptor, VendorInterfaceListsCollectionsInOrder) {
    const auto collections = ParseReportDescriptor(kVendorInterfaceDescriptor);
    ASSERT_EQ(collections.size(), 4u);
    struct Expected {
        uint16_t page, usage;
        uint8_t reportId;
        uint16_t input, output;
    };
    const Expected expected[] = {
        {0x0001, 0x0080, 1, 2, 0},
        {0x0001, 0x0006, 2, 8, 0},
        {0x000C, 0x0001, 3, 5, 0},
        // Report id 4 with 63 data bytes is a 64-byte report.
        {0xFF1C, 0x0092, 4, 64, 64},
    };
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const HidTopCollection& c = collections[i];
        EXPECT_EQ(c.usagePage, expected[i].page);
        EXPECT_EQ(c.usage, expected[i].usage);
        EXPECT_TRUE(c.usesReportIds);
        EXPECT_EQ(c.reportIds, std::vector<uint8_t>{expected[i].reportId});
        EXPECT_EQ(c.caps.inputReportByteLength, expected[i].input);
        EXPECT_EQ(c.caps.outputReportByteLength, expected[i].output);
        EXPECT_EQ(c.caps.featureReportByteLength, 0);
    }

    const HidTopCollection& consumer = collections[2];
    ASSERT_EQ(consumer.inputButtonCaps.size(), 1u);
    EXPECT_EQ(consumer.inputButtonCaps[0].usagePage, 0x000C);
    EXPECT_EQ(consumer.inputButtonCaps[0].usageMin, 0x0000);
    EXPECT_EQ(consumer.inputButtonCaps[0].usageMax, 0x0FFF);
    EXPECT_EQ(consumer.inputButtonCaps[0].reportId, 3);
    EXPECT_TRUE(consumer.inputValueCaps.empty());

    const HidTopCollection& keyboard = collections[1];
    EXPECT_EQ(keyboard.inputButtonCaps.size(), 2u);  // modifier bits and the key array

    const HidTopCollection& command = collections[3];
    ASSERT_EQ(command.inputValueCaps.size(), 1u);
    EXPECT_EQ(command.inputValueCaps[0].usagePage, 0xFF1C);
    EXPECT_EQ(command.inputValueCaps[0].usageMin, 0x0001);
    ASSERT_EQ(command.outputValueCaps.size(), 1u);
    EXPECT_EQ(command.outputValueCaps[0].usageMin, 0x0002);
    EXPECT_EQ(command.caps.numberInputValueCaps, 1);
    EXPECT_EQ(command.caps.numberOutputValueCaps, 1);
    ExpectConsistent(collections);
}

TEST(ReportDescriptor, ReportsOfOneIdAddUpAcrossItems) {
    // Feature report 7: 2 bytes, then 3 more bytes in a second item; input report 7 is separate.
    const auto collections = ParseReportDescriptor(Wrap({
        0x85, 0x07, 0x75, 0x08, 0x95, 0x02, 0x09, 0x30, 0xB1, 0x02,  // Feature 2 bytes
        0x95, 0x03, 0x09, 0x31, 0xB1, 0x02,                          // Feature 3 bytes
        0x95, 0x01, 0x09, 0x32, 0x81, 0x02,                          // Input 1 byte
    }));
    ASSERT_EQ(collections.size(), 1u);
    EXPECT_EQ(collections[0].caps.featureReportByteLength, 6);
    EXPECT_EQ(collections[0].caps.inputReportByteLength, 2);
    ASSERT_EQ(collections[0].fields.size(), 3u);
    EXPECT_EQ(collections[0].fields[1].bitOffset, 16u);
    EXPECT_EQ(collections[0].fields[2].bitOffset, 0u);
}

struct CollectionUsageCase {
    const char* name;
    std::vector<uint8_t> descriptor;
    uint16_t page, usage;
};

TEST(ReportDescriptor, CollectionUsageResolution) {
    const CollectionUsageCase cases[] = {
        // A four-byte usage carries its own page.
        {"extended usage", {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01, 0xC0}, 0x000C, 0x0001},
        // The page in effect at the collection applies, even when given after the usage.
        {"page after usage", {0x09, 0x92, 0x06, 0x1C, 0xFF, 0xA1, 0x01, 0xC0}, 0xFF1C, 0x0092},
        // Push saves the globals and pop brings them back.
        {"push and pop", {0x05, 0x0C, 0xA4, 0x05, 0x01, 0xB4, 0x09, 0x01, 0xA1, 0x01, 0xC0}, 0x000C, 0x0001},
        // Nested collections belong to the top-level one.
        {"nested", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0xC0, 0xC0}, 0x0001, 0x0002},
    };
    for (const CollectionUsageCase& c : cases) {
        const auto collections = ParseReportDescriptor(c.descriptor);
        ASSERT_EQ(collections.size(), 1u) << c.name;
        EXPECT_EQ(collections[0].usagePage, c.page) << c.name;
        EXPECT_EQ(collections[0].usage, c.usage) << c.name;
    }
}

TEST(ReportDescriptor, LogicalMaximumCodedInFewBytesReadsUnsigned) {
    struct Case {
        std::vector<uint8_t> limits;
        int32_t min, max;
    } cases[] = {
        {{0x15, 0x00, 0x25, 0xFF}, 0, 255},  // one byte 0xFF after a minimum of 0
        {{0x15, 0x00, 0x26, 0xFF, 0x00}, 0, 255}, {{0x15, 0x00, 0x26, 0xFF, 0xFF}, 0, 65535},
        {{0x15, 0x81, 0x25, 0x7F}, -127, 127},    {{0x16, 0x00, 0x80, 0x26, 0xFF, 0x7F}, -32768, 32767},
        {{0x15, 0xFF, 0x25, 0xFF}, -1, -1},  // negative minimum: signed maximum
    };
    for (const Case& c : cases) {
        const auto collections =
            ParseReportDescriptor(Wrap(Concat(c.limits, {0x75, 0x10, 0x95, 0x01, 0x09, 0x30, 0x81, 0x02})));
        ASSERT_EQ(collections.size(), 1u);
        ASSERT_EQ(collections[0].fields.size(), 1u);
        EXPECT_EQ(collections[0].fields[0].logicalMin, c.min);
        EXPECT_EQ(collections[0].fields[0].logicalMax, c.max);
    }
}

TEST(ReportDescriptor, MalformedDescriptorsGiveNoCollections) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"truncated last item", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x26, 0xFF}},
        {"truncated four-byte item", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xC0, 0x27, 0x01, 0x02}},
        {"truncated long item", {0x05, 0x01, 0xFE, 0x10, 0x01, 0x02}},
        {"collection never closed", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}},
        {"end without collection", {0xC0}},
        {"report count beyond any report", Wrap({0x75, 0x08, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02})},
        {"report size beyond any element", Wrap({0x77, 0xFF, 0xFF, 0xFF, 0x7F, 0x95, 0x01, 0x81, 0x02})},
        {"report id 0", Wrap({0x85, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02})},
        {"pop without push", Wrap({0xB4})},
        {"usage minimum above maximum", Wrap({0x19, 0x05, 0x29, 0x01, 0x75, 0x01, 0x95, 0x05, 0x81, 0x02})},
        {"report without id beside numbered ones",
         Wrap({0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x01, 0x81, 0x02})},
    };
    for (const auto& c : cases) EXPECT_TRUE(ParseReportDescriptor(c.bytes).empty()) << c.name;
    EXPECT_TRUE(ParseReportDescriptor({}).empty());
}

// Three reports of 16 fields of 4095 bytes each; every field carries the usage range
// 0..0xFFFF. variable: one value item per usage; otherwise arrays, whose button items each
// get a usage list as long as all array elements of the page.
std::vector<uint8_t> RangeFlood(bool variable) {
    std::vector<uint8_t> body = {0x75, 0x08, 0x96, 0xFF, 0x0F};
    for (uint8_t id = 1; id <= 3; ++id) {
        body = Concat(body, {0x85, id});
        for (int field = 0; field < 16; ++field)
            body = Concat(body,
                          {0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x81, static_cast<uint8_t>(variable ? 0x02 : 0x00)});
    }
    return Wrap(body);
}

TEST(ReportDescriptor, UsageRangesCountTowardTheExpansionCap) {
    // A descriptor of about a kilobyte must not make opening the interface spell out
    // hundreds of thousands of report items or usage list entries.
    EXPECT_TRUE(ParseReportDescriptor(RangeFlood(true)).empty());
    EXPECT_TRUE(ParseReportDescriptor(RangeFlood(false)).empty());

    // A wide range on an array of a few elements stays one small capability.
    const auto keyboard = ParseReportDescriptor(
        Wrap({0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x75, 0x08, 0x95, 0x06, 0x81, 0x00}));
    ASSERT_EQ(keyboard.size(), 1u);
    ASSERT_EQ(keyboard[0].inputButtonCaps.size(), 1u);
    EXPECT_EQ(keyboard[0].inputButtonCaps[0].usageMax, 0xFFFF);
}

TEST(ReportDescriptor, EveryTruncationIsSafe) {
    for (const auto* descriptor : {&kBootMouseDescriptor, &kVendorInterfaceDescriptor}) {
        for (size_t length = 0; length < descriptor->size(); ++length) {
            const std::vector<uint8_t> prefix(descriptor->begin(),
                                              descriptor->begin() + static_cast<long>(length));
            const auto collections = ParseReportDescriptor(prefix);
            ExpectConsistent(collections);
        }
    }
}

TEST(ReportDescriptor, RandomBytesNeverBreakTheInvariants) {
    std::mt19937 random(20240611);
    // Bias towards meaningful prefixes so the parser gets deep into many descriptors.
    const uint8_t prefixes[] = {0x05, 0x09, 0xA1, 0xC0, 0x15, 0x25, 0x75, 0x95, 0x85, 0x81,
                                0x91, 0xB1, 0x19, 0x29, 0xA4, 0xB4, 0x27, 0x97, 0x0B, 0xFE};
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes;
        const size_t length = random() % 96;
        while (bytes.size() < length) {
            bytes.push_back(random() % 3 ? prefixes[random() % sizeof prefixes]
                                         : static_cast<uint8_t>(random()));
            bytes.push_back(static_cast<uint8_t>(random()));
        }
        ExpectConsistent(ParseReportDescriptor(bytes));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
