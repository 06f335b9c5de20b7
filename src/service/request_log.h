#pragma once
// The one line the standalone service logs per request.
#include <string>
#include <string_view>

namespace vexo::service {

// `client` "METHOD target" status bytes; bytes of the target that are not
// printable ASCII are shown as "?", and a long target is cut, so a request
// cannot forge or flood log lines.
std::string RequestLogLine(std::string_view client, std::string_view method,
                           std::string_view target, int status, std::string_view length);

}  // namespace vexo::service
