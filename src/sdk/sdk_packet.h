#pragma once
// The packet frame of the OpenRGB SDK network protocol.
//
// Every packet is a 16-byte header followed by `dataSize` bytes of data:
//   bytes 0-3   magic "ORGB"
//   bytes 4-7   device index   (u32 LE; 0 for packets that name no device)
//   bytes 8-11  packet id      (u32 LE)
//   bytes 12-15 data size      (u32 LE)
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sdk {

inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kMagicOffset = 0;   // "ORGB"
inline constexpr std::size_t kDeviceOffset = 4;  // device index
inline constexpr std::size_t kIdOffset = 8;      // packet id
inline constexpr std::size_t kSizeOffset = 12;   // data size
inline constexpr std::array<std::uint8_t, 4> kMagic{'O', 'R', 'G', 'B'};

// The highest protocol version this server speaks; a client asking for a lower one gets that.
inline constexpr std::uint32_t kServerProtocolVersion = 4;
// No request a client may send is anywhere near this: a full keyboard colour update is under
// 1 KiB. A header announcing more closes the connection.
inline constexpr std::uint32_t kMaxRequestData = 64 * 1024;

// Packet ids.
namespace packet {
inline constexpr std::uint32_t kControllerCount = 0;
inline constexpr std::uint32_t kControllerData = 1;
inline constexpr std::uint32_t kProtocolVersion = 40;
inline constexpr std::uint32_t kClientName = 50;
inline constexpr std::uint32_t kDeviceListUpdated = 100;
inline constexpr std::uint32_t kResizeZone = 1000;
inline constexpr std::uint32_t kUpdateLeds = 1050;
inline constexpr std::uint32_t kUpdateZoneLeds = 1051;
inline constexpr std::uint32_t kUpdateSingleLed = 1052;
inline constexpr std::uint32_t kSetCustomMode = 1100;
inline constexpr std::uint32_t kUpdateMode = 1101;
inline constexpr std::uint32_t kSaveMode = 1102;
}  // namespace packet

struct PacketHeader {
    std::uint32_t deviceIndex = 0;
    std::uint32_t packetId = 0;
    std::uint32_t dataSize = 0;
};

std::array<std::uint8_t, kHeaderSize> EncodeHeader(const PacketHeader& header);
// The header at the start of `bytes`; nothing when fewer than 16 bytes are given or the
// magic is not "ORGB".
std::optional<PacketHeader> DecodeHeader(std::span<const std::uint8_t> bytes);
// Header and data as one packet.
std::vector<std::uint8_t> EncodePacket(std::uint32_t deviceIndex, std::uint32_t packetId,
                                       std::span<const std::uint8_t> data);

}  // namespace sdk
