#pragma once
// Device images of macros (command 21) and shoot data (command 23), and the 4-byte events
// they carry. All multi-byte fields are little-endian.
//
// Image layout:
//   0   2      magic 0x55AA (bytes AA 55)
//   2   2      total image length in bytes, header included
//   4   2      number of entries N
//   6   10     zero
//   16  2 x N  offset of each entry from the image start, in entry order
//   ... entries one after the other: event count E (u16), 2 zero bytes, E events of 4 bytes
// Total length = 16 + 6N + 4 x (sum of all E).
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <json/json.h>

namespace mouse {

namespace image {
inline constexpr std::uint16_t kMagic = 0x55AA;
inline constexpr std::size_t kMagicOffset = 0;
inline constexpr std::size_t kLengthOffset = 2;
inline constexpr std::size_t kCountOffset = 4;
inline constexpr std::size_t kReservedOffset = 6;     // 10 zero bytes
inline constexpr std::size_t kHeaderLength = 16;      // offsets table starts here
inline constexpr std::size_t kOffsetEntryLength = 2;  // per entry in the offsets table
inline constexpr std::size_t kEntryHeaderLength = 4;  // event count u16 + 2 zero bytes
inline constexpr std::size_t kEventLength = 4;
// The length field is 16 bits wide: a longer image cannot be described.
inline constexpr std::size_t kMaxImageLength = 0xFFFF;
// Macro memory is given in units of this many bytes (device information byte 6).
inline constexpr std::size_t kMacroMemoryUnit = 128;
static_assert(kReservedOffset + 10 == kHeaderLength, "10 zero bytes end the fixed header");
}  // namespace image

// Bit of the type byte that marks a press ("Action" "down").
inline constexpr std::uint8_t kEventDownBit = 0x80;

// An event as the device receives it (4 bytes: delay low, delay high, type, button).
struct MacroEventRecord {
    std::uint16_t delay = 0;  // milliseconds after the event
    std::uint8_t type = 0;    // event type, bit 7 set for "down"
    std::uint8_t button = 0;  // key usage, button bit or distance, by type
};

// The four bytes of an event: delay low, delay high, type, button.
std::array<std::uint8_t, image::kEventLength> EventBytes(const MacroEventRecord& event);

// Encodes one element of an "Events" array. Never fails; missing or wrong-typed members
// give 0:
//   "Delay": decimal text read with leading-digits rules, or a JSON number (shoot files);
//            limited to 0..65535 instead of being cut to 16 bits, so 70000 goes out as 65535;
//   "Type": low byte, with bit 7 set when "Action" is "down" (letter case ignored, as the
//           shoot panel shows "DOWN" as down);
//   "Button": limited to 0..255 (a shoot distance of 300 goes out as 255, not 44).
// A null element (a gap in a shoot file) gives four zero bytes.
MacroEventRecord EncodeMacroEvent(const Json::Value& event);

// Image length for entries of the given event counts: 16 + 6N + 4 x (sum of counts).
std::size_t DeviceImageLength(const std::vector<std::size_t>& eventCounts);

// Builds the image of the layout above from the entries, in order.
// Returns 1 with `out` filled; 0 (and `out` untouched) when the image would be longer than
// 65535 bytes, which its 16-bit length and offset fields cannot describe.
int BuildDeviceImage(const std::vector<std::vector<MacroEventRecord>>& entries,
                     std::vector<std::uint8_t>* out);

// Macro memory of the device in bytes: information byte 6 x 128.
std::size_t MacroCapacityBytes(std::uint8_t macroMemoryUnits);

// The capacity rule: 0 when an image of `totalLength` bytes fits `capacity` bytes;
// otherwise the number of 4-byte units over the limit plus one,
// ((totalLength - capacity) / 4) + 1 (300 bytes into 256 gives 12).
int MacroOverflowUnits(std::size_t totalLength, std::size_t capacity);

}  // namespace mouse
