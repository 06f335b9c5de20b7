#include "service/http_exchange.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string HttpRequest::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (SameName(key, name)) return value;
  }
  return {};
}

bool HttpRequest::HasHeader(std::string_view name) const {
  for (const auto& header : headers) {
    if (SameName(header.first, name)) return true;
  }
  return false;
}

std::size_t HttpRequest::HeaderBytes() const {
  std::size_t total = 0;
  for (const auto& [name, value] : headers)
    total += name.size() + value.size() + 4;
  return total;
}

void HttpResponse::SetHeader(std::string name, std::string value) {
  for (auto& header : headers) {
    if (SameName(header.first, name)) {
      header.second = std::move(value);
      return;
    }
  }
  headers.emplace_back(std::move(name), std::move(value));
}

std::string DecodePath(std::string_view path) {
  std::string decoded;
  decoded.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '%' && i + 2 < path.size()) {
      const int high = HexValue(path[i + 1]);
      const int low = HexValue(path[i + 2]);
      if (high >= 0 && low >= 0) {
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
        continue;
      }
    }
    decoded.push_back(path[i]);
  }
  return decoded;
}

}  // namespace vexo::service
