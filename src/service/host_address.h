#pragma once
// The address absolute URLs in answers start with, taken from the request's
// Host header so that answers stay right behind another host name or port.
#include <optional>
#include <string>
#include <string_view>

namespace vexo::service {

// "http://" + `host` when `host` is a plausible Host header value (a name,
// IPv4 or bracketed IPv6 address, optionally ":port", at most 255 characters
// of [A-Za-z0-9.-_:[]]); nothing otherwise.
std::optional<std::string> BaseUrlFromHost(std::string_view host);

// "http://address:port" for the local end of a connection (IPv6 addresses in
// brackets), used when a request carries no Host header.
std::string BaseUrlFromSocket(std::string_view address, int port);

}  // namespace vexo::service
