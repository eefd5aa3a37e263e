#include <gtest/gtest.h>

#include <vector>

#include "devices/keyboard/keyboard_custom_colours.h"
#include "devices/keyboard/keyboard_light_frame.h"

using namespace keyboard;

namespace {

// Device keys: F1 (LED 1), an unknown code, Esc (LED 0), F2 (LED 2).
const std::vector<uint8_t> kTable = {0x20, 0, 0x3A, 0x99, 0x88, 0x77, 0x20, 0, 0x29, 0x20, 0, 0x3B};

std::vector<uint32_t> Colours(std::initializer_list<LedColour> leds) {
    std::vector<uint32_t> packed;
    for (const LedColour& c : leds) packed.push_back(PackLedColour(c));
    return packed;
}

}  // namespace

TEST(LightFrame, EachLedColourGoesToItsKeysLightPosition) {
    const LedKeyMap map = BuildLedKeyMap(kTable, 4);
    // Positions of the device keys 0-3: F1 lights at 3, the unknown key at 0, Esc at 1, F2 at 2.
    const std::vector<uint8_t> positions = {3, 0, 1, 2};
    const std::vector<uint32_t> colours =
        Colours({{0x11, 0x12, 0x13, 0x80}, {0x21, 0x22, 0x23, 0xFF}, {0x31, 0x32, 0x33, 0}});
    EXPECT_EQ(BuildLightFrame(colours, map, positions, 4), (std::vector<uint8_t>{
                                                               0, 0, 0,           // unknown key: no LED
                                                               0x11, 0x12, 0x13,  // Esc, brightness not sent
                                                               0x31, 0x32, 0x33,  // F2
                                                               0x21, 0x22, 0x23,  // F1
                                                           }));
}

TEST(LightFrame, PositionsOutsideTheKeyboardAndShortInputsAreSkipped) {
    const LedKeyMap map = BuildLedKeyMap(kTable, 4);
    const std::vector<uint32_t> colours = Colours({{1, 2, 3, 0}, {4, 5, 6, 0}});
    // Esc's key names position 9 of a four-key keyboard; only F1 (LED 1, position 0) is lit.
    EXPECT_EQ(BuildLightFrame(colours, map, std::vector<uint8_t>{0, 1, 9, 3}, 4),
              (std::vector<uint8_t>{4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // A positions table shorter than the key count limits the frame.
    EXPECT_EQ(BuildLightFrame(colours, map, std::vector<uint8_t>{0}, 4).size(), 3u);
    EXPECT_TRUE(BuildLightFrame(colours, BuildLedKeyMap(kTable, 0), std::vector<uint8_t>{}, 0).empty());
}
