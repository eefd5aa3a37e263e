#pragma once
// The controller data block (answer to packet 1) and the mode block a client sends with
// packets 1101 and 1102, for protocol versions 0 to 4.
//
// Controller block: u32 size of the whole block, i32 type, string name, string vendor (from
// version 1), strings description, version, serial, location; u16 mode count, i32 active
// mode, the modes; u16 zone count, the zones; u16 LED count, per LED string name and u32
// value; u16 colour count, the colours.
// Mode: string name, i32 value, u32 flags, speed min and max, brightness min and max (from
// version 3), colours min and max, speed, brightness (from version 3), direction, colour
// mode, u16 colour count, the colours.
// Zone: string name, i32 type, u32 LED min, max and count, u16 matrix size in bytes (0 or
// 8 + 4 x height x width), then u32 height, width and the map; from version 4 a u16 segment
// count (always 0 here: our zones have no segments).
// Strings are a u16 length counting a terminating zero, then the text and the zero; colours
// are red, green, blue and a zero byte.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_controller.h"

namespace sdk {

std::vector<std::uint8_t> EncodeControllerData(const Controller& controller, std::uint32_t version);

void WriteMode(ByteWriter& out, const Mode& mode, std::uint32_t version);
// Reads one mode as written by WriteMode; nothing when the data runs out first.
std::optional<Mode> ReadMode(ByteReader& in, std::uint32_t version);

}  // namespace sdk
