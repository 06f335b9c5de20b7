#include "catalogue/service_endpoints.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace vexo {

namespace {

constexpr std::string_view kSchemeSeparator = "://";
constexpr std::string_view kWhitespace = " \t\r\n";

}  // namespace

std::string ServiceHostPort(const std::string& address) {
  std::string_view rest = address;
  const auto first = rest.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos) return {};
  rest = rest.substr(first, rest.find_last_not_of(kWhitespace) - first + 1);
  // Only plain HTTP is spoken to the service; the scheme is dropped whatever
  // its letter case, and anything after the host and port is no part of it.
  if (const auto scheme = rest.find(kSchemeSeparator); scheme != std::string_view::npos) {
    rest = rest.substr(scheme + kSchemeSeparator.size());
  }
  if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
    rest = rest.substr(0, slash);
  }
  return std::string(rest);
}

ServiceEndpoints EndpointsForService(const std::string& hostPort) {
  const std::string host = ServiceHostPort(hostPort);
  return {host, kUpstreamChartHost, host, host};
}

}  // namespace vexo
