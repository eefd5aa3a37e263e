#include "sdk/sdk_packet.h"

#include <algorithm>

#include "sdk/sdk_bytes.h"

namespace sdk {

std::array<std::uint8_t, kHeaderSize> EncodeHeader(const PacketHeader& header) {
    std::array<std::uint8_t, kHeaderSize> out{};
    std::copy(kMagic.begin(), kMagic.end(), out.begin() + kMagicOffset);
    StoreU32(out.data() + kDeviceOffset, header.deviceIndex);
    StoreU32(out.data() + kIdOffset, header.packetId);
    StoreU32(out.data() + kSizeOffset, header.dataSize);
    return out;
}

std::optional<PacketHeader> DecodeHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin() + kMagicOffset)) return std::nullopt;
    return PacketHeader{LoadU32(bytes.data() + kDeviceOffset), LoadU32(bytes.data() + kIdOffset),
                        LoadU32(bytes.data() + kSizeOffset)};
}

std::vector<std::uint8_t> EncodePacket(std::uint32_t deviceIndex, std::uint32_t packetId,
                                       std::span<const std::uint8_t> data) {
    const auto header = EncodeHeader({deviceIndex, packetId, static_cast<std::uint32_t>(data.size())});
    std::vector<std::uint8_t> out(kHeaderSize + data.size());
    std::copy(header.begin(), header.end(), out.begin());
    std::copy(data.begin(), data.end(), out.begin() + kHeaderSize);
    return out;
}

}  // namespace sdk
