#pragma once
// One client of the server, as its thread keeps it (private to the server's files).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "sdk/sdk_framing.h"
#include "sdk/sdk_server.h"

namespace sdk {

using Clock = std::chrono::steady_clock;

struct CSdkServer::Connection {
    int fd = -1;
    CPacketFramer framer;
    std::vector<std::uint8_t> out;
    std::uint32_t version = 0;  // until the client asks for another
    std::string name;
    Clock::time_point packetBegun{};  // when the unfinished packet began
    bool closing = false;
};

}  // namespace sdk
