#pragma once
// The 64-byte command frame. Request and answer share one layout (multi-byte fields
// little-endian):
//   byte 0      report id, always 4
//   bytes 1-2   checksum: the sum of bytes 3-63, low byte first (never checked on answers)
//   byte 3      command; the answer echoes it and the echo is what matches an answer
//   byte 4      payload bytes in this chunk (or requested from the device)
//   bytes 5-6   offset of this chunk within the transferred block
//   byte 7      status: 0 in requests; 0xFF or 0xFE in an answer report an error
//   bytes 8-63  payload, at most 56 bytes
// Everything here is pure: it builds and formats frames without touching a device.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kFrameSize = 64;
constexpr uint8_t kCommandReportId = 4;
constexpr size_t kMaxChunkPayload = 56;

namespace FrameByte {
constexpr size_t kReportId = 0;
constexpr size_t kChecksumLow = 1;
constexpr size_t kChecksumHigh = 2;
constexpr size_t kCommand = 3;
constexpr size_t kLength = 4;
constexpr size_t kOffsetLow = 5;
constexpr size_t kOffsetHigh = 6;
constexpr size_t kStatus = 7;
constexpr size_t kPayload = 8;
}  // namespace FrameByte
static_assert(FrameByte::kPayload + kMaxChunkPayload == kFrameSize, "payload fills the frame");

using Frame = std::array<uint8_t, kFrameSize>;

// Sum of bytes 3-63, each taken as 0..255, keeping the low 16 bits.
uint16_t FrameChecksum(const Frame& frame);
// Writes the checksum into bytes 1-2. Call it after every other byte is final.
void SealFrame(Frame& frame);
// Clears the frame and sets the report id and the command byte (status stays 0).
void StartFrame(Frame& frame, uint8_t command);

// One frame's share of a block transfer.
struct Chunk {
    size_t position = 0;        // index of the chunk's first byte within the block
    uint8_t length = 0;         // payload bytes of this frame
    uint16_t deviceOffset = 0;  // start + position: what goes into bytes 5-6
    friend bool operator==(const Chunk&, const Chunk&) = default;
};

// The device addresses a block with a 16-bit offset: a transfer whose last byte would lie
// past 0xFFFF cannot be expressed and must not be sent (the offset would wrap).
bool TransferFits(size_t length, uint32_t start);
// The chunks of a transfer of `length` bytes at device offset `start`, in sending order:
// full chunks of chunkSize bytes and a shorter last one. Empty for a length of 0.
std::vector<Chunk> PlanChunks(size_t length, uint16_t start, size_t chunkSize = kMaxChunkPayload);
// The chunk beginning at `position` of such a transfer (position < length).
Chunk ChunkAt(size_t length, uint16_t start, size_t position, size_t chunkSize = kMaxChunkPayload);

// Prepares `frame` for one chunk: length and offset bytes, then (for writes, when payload
// is given) the chunk's bytes from byte 8 on, then the checksum. The rest of the payload
// area is left as it is: a transfer reuses one frame, so a short last chunk still carries
// the previous chunk's bytes after its own, and they count in the checksum. The devices
// rely on exactly these frames.
void PlaceChunk(Frame& frame, const Chunk& chunk, const uint8_t* payload);

// The diagnostic dump of a frame: the title line, then bytes 0-31 and bytes 32-63, each as
// "xx xx xx xx   xx xx xx xx   xx xx xx xx   xx xx xx xx  xx xx xx xx  ..." (three blanks
// between the first four groups of four, two between the last four), each line ending
// with a line feed.
std::string FormatFrameDump(std::string_view title, const uint8_t* frame);
