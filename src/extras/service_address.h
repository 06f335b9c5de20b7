#pragma once
// The lyrics-and-picture host as the start of a request URL.
#include <string>
#include <string_view>

namespace vexo {

// "scheme://host:port" without a trailing "/": an address given as
// "host:port" gets "http://" in front; an empty address stays empty.
std::string ServiceBaseUrl(std::string_view address);

}  // namespace vexo
