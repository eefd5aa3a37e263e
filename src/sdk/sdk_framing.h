#pragma once
// Cuts what a client sends into packets. Bytes arrive in any pieces; a packet is complete
// once its header and all of its data are in.
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "sdk/sdk_packet.h"

namespace sdk {

struct Packet {
    PacketHeader header;
    std::vector<std::uint8_t> data;
};

class CPacketFramer {
public:
    enum class Result {
        Ok,        // bytes taken; complete packets wait in Next()
        BadMagic,  // the stream does not start a packet with "ORGB": nothing more can be trusted
        TooLarge,  // a header announces more than maxData
    };
    explicit CPacketFramer(std::uint32_t maxData = kMaxRequestData) : maxData_(maxData) {}

    Result Feed(std::span<const std::uint8_t> bytes);
    // The next complete packet, in order; false when none is complete.
    bool Next(Packet& out);
    // Bytes of a packet begun but not complete.
    bool MidPacket() const { return !partial_.empty(); }

private:
    std::uint32_t maxData_;
    std::vector<std::uint8_t> partial_;
    std::deque<Packet> ready_;
};

}  // namespace sdk
