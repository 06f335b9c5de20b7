#pragma once
// JSON string values in the two styles the player reads.
#include <string>
#include <string_view>

namespace vexo::service {

enum class JsonStyle {
  // Pure ASCII on one line: every non-ASCII character as \uXXXX (surrogate
  // pairs beyond U+FFFF), "/" as "\/". The player decodes chart answers with
  // ECMAScript string escapes followed by unescape(), so "\", "%" and "'" are
  // written as \u escapes too: they come out of that decoding unchanged.
  kEscaped,
  // Plain UTF-8: only the quote, the backslash and control characters are
  // escaped, and never with \u. The player reads search, lyrics and picture
  // answers without decoding them.
  kPlain,
};

// Appends `utf8` as a quoted JSON string. The input must be valid UTF-8.
void AppendJsonString(std::string& out, std::string_view utf8, JsonStyle style);

// `utf8` escaped as the inside of a JSON string, without the quotes.
std::string JsonEscaped(std::string_view utf8, JsonStyle style);

}  // namespace vexo::service
