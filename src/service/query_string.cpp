#include "service/query_string.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decoded, valid UTF-8 and free of NUL bytes, or nothing.
std::optional<std::string> DecodeComponent(std::string_view encoded) {
  auto decoded = PercentDecode(encoded, true);
  if (!decoded) return std::nullopt;
  if (decoded->find('\0') != std::string::npos || !IsValidUtf8(*decoded)) return std::nullopt;
  return decoded;
}

}  // namespace

std::optional<std::string> PercentDecode(std::string_view encoded, bool plus_is_space) {
  std::string out;
  out.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c == '%') {
      if (encoded.size() - i < 3) return std::nullopt;
      const int high = HexValue(encoded[i + 1]);
      const int low = HexValue(encoded[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      out.push_back(static_cast<char>(high * 16 + low));
      i += 2;
    } else if (c == '+' && plus_is_space) {
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::optional<QueryString> QueryString::FromTarget(std::string_view target) {
  const auto question = target.find('?');
  if (question == std::string_view::npos) return QueryString{};
  return Parse(target.substr(question + 1));
}

std::optional<QueryString> QueryString::Parse(std::string_view query) {
  QueryString result;
  // A fragment never reaches a server, but a client may send one anyway.
  query = query.substr(0, query.find('#'));
  std::size_t start = 0;
  while (start <= query.size()) {
    auto end = query.find('&', start);
    if (end == std::string_view::npos) end = query.size();
    const auto pair = query.substr(start, end - start);
    if (!pair.empty()) {
      const auto equals = pair.find('=');
      auto key = DecodeComponent(pair.substr(0, equals));
      auto value = DecodeComponent(equals == std::string_view::npos ? std::string_view{}
                                                                    : pair.substr(equals + 1));
      if (!key || !value) return std::nullopt;
      result.pairs_.emplace_back(std::move(*key), std::move(*value));
    }
    start = end + 1;
  }
  return result;
}

const std::string& QueryString::Value(std::string_view key) const {
  static const std::string kEmpty;
  for (const auto& [k, v] : pairs_) {
    if (k == key) return v;
  }
  return kEmpty;
}

bool QueryString::Has(std::string_view key) const {
  for (const auto& pair : pairs_) {
    if (pair.first == key) return true;
  }
  return false;
}

std::optional<int> ParseCount(std::string_view value, int fallback) {
  constexpr std::size_t kMaxDigits = 9;
  value = TrimWhite(value);
  if (value.empty()) return fallback;
  if (value.size() > kMaxDigits) return std::nullopt;
  int result = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    result = result * 10 + (c - '0');
  }
  return result;
}

}  // namespace vexo::service
