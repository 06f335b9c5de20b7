#pragma once
// The query part of a request target, decoded safely: percent escapes must be
// well formed, the decoded values must be UTF-8 and hold no NUL byte.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexo::service {

// Decodes "%XX" escapes and, when `plus_is_space`, "+" as a space. Returns
// nothing for a "%" not followed by two hexadecimal digits.
std::optional<std::string> PercentDecode(std::string_view encoded, bool plus_is_space);

class QueryString {
 public:
  // Parses the part of `target` after its first "?" (the whole of `target`
  // when it has none and starts with no "/"). Returns nothing when a key or
  // value is malformed: a bad escape, invalid UTF-8 or a NUL byte.
  static std::optional<QueryString> FromTarget(std::string_view target);
  static std::optional<QueryString> Parse(std::string_view query);

  // The decoded value of the first `key`; empty when absent.
  const std::string& Value(std::string_view key) const;
  bool Has(std::string_view key) const;

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
};

// A non-negative decimal number of at most nine digits from a query value.
// Empty text gives `fallback`; anything else that is not such a number gives
// nothing.
std::optional<int> ParseCount(std::string_view value, int fallback);

}  // namespace vexo::service
