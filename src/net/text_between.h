#pragma once
// Cutting values out of answers and header lines: the text between two
// markers, and the spaces around or inside a text.
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The quote placeholder: markers and patterns write a double quote as this
// text (UTF-8 here; Sys() gives its system code page form).
inline constexpr std::string_view kQuotePlaceholderUtf8 = "#引号";

// The two spaces of the system: the ASCII space and the full-width space (GBK
// A1 A1). Tabs, CR and LF are not spaces.
inline constexpr std::string_view kAsciiSpace = " ";
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

// The text between the first `left` found at or after the 1-based position
// `start` (values below 1 count as 1) and the next `right` after it. Both
// markers may write a double quote as the quote placeholder. Case is ignored
// (ASCII letters only) unless `caseSensitive`. Empty when a marker is missing.
Text TextBetween(std::string_view text, std::string_view left, std::string_view right,
                 long start = 1, bool caseSensitive = false);

// The text without spaces at its start and its end.
Text TrimSpaces(std::string_view text);

// The text without any space.
Text RemoveSpaces(std::string_view text);

}  // namespace vexo
