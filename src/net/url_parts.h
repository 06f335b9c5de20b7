#pragma once
// The parts of a request address: host, port and the path sent in the
// request line.
#include <string_view>

#include "platform/text.h"

namespace vexo {

inline constexpr std::string_view kHttpPrefix = "http://";
inline constexpr std::string_view kHttpsPrefix = "https://";
inline constexpr int kHttpPort = 80;
inline constexpr int kHttpsPort = 443;

// True when the first five characters of the address, lower-cased, are "https".
bool IsSecureUrl(std::string_view url);

// The host name in lower case, without port. An address without a scheme is
// taken as http.
Text UrlHost(std::string_view url);

// The explicit port after the host (the integer value of the text after the
// last ":" of host and port), else 443 for https and 80 otherwise.
int UrlPort(std::string_view url);

// Everything from the first "/" after the host on, query included; "/" when
// the address has no path.
Text UrlPath(std::string_view url);

}  // namespace vexo
