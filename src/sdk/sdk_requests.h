#pragma once
// What a client asks a controller to do (packets 1000, 1050-1052, 1100-1102), parsed from the
// packet's data, and how a request changes the controller's state.
//
// Data layouts:
//   1000 resize zone       i32 zone, i32 size
//   1050 update LEDs       u32 size, u16 count, colours
//   1051 update zone LEDs  u32 size, u32 zone, u16 count, colours
//   1052 update one LED    i32 LED, colour
//   1100 set custom mode   (no data)
//   1101 update mode       u32 size, i32 mode, the mode block (sdk_controller_data.h)
//   1102 save mode         as 1101
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sdk/sdk_controller.h"

namespace sdk {

enum class RequestKind {
    ResizeZone,
    UpdateLeds,
    UpdateZoneLeds,
    UpdateSingleLed,
    SetCustomMode,
    UpdateMode,
    SaveMode
};

struct Request {
    RequestKind kind = RequestKind::UpdateLeds;
    std::uint32_t zone = 0;  // ResizeZone, UpdateZoneLeds
    std::uint32_t led = 0;   // UpdateSingleLed
    std::uint32_t size = 0;  // ResizeZone
    std::vector<std::uint32_t> colours;
    std::uint32_t modeIndex = 0;  // UpdateMode, SaveMode
    Mode mode;
};

// The request of a device packet; nothing when the id is no request or the data is short.
std::optional<Request> ParseRequest(std::uint32_t packetId, std::span<const std::uint8_t> data,
                                    std::uint32_t version);

// Applies a request to the controller's colours and active mode. False, leaving the
// controller as it was, when the request names a zone, LED or mode it does not have, or
// asks to resize a zone (ours are fixed). Colours past the zone's or the controller's end
// are dropped; missing ones keep their colour.
bool ApplyRequest(Controller& controller, const Request& request);

// The mode a request for per-LED colours switches to: the first mode taking colours per LED.
std::optional<std::size_t> CustomModeIndex(const Controller& controller);

}  // namespace sdk
