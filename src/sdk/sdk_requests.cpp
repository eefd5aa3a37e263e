#include "sdk/sdk_requests.h"

#include <algorithm>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_controller_data.h"
#include "sdk/sdk_packet.h"

namespace sdk {

namespace {

void ReadColours(ByteReader& in, Request& request) {
    const std::uint16_t count = in.U16();
    for (std::uint16_t i = 0; i < count && in.Ok(); ++i) request.colours.push_back(in.Colour());
}

bool ParseInto(std::uint32_t packetId, ByteReader& in, Request& r, std::uint32_t version) {
    switch (packetId) {
    case packet::kResizeZone:
        r.kind = RequestKind::ResizeZone;
        r.zone = in.U32();
        r.size = in.U32();
        return true;
    case packet::kUpdateLeds:
        r.kind = RequestKind::UpdateLeds;
        in.U32();  // size of the data
        ReadColours(in, r);
        return true;
    case packet::kUpdateZoneLeds:
        r.kind = RequestKind::UpdateZoneLeds;
        in.U32();
        r.zone = in.U32();
        ReadColours(in, r);
        return true;
    case packet::kUpdateSingleLed:
        r.kind = RequestKind::UpdateSingleLed;
        r.led = in.U32();
        r.colours.push_back(in.Colour());
        return true;
    case packet::kSetCustomMode:
        r.kind = RequestKind::SetCustomMode;
        return true;
    case packet::kUpdateMode:
    case packet::kSaveMode: {
        r.kind = packetId == packet::kSaveMode ? RequestKind::SaveMode : RequestKind::UpdateMode;
        in.U32();
        r.modeIndex = in.U32();
        auto mode = ReadMode(in, version);
        if (mode) r.mode = std::move(*mode);
        return true;
    }
    default:
        return false;
    }
}

void CopyColours(std::vector<std::uint32_t>& to, std::size_t start, std::size_t count,
                 const std::vector<std::uint32_t>& from) {
    const std::size_t n = std::min({count, from.size(), to.size() - std::min(start, to.size())});
    std::copy_n(from.begin(), n, to.begin() + static_cast<std::ptrdiff_t>(start));
}

bool ColourModeAllowed(std::uint32_t flags, ColourMode mode) {
    switch (mode) {
    case ColourMode::None:
        return false;
    case ColourMode::PerLed:
        return flags & mode_flag::kPerLedColour;
    case ColourMode::ModeSpecific:
        return flags & mode_flag::kModeSpecificColour;
    case ColourMode::Random:
        return flags & mode_flag::kRandomColour;
    }
    return false;
}

// The mode asked for, with the fields a client may change limited to what the mode allows.
Mode Limited(const Mode& own, const Mode& asked) {
    Mode m = own;
    if (own.flags & mode_flag::kSpeed) m.speed = std::clamp(asked.speed, own.speedMin, own.speedMax);
    if (own.flags & mode_flag::kBrightness)
        m.brightness = std::clamp(asked.brightness, own.brightnessMin, own.brightnessMax);
    if (own.flags & (mode_flag::kDirectionLR | mode_flag::kDirectionUD | mode_flag::kDirectionHV))
        m.direction = asked.direction;
    if (ColourModeAllowed(own.flags, asked.colourMode)) m.colourMode = asked.colourMode;
    if (own.coloursMax > 0 && !asked.colours.empty()) {
        m.colours = asked.colours;
        m.colours.resize(std::clamp<std::size_t>(asked.colours.size(), own.coloursMin, own.coloursMax));
    }
    return m;
}

}  // namespace

std::optional<Request> ParseRequest(std::uint32_t packetId, std::span<const std::uint8_t> data,
                                    std::uint32_t version) {
    ByteReader in(data);
    Request request;
    if (!ParseInto(packetId, in, request, version) || !in.Ok()) return std::nullopt;
    return request;
}

std::optional<std::size_t> CustomModeIndex(const Controller& controller) {
    for (std::size_t i = 0; i < controller.modes.size(); ++i)
        if (controller.modes[i].colourMode == ColourMode::PerLed) return i;
    return std::nullopt;
}

bool ApplyRequest(Controller& c, const Request& r) {
    switch (r.kind) {
    case RequestKind::ResizeZone:
        return false;
    case RequestKind::UpdateLeds:
        CopyColours(c.colours, 0, c.colours.size(), r.colours);
        return true;
    case RequestKind::UpdateZoneLeds:
        if (r.zone >= c.zones.size()) return false;
        CopyColours(c.colours, ZoneStart(c, r.zone), c.zones[r.zone].ledCount, r.colours);
        return true;
    case RequestKind::UpdateSingleLed:
        if (r.led >= c.colours.size()) return false;
        c.colours[r.led] = r.colours.front();
        return true;
    case RequestKind::SetCustomMode: {
        const auto custom = CustomModeIndex(c);
        if (!custom) return false;
        c.activeMode = static_cast<std::int32_t>(*custom);
        return true;
    }
    case RequestKind::UpdateMode:
    case RequestKind::SaveMode:
        if (r.modeIndex >= c.modes.size()) return false;
        c.modes[r.modeIndex] = Limited(c.modes[r.modeIndex], r.mode);
        c.activeMode = static_cast<std::int32_t>(r.modeIndex);
        return true;
    }
    return false;
}

}  // namespace sdk
