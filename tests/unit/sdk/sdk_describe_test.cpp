// Our devices as a client sees them: modes with the abilities the lighting panel offers,
// zones and LEDs, and what a client's changes come to in the lighting record.
#include <gtest/gtest.h>

#include "sdk/describe/device_controller.h"
#include "sdk/sdk_requests.h"

using namespace sdk;

namespace {

DeviceLighting Mouse() {
    DeviceLighting d;
    d.kind = 2;
    d.name = "Mouse";
    d.modeIds = {"light_mode_rainbow_cycle", "light_mode_colour_wheel", "light_mode_breathing",
                 "light_mode_trail",         "light_mode_static_multi", "light_mode_single_colour",
                 "light_mode_reactive",      "light_mode_flashing",     "light_mode_marquee",
                 "light_mode_wave",          "light_mode_ripple",       "light_mode_off"};
    d.areaIds = {"light_area_wheel", "light_area_logo"};
    d.effect = {.selectItem = 2,
                .light = 3,
                .speed = 1,
                .fx = 0,
                .multiColor = 0,
                .red = 0x10,
                .green = 0x20,
                .blue = 0x30};
    return d;
}

DeviceLighting Keyboard() {
    DeviceLighting d;
    d.kind = 1;
    for (int i = 0; i < 25; ++i) d.modeIds.push_back("light_mode_" + std::to_string(i));
    d.modeIds[8] = "light_mode_custom";
    d.areaIds = {"light_area_keys"};
    d.effect.selectItem = 8;
    d.keyColours.assign(126, 0);
    d.keyColours[0] = 0x00332211;  // red 0x11 in the low byte
    return d;
}

}  // namespace

TEST(SdkDescribe, ModesCarryTheAbilitiesOfThePanelsTable) {
    const Controller mouse = DescribeDevice(Mouse());
    const Controller keyboard = DescribeDevice(Keyboard());
    const struct {
        const Controller* c;
        std::size_t mode;
        const char* name;
        std::uint32_t flags;
        ColourMode colourMode;
    } cases[] = {
        {&mouse, 0, "Rainbow cycle", mode_flag::kSpeed | mode_flag::kBrightness | mode_flag::kDirectionLR,
         ColourMode::None},
        {&mouse, 2, "Breathing",
         mode_flag::kSpeed | mode_flag::kBrightness | mode_flag::kRandomColour |
             mode_flag::kModeSpecificColour,
         ColourMode::ModeSpecific},
        {&mouse, 3, "Trail",
         mode_flag::kSpeed | mode_flag::kBrightness | mode_flag::kDirectionLR | mode_flag::kRandomColour |
             mode_flag::kModeSpecificColour,
         ColourMode::ModeSpecific},
        {&mouse, 5, "Single colour", mode_flag::kBrightness | mode_flag::kPerLedColour, ColourMode::PerLed},
        {&mouse, 11, "Off", 0, ColourMode::None},
        {&keyboard, 8, "Custom", mode_flag::kBrightness | mode_flag::kPerLedColour, ColourMode::PerLed},
        {&keyboard, 24, "24", 0, ColourMode::None},
    };
    for (const auto& c : cases) {
        const Mode& m = c.c->modes.at(c.mode);
        EXPECT_EQ(m.name, c.name);
        EXPECT_EQ(m.value, static_cast<std::int32_t>(c.mode));
        EXPECT_EQ(m.flags, c.flags) << c.name;
        EXPECT_EQ(m.colourMode, c.colourMode) << c.name;
        EXPECT_EQ(m.speedMax, (c.flags & mode_flag::kSpeed) ? 4u : 0u) << c.name;
    }
    EXPECT_EQ(mouse.activeMode, 2);
    EXPECT_EQ(mouse.modes[2].speed, 1u) << "the active mode shows the device's values";
    EXPECT_EQ(mouse.modes[2].colours, std::vector<std::uint32_t>{0x102030});
}

TEST(SdkDescribe, ZonesAndLedsPerKind) {
    const Controller mouse = DescribeDevice(Mouse());
    EXPECT_EQ(mouse.type, DeviceType::Mouse);
    ASSERT_EQ(mouse.zones.size(), 2u);
    EXPECT_EQ(mouse.zones[1].name, "Logo");
    EXPECT_EQ(mouse.colours, (std::vector<std::uint32_t>{0x102030, 0x102030}));

    const Controller keyboard = DescribeDevice(Keyboard());
    EXPECT_EQ(keyboard.type, DeviceType::Keyboard);
    ASSERT_EQ(keyboard.zones.size(), 1u);
    EXPECT_EQ(keyboard.zones[0].type, ZoneType::Matrix);
    EXPECT_EQ(keyboard.zones[0].matrixMap.size(), 126u);
    ASSERT_EQ(keyboard.leds.size(), 126u);
    EXPECT_EQ(keyboard.leds[0].name, "Key: Escape");
    EXPECT_EQ(keyboard.leds[105].name, "Key: Left Control");
    EXPECT_EQ(keyboard.leds[110].name, "Key: Fn");
    EXPECT_EQ(keyboard.colours[0], 0x112233u);
    EXPECT_EQ(KeyColoursOf(keyboard)[0], 0x00332211u);
}

TEST(SdkDescribe, OneLedOfASingleColourDeviceColoursItAll) {
    const DeviceLighting d = Mouse();
    Controller c = DescribeDevice(d);
    Request custom{.kind = RequestKind::SetCustomMode};
    ASSERT_TRUE(ApplyRequest(c, custom));
    Request led{.kind = RequestKind::UpdateSingleLed, .led = 1, .colours = {0xABCDEF}};
    ASSERT_TRUE(ApplyRequest(c, led));
    const LightInfoRecord r = EffectOf(c, d.effect);
    EXPECT_EQ(r.selectItem, 5);
    EXPECT_EQ((std::array{r.red, r.green, r.blue}), (std::array<std::uint8_t, 3>{0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(r.light, 3) << "brightness kept";
}

TEST(SdkDescribe, ModeUpdateBecomesTheLightingRecord) {
    const DeviceLighting d = Mouse();
    Controller c = DescribeDevice(d);
    Mode asked = c.modes[3];
    asked.speed = 4;
    asked.direction = 1;
    asked.colourMode = ColourMode::Random;
    asked.colours = {0x445566};
    Request r{.kind = RequestKind::UpdateMode, .modeIndex = 3, .mode = asked};
    ASSERT_TRUE(ApplyRequest(c, r));
    const LightInfoRecord e = EffectOf(c, d.effect);
    EXPECT_EQ(e.selectItem, 3);
    EXPECT_EQ(e.speed, 4);
    EXPECT_EQ(e.fx, 1);
    EXPECT_EQ(e.multiColor, 1);
    EXPECT_EQ((std::array{e.red, e.green, e.blue}), (std::array<std::uint8_t, 3>{0x44, 0x55, 0x66}))
        << "the colour is kept beside the colourful switch";
}
