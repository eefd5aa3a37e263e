// The device's check of macro and shoot-data images.
#include <gtest/gtest.h>
#include <functional>
#include "sim/sim_image_check.h"
#include "sim_test_images.h"

namespace {

TEST(SimImageCheck, AcceptsWellFormedImages) {
    EXPECT_EQ(CheckDeviceImage(BuildImage({3, 5}), 256), "");
    EXPECT_EQ(CheckDeviceImage(BuildImage({0, 0, 0, 0}), 256), "");  // four empty presets
    EXPECT_EQ(CheckDeviceImage(BuildImage({}), 16), "");
    EXPECT_EQ(BuildImage({3, 5}).size(), 60u);
}

struct MalformedCase {
    const char* what;
    std::function<void(Bytes&)> damage;
    size_t capacity;
    const char* reason;  // a word the refusal must contain
};

TEST(SimImageCheck, RefusesMalformedImages) {
    const MalformedCase cases[] = {
        {"too big", [](Bytes&) {}, 59, "exceeds"},
        {"bad magic",
         [](Bytes& i) {
             i[0] = 0x55;
             i[1] = 0xAA;
         },
         256, "AA 55"},
        {"total too small", [](Bytes& i) { i[2] = 59; }, 256, "total length"},
        {"total too large", [](Bytes& i) { i[2] = 64; }, 256, "total length"},
        {"extra byte",
         [](Bytes& i) {
             i.push_back(0);
             i[2] = 61;
         },
         256, "follow the last entry"},
        {"reserved header", [](Bytes& i) { i[10] = 1; }, 256, "reserved"},
        {"first offset", [](Bytes& i) { i[16] = 0x16; }, 256, "entry 0 at offset 22"},
        {"second offset", [](Bytes& i) { i[18] = 0x20; }, 256, "entry 1 at offset 32"},
        {"entry reserved", [](Bytes& i) { i[0x14 + 3] = 7; }, 256, "reserved"},
        {"event count too big", [](Bytes& i) { i[0x24] = 6; }, 256, "reach past"},
        {"event count too small", [](Bytes& i) { i[0x24] = 4; }, 256, "follow the last entry"},
        {"entry table too long", [](Bytes& i) { i[4] = 30; }, 256, "offset table"},
        {"header cut", [](Bytes& i) { i.resize(10); }, 256, "shorter"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes image = BuildImage({3, 5});
        c.damage(image);
        const std::string why = CheckDeviceImage(image, c.capacity);
        EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    }
}

}  // namespace
