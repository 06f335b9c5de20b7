#include "net/url_parts.h"

#include "net/text_between.h"
#include "net/text_search.h"

namespace vexo {
namespace {

// Host and port as they stand in the address, lower-cased.
Text HostAndPort(std::string_view url) {
  Text lower = AsciiLower(url);
  if (lower.empty() || lower.back() != '/') lower.push_back('/');
  if (lower.starts_with(kHttpsPrefix)) return TextBetween(lower, kHttpsPrefix, "/");
  // Only a scheme at the start counts: an address without one may well carry
  // "http://" in its query.
  if (!lower.starts_with(kHttpPrefix)) lower.insert(0, kHttpPrefix);
  return TextBetween(lower, kHttpPrefix, "/");
}

// Byte offset where host and port start.
std::size_t AuthorityStart(std::string_view url) {
  Text lower = AsciiLower(url.substr(0, kHttpsPrefix.size()));
  if (lower.starts_with(kHttpsPrefix)) return kHttpsPrefix.size();
  if (lower.starts_with(kHttpPrefix)) return kHttpPrefix.size();
  return 0;
}

}  // namespace

bool IsSecureUrl(std::string_view url) {
  return AsciiLower(url.substr(0, 5)) == "https";
}

Text UrlHost(std::string_view url) {
  Text host = HostAndPort(url);
  std::size_t colon = FindText(host, ":");
  if (colon != kNotFound) host.resize(colon);
  return host;
}

int UrlPort(std::string_view url) {
  Text host = HostAndPort(url);
  std::size_t colon = host.rfind(':');
  if (colon == Text::npos) return IsSecureUrl(url) ? kHttpsPort : kHttpPort;
  // The integer value of the text after the colon: its leading digits.
  long port = 0;
  for (std::size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
    port = port * 10 + (host[i] - '0');
    if (port > 0xFFFFFF) break;
  }
  return static_cast<int>(port);
}

Text UrlPath(std::string_view url) {
  std::size_t from = AuthorityStart(url);
  std::size_t hostAt = FindText(url, UrlHost(url), from, true);
  if (hostAt == kNotFound) hostAt = from;
  std::size_t slash = FindText(url, "/", hostAt);
  if (slash == kNotFound) return "/";
  return Text(url.substr(slash));
}

}  // namespace vexo
