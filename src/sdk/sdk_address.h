#pragma once
// The address the server listens on, as a user writes it: "ADDRESS:PORT" or "ADDRESS"
// (the protocol's usual port 6742), IPv4 only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sdk {

inline constexpr char kDefaultAddress[] = "127.0.0.1";
inline constexpr std::uint16_t kDefaultPort = 6742;

struct ListenAddress {
    std::string address = kDefaultAddress;
    std::uint16_t port = kDefaultPort;
};

// Nothing when the address is not a dotted IPv4 address or the port not 1-65535.
std::optional<ListenAddress> ParseListenAddress(std::string_view text);

}  // namespace sdk
