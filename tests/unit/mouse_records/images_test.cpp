#include <gtest/gtest.h>

#include <vector>

#include <json/json.h>

#include "devices/mouse/mouse_images.h"

using namespace mouse;

namespace {

Json::Value ParseJson(const std::string& text) {
    Json::Value v;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, v)) << text;
    return v;
}

std::vector<std::uint8_t> Encoded(const std::string& eventJson) {
    const auto bytes = EventBytes(EncodeMacroEvent(ParseJson(eventJson)));
    return {bytes.begin(), bytes.end()};
}

std::vector<MacroEventRecord> Events(std::size_t count, std::uint8_t tag) {
    std::vector<MacroEventRecord> events;
    for (std::size_t i = 0; i < count; ++i)
        events.push_back({static_cast<std::uint16_t>(0x100 * tag + i), static_cast<std::uint8_t>(0x80 | tag),
                          static_cast<std::uint8_t>(i)});
    return events;
}

}  // namespace

TEST(MouseImages, EventsEncodeToFourDeviceBytes) {
    struct Case {
        const char* json;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {R"({"Type":1,"Button":65,"Action":"down","Delay":"300"})", {0x2C, 0x01, 0x81, 0x41}},
        {R"({"Type":1,"Button":65,"Action":"up","Delay":"300"})", {0x2C, 0x01, 0x01, 0x41}},
        {R"({"Type":10,"Button":4,"Action":"down","Delay":"30"})", {0x1E, 0x00, 0x8A, 0x04}},
        // Shoot files store the delay as an integer.
        {R"({"Type":5,"Button":7,"Action":"up","Delay":90})", {0x5A, 0x00, 0x05, 0x07}},
        // The first recorded event carries the integer 0.
        {R"({"Type":9,"Button":2,"Action":"down","Delay":0})", {0x00, 0x00, 0x89, 0x02}},
        // Leading digits of the text count.
        {R"({"Type":4,"Button":3,"Action":"DOWN","Delay":" 12ms"})", {0x0C, 0x00, 0x84, 0x03}},
        // Out of range values are limited, not cut to their low bits.
        {R"({"Type":4,"Button":300,"Action":"up","Delay":"70000"})", {0xFF, 0xFF, 0x04, 0xFF}},
        {R"({"Type":4,"Button":-5,"Action":"up","Delay":-20})", {0x00, 0x00, 0x04, 0x00}},
        {R"({"Type":5,"Button":1,"Action":"up","Delay":65535.9})", {0xFF, 0xFF, 0x05, 0x01}},
        // Missing or wrong-typed members read as 0; an unknown action is "up".
        {R"({"Type":"10","Button":"4","Action":"press"})", {0x00, 0x00, 0x00, 0x00}},
        {R"({"Type":1,"Button":1,"Action":"downs","Delay":"1"})", {0x01, 0x00, 0x01, 0x01}},
        {R"({"Type":2})", {0x00, 0x00, 0x02, 0x00}},
        {"null", {0x00, 0x00, 0x00, 0x00}},
        {"17", {0x00, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) EXPECT_EQ(Encoded(c.json), c.bytes) << c.json;
}

TEST(MouseImages, TwoMacrosOfThreeAndFiveEventsMakeTheSixtyByteImage) {
    const std::vector<std::vector<MacroEventRecord>> entries = {Events(3, 1), Events(5, 2)};
    std::vector<std::uint8_t> image;
    ASSERT_EQ(BuildDeviceImage(entries, &image), 1);

    std::vector<std::uint8_t> expected = {0xAA, 0x55, 0x3C, 0x00, 0x02, 0x00, 0,    0,    0,    0,
                                          0,    0,    0,    0,    0,    0,    0x14, 0x00, 0x24, 0x00};
    expected.insert(expected.end(), {0x03, 0x00, 0x00, 0x00});
    for (const auto& e : entries[0]) {
        const auto b = EventBytes(e);
        expected.insert(expected.end(), b.begin(), b.end());
    }
    expected.insert(expected.end(), {0x05, 0x00, 0x00, 0x00});
    for (const auto& e : entries[1]) {
        const auto b = EventBytes(e);
        expected.insert(expected.end(), b.begin(), b.end());
    }
    ASSERT_EQ(expected.size(), 60u);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(DeviceImageLength({3, 5}), 60u);
}

TEST(MouseImages, EmptyEntriesStillGetTheirHeader) {
    std::vector<std::uint8_t> image;
    ASSERT_EQ(BuildDeviceImage({{}, Events(1, 3), {}}, &image), 1);
    const std::vector<std::uint8_t> expected = {
        0xAA, 0x55, 0x26, 0x00, 0x03, 0x00, 0,    0,    0, 0, 0, 0, 0, 0, 0, 0,  // header, 38 bytes in all
        0x16, 0x00, 0x1A, 0x00, 0x22, 0x00,                                      // offsets 22, 26, 34
        0x00, 0x00, 0x00, 0x00,                                                  // entry 0: no events
        0x01, 0x00, 0x00, 0x00, 0x00, 0x03, 0x83, 0x00,                          // entry 1: one event
        0x00, 0x00, 0x00, 0x00};                                                 // entry 2: no events
    EXPECT_EQ(image, expected);
}

TEST(MouseImages, ImagesTheLengthFieldCannotDescribeAreRefused) {
    // 16 + 6 + 4 x 16378 = 65534 fits; one event more (65538) does not.
    std::vector<std::uint8_t> image;
    ASSERT_EQ(BuildDeviceImage({Events(16378, 1)}, &image), 1);
    EXPECT_EQ(image.size(), 65534u);
    EXPECT_EQ(image[2], 0xFE);
    EXPECT_EQ(image[3], 0xFF);

    std::vector<std::uint8_t> untouched = {1, 2, 3};
    EXPECT_EQ(BuildDeviceImage({Events(16379, 1)}, &untouched), 0);
    EXPECT_EQ(untouched, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(MouseImages, CapacityRuleCountsUnitsOverTheLimitPlusOne) {
    struct Case {
        std::size_t total, capacity;
        int over;
    };
    const Case cases[] = {
        {300, MacroCapacityBytes(2), 12},  // 256 bytes of macro memory
        {256, 256, 0},                     // exactly full fits
        {257, 256, 1},
        {260, 256, 2},
        {16, MacroCapacityBytes(0), 5},  // a device without macro memory takes nothing
        {32640, MacroCapacityBytes(255), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MacroOverflowUnits(c.total, c.capacity), c.over) << c.total << " into " << c.capacity;
}
