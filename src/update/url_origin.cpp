#include "update/url_origin.h"

#include <algorithm>
#include <cctype>

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string DefaultPort(const std::string& scheme) {
    return scheme == "https" ? "443" : scheme == "http" ? "80" : "";
}
}  // namespace

bool ParseUrlOrigin(const std::string& url, UrlOrigin* origin) {
    const size_t colon = url.find("://");
    if (colon == std::string::npos || colon == 0) return false;
    origin->scheme = Lower(url.substr(0, colon));
    const size_t start = colon + 3;
    const size_t end = url.find_first_of("/?#", start);
    std::string authority = url.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // User information never names the host.
    if (const size_t at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);
    origin->port.clear();
    if (authority.starts_with('[')) {
        const size_t close = authority.find(']');
        if (close == std::string::npos) return false;
        origin->host = Lower(authority.substr(1, close - 1));
        if (close + 1 < authority.size() && authority[close + 1] == ':')
            origin->port = authority.substr(close + 2);
    } else {
        const size_t portColon = authority.rfind(':');
        origin->host = Lower(authority.substr(0, portColon));
        if (portColon != std::string::npos) origin->port = authority.substr(portColon + 1);
    }
    if (origin->port.empty()) origin->port = DefaultPort(origin->scheme);
    return !origin->host.empty();
}

bool IsLoopbackHost(const std::string& host) {
    // 127.x.y.z written as a number only: "127.0.0.1.example" is somebody else's host.
    const bool numeric = std::all_of(host.begin(), host.end(), [](char c) {
        return c == '.' || std::isdigit(static_cast<unsigned char>(c));
    });
    return host == "localhost" || host == "::1" || (host.starts_with("127.") && numeric);
}

bool TransportAllowed(const std::string& url) {
    UrlOrigin origin;
    if (!ParseUrlOrigin(url, &origin)) return false;
    return origin.scheme == "https" || (origin.scheme == "http" && IsLoopbackHost(origin.host));
}

bool SameOrigin(const std::string& from, const std::string& to) {
    UrlOrigin a;
    UrlOrigin b;
    return ParseUrlOrigin(from, &a) && ParseUrlOrigin(to, &b) && a.scheme == b.scheme && a.host == b.host &&
           a.port == b.port;
}
