#include "sdk/sdk_address.h"

#include <arpa/inet.h>

#include <charconv>

namespace sdk {

std::optional<ListenAddress> ParseListenAddress(std::string_view text) {
    ListenAddress out;
    const std::size_t colon = text.rfind(':');
    const std::string_view host = text.substr(0, colon);
    if (colon != std::string_view::npos) {
        const std::string_view port = text.substr(colon + 1);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (error != std::errc() || end != port.data() + port.size() || value == 0 || value > 0xFFFF)
            return std::nullopt;
        out.port = static_cast<std::uint16_t>(value);
    }
    out.address = std::string(host);
    in_addr parsed{};
    if (inet_pton(AF_INET, out.address.c_str(), &parsed) != 1) return std::nullopt;
    return out;
}

}  // namespace sdk
