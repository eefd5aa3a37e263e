// Packet frames and controller blocks, read back the way a client reads them.
#include <gtest/gtest.h>

#include "sdk/sdk_address.h"
#include "sdk/sdk_bytes.h"
#include "sdk/sdk_controller_data.h"
#include "sdk/sdk_framing.h"
#include "sdk/sdk_packet.h"

using namespace sdk;

namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

Controller SmallKeyboard() {
    Controller c;
    c.type = DeviceType::Keyboard;
    c.name = "Board";
    c.vendor = "Maker";
    c.description = "desc";
    c.version = "1.2";
    c.serial = "S1";
    c.location = "hid";
    Mode direct{
        .name = "Direct", .value = 8, .flags = mode_flag::kPerLedColour, .colourMode = ColourMode::PerLed};
    Mode wave{.name = "Wave",
              .value = 3,
              .flags = mode_flag::kSpeed | mode_flag::kBrightness | mode_flag::kDirectionLR,
              .speedMin = 0,
              .speedMax = 4,
              .brightnessMin = 0,
              .brightnessMax = 4,
              .speed = 2,
              .brightness = 3,
              .direction = 1};
    Mode breathe{.name = "Breathe",
                 .value = 4,
                 .flags = mode_flag::kModeSpecificColour,
                 .coloursMin = 1,
                 .coloursMax = 1,
                 .colourMode = ColourMode::ModeSpecific,
                 .colours = {0x102030}};
    c.modes = {direct, wave, breathe};
    c.activeMode = 1;
    c.zones = {Zone{.name = "Keys",
                    .type = ZoneType::Matrix,
                    .ledCount = 3,
                    .matrixHeight = 2,
                    .matrixWidth = 2,
                    .matrixMap = {0, 1, kNoLed, 2}},
               Zone{.name = "Logo", .type = ZoneType::Single, .ledCount = 1}};
    c.leds = {{"Key: A", 0}, {"Key: B", 1}, {"Key: C", 2}, {"Logo", 3}};
    c.colours = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456};
    return c;
}

// What a client makes of a controller block, read independently of the encoder by the
// layout clients use at each protocol version.
struct ReadBack {
    std::uint32_t size = 0;
    std::int32_t type = 0;
    std::vector<std::string> strings;  // name, [vendor], description, version, serial, location
    std::int32_t activeMode = 0;
    std::vector<Mode> modes;
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> zones;  // name, matrix map
    std::vector<std::string> leds;
    std::vector<std::uint32_t> colours;
    bool ok = false;
    std::size_t left = 0;
};

ReadBack ReadBlock(const std::vector<std::uint8_t>& bytes, std::uint32_t version) {
    ByteReader in(bytes);
    ReadBack r;
    r.size = in.U32();
    r.type = static_cast<std::int32_t>(in.U32());
    for (int i = 0; i < (version >= 1 ? 6 : 5); ++i) r.strings.push_back(in.String());
    const std::uint16_t modes = in.U16();
    r.activeMode = static_cast<std::int32_t>(in.U32());
    for (int i = 0; i < modes; ++i) r.modes.push_back(ReadMode(in, version).value_or(Mode{}));
    const std::uint16_t zones = in.U16();
    for (int i = 0; i < zones; ++i) {
        std::string name = in.String();
        in.U32();  // type
        in.U32();  // min
        in.U32();  // max
        in.U32();  // count
        std::vector<std::uint32_t> map;
        if (in.U16() > 0) {
            const std::uint32_t cells = in.U32() * in.U32();
            for (std::uint32_t k = 0; k < cells; ++k) map.push_back(in.U32());
        }
        if (version >= 4) {
            EXPECT_EQ(in.U16(), 0) << "segment count";
        }
        r.zones.emplace_back(name, map);
    }
    const std::uint16_t leds = in.U16();
    for (int i = 0; i < leds; ++i) {
        r.leds.push_back(in.String());
        in.U32();
    }
    const std::uint16_t colours = in.U16();
    for (int i = 0; i < colours; ++i) r.colours.push_back(in.Colour());
    r.ok = in.Ok();
    r.left = in.Left();
    return r;
}

}  // namespace

TEST(SdkPacket, HeaderIsMagicDeviceIdSizeLittleEndian) {
    const auto header = EncodeHeader({0x01020304, 1050, 0x1234});
    EXPECT_EQ(std::vector<std::uint8_t>(header.begin(), header.end()),
              Bytes({'O', 'R', 'G', 'B', 4, 3, 2, 1, 0x1A, 4, 0, 0, 0x34, 0x12, 0, 0}));
    const auto back = DecodeHeader(header);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->deviceIndex, 0x01020304u);
    EXPECT_EQ(back->packetId, 1050u);
    EXPECT_EQ(back->dataSize, 0x1234u);
}

TEST(SdkPacket, HeaderWithWrongMagicOrShortIsRefused) {
    auto header = EncodeHeader({0, 0, 0});
    header[3] = 'C';
    EXPECT_FALSE(DecodeHeader(header));
    const auto good = EncodeHeader({0, 0, 0});
    EXPECT_FALSE(DecodeHeader(std::span(good).first(15)));
}

TEST(SdkControllerData, EveryVersionReadsBackWhole) {
    const Controller c = SmallKeyboard();
    for (std::uint32_t version = 0; version <= kServerProtocolVersion; ++version) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto bytes = EncodeControllerData(c, version);
        const ReadBack r = ReadBlock(bytes, version);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.left, 0u) << "bytes after the colours";
        EXPECT_EQ(r.size, bytes.size());
        EXPECT_EQ(r.type, 5);
        EXPECT_EQ(r.strings.front(), "Board");
        EXPECT_EQ(r.strings.back(), "hid");
        EXPECT_EQ(r.strings.size() == 6 && r.strings[1] == "Maker", version >= 1);
        EXPECT_EQ(r.activeMode, 1);
        ASSERT_EQ(r.modes.size(), 3u);
        EXPECT_EQ(r.modes[1].name, "Wave");
        EXPECT_EQ(r.modes[1].speedMax, 4u);
        EXPECT_EQ(r.modes[1].direction, 1u);
        EXPECT_EQ(r.modes[1].brightness, version >= 3 ? 3u : 0u);
        EXPECT_EQ(r.modes[2].colours, std::vector<std::uint32_t>{0x102030});
        ASSERT_EQ(r.zones.size(), 2u);
        EXPECT_EQ(r.zones[0].second, (std::vector<std::uint32_t>{0, 1, kNoLed, 2}));
        EXPECT_TRUE(r.zones[1].second.empty());
        EXPECT_EQ(r.leds, (std::vector<std::string>{"Key: A", "Key: B", "Key: C", "Logo"}));
        EXPECT_EQ(r.colours, c.colours);
    }
}

TEST(SdkControllerData, StringsCarryTheirZeroAndColoursAPadByte) {
    Controller c;
    c.name = "AB";
    c.colours = {0x112233};
    const auto bytes = EncodeControllerData(c, 0);
    // size, type, then the name: length 3 counting the zero.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 8, bytes.begin() + 13), Bytes({3, 0, 'A', 'B', 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 4, bytes.end()), Bytes({0x11, 0x22, 0x33, 0}));
}

TEST(SdkFraming, PacketsArriveInAnyPieces) {
    std::vector<std::uint8_t> stream;
    for (std::uint32_t id : {40u, 1052u}) {
        const auto p = EncodePacket(7, id, Bytes({1, 2, 3, 4, 5, 6, 7, 8}));
        stream.insert(stream.end(), p.begin(), p.end());
    }
    for (std::size_t piece : {1u, 3u, 16u, 17u, 100u}) {
        CPacketFramer framer;
        std::vector<std::uint32_t> ids;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            ASSERT_EQ(framer.Feed(std::span(stream).subspan(at, std::min(piece, stream.size() - at))),
                      CPacketFramer::Result::Ok);
            Packet p;
            while (framer.Next(p)) {
                ids.push_back(p.header.packetId);
                EXPECT_EQ(p.data, Bytes({1, 2, 3, 4, 5, 6, 7, 8}));
            }
        }
        EXPECT_EQ(ids, (std::vector<std::uint32_t>{40, 1052})) << "pieces of " << piece;
        EXPECT_FALSE(framer.MidPacket());
    }
}

TEST(SdkFraming, WrongMagicAndOversizeAreRefused) {
    CPacketFramer framer(100);
    EXPECT_EQ(framer.Feed(Bytes({'O', 'R', 'X'})), CPacketFramer::Result::BadMagic)
        << "refused before 16 bytes";
    CPacketFramer big(100);
    const auto header = EncodeHeader({0, 1050, 101});
    EXPECT_EQ(big.Feed(header), CPacketFramer::Result::TooLarge);
    CPacketFramer fits(100);
    EXPECT_EQ(fits.Feed(EncodeHeader({0, 1050, 100})), CPacketFramer::Result::Ok);
    EXPECT_TRUE(fits.MidPacket());
}

TEST(SdkAddress, AddressesAsUsersWriteThem) {
    const struct {
        const char* text;
        bool ok;
        const char* address;
        std::uint16_t port;
    } cases[] = {
        {"127.0.0.1:6742", true, "127.0.0.1", 6742},
        {"0.0.0.0:1", true, "0.0.0.0", 1},
        {"192.168.1.5", true, "192.168.1.5", 6742},
        {"127.0.0.1:0", false, "", 0},
        {"127.0.0.1:65536", false, "", 0},
        {"127.0.0.1:67x", false, "", 0},
        {"127.0.0.1:", false, "", 0},
        {"localhost:6742", false, "", 0},
        {":6742", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseListenAddress(c.text);
        ASSERT_EQ(parsed.has_value(), c.ok) << c.text;
        if (!parsed) continue;
        EXPECT_EQ(parsed->address, c.address) << c.text;
        EXPECT_EQ(parsed->port, c.port) << c.text;
    }
}
