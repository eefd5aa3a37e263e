#pragma once
// Which addresses the update transport may talk to. Requests go out over https only; plain
// http is taken for the loopback address alone, where nothing leaves the machine (a service
// run locally for trials). A redirect must stay on the origin it came from: same scheme,
// host and port, so a request body is never re-sent in clear nor to another host.
#include <string>

struct UrlOrigin {
    std::string scheme;  // lower case: "https", "http"
    std::string host;    // lower case, without brackets for an IPv6 literal
    std::string port;    // as written; empty for the scheme's default
};

// False for text that is not an absolute URL with a host.
bool ParseUrlOrigin(const std::string& url, UrlOrigin* origin);
bool IsLoopbackHost(const std::string& host);
// https to any host, or http to a loopback host.
bool TransportAllowed(const std::string& url);
// Both parse and name the same scheme, host and port (a missing port is the default one).
bool SameOrigin(const std::string& from, const std::string& to);
