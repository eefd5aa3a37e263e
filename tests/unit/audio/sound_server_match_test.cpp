// Finding the headset's output among the sound server's objects.
#include <gtest/gtest.h>

#include "devices/audio/sound_server_match.h"

namespace {

constexpr uint16_t kVendor = 0x320F;
constexpr uint16_t kProduct = 0x2009;

SoundServerObject Device(uint32_t id, const std::string& vendor, const std::string& product) {
    return {id, soundserver::kDeviceType, {{"device.vendor.id", vendor}, {"device.product.id", product}}};
}

SoundServerObject Node(uint32_t id, const std::string& name, const std::string& mediaClass, uint32_t device) {
    return {id,
            soundserver::kNodeType,
            {{"node.name", name}, {"media.class", mediaClass}, {"device.id", std::to_string(device)}}};
}

}  // namespace

TEST(SoundServerMatch, UsbIdsAsTheServerWritesThem) {
    const struct {
        const char* text;
        std::optional<uint16_t> id;
    } cases[] = {{"0x320f", 0x320F},  {"0X320F", 0x320F},   {"320f", 0x320F},          {"0x0", 0},
                 {"", std::nullopt},  {"0x", std::nullopt}, {"0x1ffff", std::nullopt}, {"12g4", std::nullopt},
                 {"-1", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ParseUsbId(c.text), c.id) << c.text;
}

TEST(SoundServerMatch, TheHeadsetsSinkNotItsSourceNorAnotherCardsSink) {
    const std::vector<SoundServerObject> objects = {
        Device(40, "0x046d", "0x0a44"),
        Node(41, "alsa_output.usb-other-00.analog-stereo", "Audio/Sink", 40),
        Device(50, "0x320f", "0x2009"),
        Node(51, "alsa_input.usb-KV_ELM-00.mono-fallback", "Audio/Source", 50),
        Node(52, "alsa_output.usb-KV_ELM-00.analog-stereo", "Audio/Sink", 50),
    };
    EXPECT_EQ(FindUsbSinkNode(objects, kVendor, kProduct), "alsa_output.usb-KV_ELM-00.analog-stereo");
    EXPECT_EQ(FindUsbSinkNode(objects, kVendor, 0x2002), std::nullopt) << "another product of the maker";
    EXPECT_EQ(FindUsbSinkNode({objects[0], objects[1], objects[2], objects[3]}, kVendor, kProduct),
              std::nullopt)
        << "the headset has no sink";
    EXPECT_EQ(FindSinkNodeNamed(objects, "alsa_output.usb-other-00.analog-stereo"),
              "alsa_output.usb-other-00.analog-stereo");
    EXPECT_EQ(FindSinkNodeNamed(objects, "alsa_input.usb-KV_ELM-00.mono-fallback"), std::nullopt)
        << "a source";
}
