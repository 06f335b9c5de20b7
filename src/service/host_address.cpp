#include "service/host_address.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr std::size_t kMaxHostLength = 255;
constexpr std::string_view kScheme = "http://";

bool IsHostCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
}

bool IsDigits(std::string_view text) {
  if (text.empty() || text.size() > 5) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> BaseUrlFromHost(std::string_view host) {
  host = TrimWhite(host);
  if (host.empty() || host.size() > kMaxHostLength) return std::nullopt;
  for (const char c : host) {
    if (!IsHostCharacter(c)) return std::nullopt;
  }
  std::string_view name = host;
  std::string_view port;
  if (host.front() == '[') {
    const auto close = host.find(']');
    if (close == std::string_view::npos || close == 1) return std::nullopt;
    name = host.substr(0, close + 1);
    const auto rest = host.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
      if (!IsDigits(port)) return std::nullopt;
    }
  } else {
    const auto colon = host.find(':');
    if (colon != std::string_view::npos) {
      name = host.substr(0, colon);
      port = host.substr(colon + 1);
      if (!IsDigits(port)) return std::nullopt;
    }
    if (name.empty() || name.find_first_of("[]") != std::string_view::npos) return std::nullopt;
  }
  return std::string(kScheme) + std::string(host);
}

std::string BaseUrlFromSocket(std::string_view address, int port) {
  std::string url(kScheme);
  const bool v6 = address.find(':') != std::string_view::npos;
  if (v6) url.push_back('[');
  url.append(address);
  if (v6) url.push_back(']');
  url.push_back(':');
  url += std::to_string(port);
  return url;
}

}  // namespace vexo::service
