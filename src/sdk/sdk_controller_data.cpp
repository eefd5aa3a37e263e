#include "sdk/sdk_controller_data.h"

namespace sdk {

namespace {

constexpr std::uint32_t kVendorVersion = 1;      // vendor string
constexpr std::uint32_t kBrightnessVersion = 3;  // mode brightness fields
constexpr std::uint32_t kSegmentsVersion = 4;    // zone segments

void WriteZone(ByteWriter& out, const Zone& zone, std::uint32_t version) {
    out.String(zone.name);
    out.U32(static_cast<std::uint32_t>(zone.type));
    out.U32(zone.ledCount);
    out.U32(zone.ledCount);
    out.U32(zone.ledCount);
    const bool matrix = zone.type == ZoneType::Matrix && !zone.matrixMap.empty();
    if (!matrix) {
        out.U16(0);
    } else {
        out.U16(static_cast<std::uint16_t>(8 + 4 * zone.matrixMap.size()));
        out.U32(zone.matrixHeight);
        out.U32(zone.matrixWidth);
        for (std::uint32_t cell : zone.matrixMap) out.U32(cell);
    }
    if (version >= kSegmentsVersion) out.U16(0);
}

}  // namespace

std::uint32_t ZoneStart(const Controller& controller, std::size_t zone) {
    std::uint32_t start = 0;
    for (std::size_t i = 0; i < zone && i < controller.zones.size(); ++i)
        start += controller.zones[i].ledCount;
    return start;
}

void WriteMode(ByteWriter& out, const Mode& mode, std::uint32_t version) {
    out.String(mode.name);
    out.U32(static_cast<std::uint32_t>(mode.value));
    out.U32(mode.flags);
    out.U32(mode.speedMin);
    out.U32(mode.speedMax);
    if (version >= kBrightnessVersion) {
        out.U32(mode.brightnessMin);
        out.U32(mode.brightnessMax);
    }
    out.U32(mode.coloursMin);
    out.U32(mode.coloursMax);
    out.U32(mode.speed);
    if (version >= kBrightnessVersion) out.U32(mode.brightness);
    out.U32(mode.direction);
    out.U32(static_cast<std::uint32_t>(mode.colourMode));
    out.U16(static_cast<std::uint16_t>(mode.colours.size()));
    for (std::uint32_t colour : mode.colours) out.Colour(colour);
}

std::optional<Mode> ReadMode(ByteReader& in, std::uint32_t version) {
    Mode mode;
    mode.name = in.String();
    mode.value = static_cast<std::int32_t>(in.U32());
    mode.flags = in.U32();
    mode.speedMin = in.U32();
    mode.speedMax = in.U32();
    if (version >= kBrightnessVersion) {
        mode.brightnessMin = in.U32();
        mode.brightnessMax = in.U32();
    }
    mode.coloursMin = in.U32();
    mode.coloursMax = in.U32();
    mode.speed = in.U32();
    if (version >= kBrightnessVersion) mode.brightness = in.U32();
    mode.direction = in.U32();
    mode.colourMode = static_cast<ColourMode>(in.U32());
    const std::uint16_t count = in.U16();
    for (std::uint16_t i = 0; i < count && in.Ok(); ++i) mode.colours.push_back(in.Colour());
    if (!in.Ok()) return std::nullopt;
    return mode;
}

std::vector<std::uint8_t> EncodeControllerData(const Controller& c, std::uint32_t version) {
    ByteWriter out;
    out.U32(0);  // the block's size, filled in at the end
    out.U32(static_cast<std::uint32_t>(c.type));
    out.String(c.name);
    if (version >= kVendorVersion) out.String(c.vendor);
    out.String(c.description);
    out.String(c.version);
    out.String(c.serial);
    out.String(c.location);
    out.U16(static_cast<std::uint16_t>(c.modes.size()));
    out.U32(static_cast<std::uint32_t>(c.activeMode));
    for (const Mode& mode : c.modes) WriteMode(out, mode, version);
    out.U16(static_cast<std::uint16_t>(c.zones.size()));
    for (const Zone& zone : c.zones) WriteZone(out, zone, version);
    out.U16(static_cast<std::uint16_t>(c.leds.size()));
    for (const Led& led : c.leds) {
        out.String(led.name);
        out.U32(led.value);
    }
    out.U16(static_cast<std::uint16_t>(c.colours.size()));
    for (std::uint32_t colour : c.colours) out.Colour(colour);
    auto& bytes = out.Bytes();
    StoreU32(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return std::move(bytes);
}

}  // namespace sdk
