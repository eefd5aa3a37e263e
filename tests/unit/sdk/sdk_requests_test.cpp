// Clients' requests: parsed from packet data, and what they do to a controller.
#include <gtest/gtest.h>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_controller_data.h"
#include "sdk/sdk_packet.h"
#include "sdk/sdk_requests.h"

using namespace sdk;

namespace {

// Two zones of 2 and 3 LEDs, a per-LED mode and a mode with speed 0-4 and one colour.
Controller TwoZones() {
    Controller c;
    c.zones = {Zone{.name = "A", .type = ZoneType::Linear, .ledCount = 2},
               Zone{.name = "B", .type = ZoneType::Linear, .ledCount = 3}};
    c.colours.assign(5, 0);
    c.modes = {Mode{.name = "Static",
                    .value = 1,
                    .flags = mode_flag::kSpeed | mode_flag::kModeSpecificColour,
                    .speedMin = 0,
                    .speedMax = 4,
                    .coloursMin = 1,
                    .coloursMax = 1,
                    .colourMode = ColourMode::ModeSpecific,
                    .colours = {0}},
               Mode{.name = "Direct",
                    .value = 8,
                    .flags = mode_flag::kPerLedColour,
                    .colourMode = ColourMode::PerLed}};
    return c;
}

std::vector<std::uint8_t> ColourData(bool zone, std::uint32_t zoneIndex, std::vector<std::uint32_t> colours) {
    ByteWriter out;
    out.U32(0);
    if (zone) out.U32(zoneIndex);
    out.U16(static_cast<std::uint16_t>(colours.size()));
    for (auto c : colours) out.Colour(c);
    return std::move(out.Bytes());
}

std::vector<std::uint8_t> ModeData(std::uint32_t index, const Mode& mode, std::uint32_t version) {
    ByteWriter out;
    out.U32(0);
    out.U32(index);
    WriteMode(out, mode, version);
    return std::move(out.Bytes());
}

}  // namespace

TEST(SdkRequests, ShortDataIsNoRequest) {
    const auto leds = ColourData(false, 0, {1, 2, 3});
    const auto zone = ColourData(true, 1, {1, 2});
    const auto mode = ModeData(0, TwoZones().modes[0], 3);
    const struct {
        std::uint32_t id;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {packet::kUpdateLeds, std::vector<std::uint8_t>(leds.begin(), leds.end() - 1)},
        {packet::kUpdateLeds, {}},
        {packet::kUpdateZoneLeds, std::vector<std::uint8_t>(zone.begin(), zone.begin() + 9)},
        {packet::kUpdateSingleLed, {0, 0, 0, 0, 1, 2}},
        {packet::kResizeZone, {0, 0, 0, 0}},
        {packet::kUpdateMode, std::vector<std::uint8_t>(mode.begin(), mode.end() - 2)},
        {packet::kSaveMode, {1, 0, 0, 0}},
        {9999, {}},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseRequest(c.id, c.data, 3)) << "packet " << c.id;
    EXPECT_TRUE(ParseRequest(packet::kUpdateLeds, leds, 3));
    EXPECT_TRUE(ParseRequest(packet::kSetCustomMode, {}, 3));
}

TEST(SdkRequests, ColoursLandOnTheirLeds) {
    const struct {
        const char* what;
        std::uint32_t id;
        std::vector<std::uint8_t> data;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {"all LEDs", packet::kUpdateLeds, ColourData(false, 0, {1, 2, 3, 4, 5}), {1, 2, 3, 4, 5}},
        {"too many colours",
         packet::kUpdateLeds,
         ColourData(false, 0, {1, 2, 3, 4, 5, 6, 7}),
         {1, 2, 3, 4, 5}},
        {"too few colours", packet::kUpdateLeds, ColourData(false, 0, {9}), {9, 0, 0, 0, 0}},
        {"second zone", packet::kUpdateZoneLeds, ColourData(true, 1, {7, 8, 9}), {0, 0, 7, 8, 9}},
        {"first zone overflows", packet::kUpdateZoneLeds, ColourData(true, 0, {7, 8, 9}), {7, 8, 0, 0, 0}},
        {"one LED", packet::kUpdateSingleLed, {4, 0, 0, 0, 0x12, 0x34, 0x56, 0}, {0, 0, 0, 0, 0x123456}},
    };
    for (const auto& c : cases) {
        Controller controller = TwoZones();
        const auto request = ParseRequest(c.id, c.data, 4);
        ASSERT_TRUE(request) << c.what;
        EXPECT_TRUE(ApplyRequest(controller, *request)) << c.what;
        EXPECT_EQ(controller.colours, c.expected) << c.what;
    }
}

TEST(SdkRequests, RequestsForWhatTheControllerLacksChangeNothing) {
    const struct {
        const char* what;
        std::uint32_t id;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"zone 2 of 2", packet::kUpdateZoneLeds, ColourData(true, 2, {1})},
        {"zone far out", packet::kUpdateZoneLeds, ColourData(true, 0xFFFFFFFF, {1})},
        {"LED 5 of 5", packet::kUpdateSingleLed, {5, 0, 0, 0, 1, 1, 1, 0}},
        {"mode 2 of 2", packet::kUpdateMode, ModeData(2, TwoZones().modes[0], 4)},
        {"resize", packet::kResizeZone, {0, 0, 0, 0, 9, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        Controller controller = TwoZones();
        const auto request = ParseRequest(c.id, c.data, 4);
        ASSERT_TRUE(request) << c.what;
        EXPECT_FALSE(ApplyRequest(controller, *request)) << c.what;
        EXPECT_EQ(controller.colours, TwoZones().colours) << c.what;
        EXPECT_EQ(controller.activeMode, 0) << c.what;
    }
}

TEST(SdkRequests, ModeUpdateKeepsToTheModesRanges) {
    Mode asked = TwoZones().modes[0];
    asked.speed = 99;
    asked.colours = {0xABCDEF, 0x111111};
    asked.flags = 0xFFFFFFFF;  // a client cannot give a mode abilities it lacks
    for (std::uint32_t version : {0u, 3u, 4u}) {
        Controller controller = TwoZones();
        controller.activeMode = 1;
        const auto request = ParseRequest(packet::kSaveMode, ModeData(0, asked, version), version);
        ASSERT_TRUE(request);
        EXPECT_EQ(request->kind, RequestKind::SaveMode);
        ASSERT_TRUE(ApplyRequest(controller, *request));
        EXPECT_EQ(controller.activeMode, 0);
        EXPECT_EQ(controller.modes[0].speed, 4u);
        EXPECT_EQ(controller.modes[0].colours, std::vector<std::uint32_t>{0xABCDEF});
        EXPECT_EQ(controller.modes[0].flags, TwoZones().modes[0].flags);
    }
}

TEST(SdkRequests, CustomModeIsTheFirstPerLedMode) {
    Controller controller = TwoZones();
    ASSERT_TRUE(ApplyRequest(controller, *ParseRequest(packet::kSetCustomMode, {}, 0)));
    EXPECT_EQ(controller.activeMode, 1);
    controller.modes.pop_back();
    EXPECT_FALSE(ApplyRequest(controller, *ParseRequest(packet::kSetCustomMode, {}, 0)));
}
