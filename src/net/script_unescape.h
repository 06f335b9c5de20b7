#pragma once
// Decoding of the escapes in a catalogue answer (\u6807, \/, %uXXXX ...).
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The line-break placeholder: CR LF travels through the decoder as this text.
inline constexpr std::string_view kLineBreakPlaceholder = "{$}";
// The right single quotation mark (GBK A1 AF) that stands in for the
// apostrophe while the text is read as a single-quoted string literal.
inline constexpr std::string_view kApostropheStandIn = "\xA1\xAF";

// Reads the text as the body of a single-quoted ECMAScript string literal and
// passes the string through the global unescape(): "\u" becomes "%u" first,
// CR LF travels as "{$}", apostrophes as the stand-in, and both come back at
// the end. Our own decoder: nothing is ever executed. A text the literal
// cannot hold (a CR or LF left in it, a backslash at its very end, a broken
// \x escape) gives the empty text; the result ends at the first NUL.
Text UnescapeScriptText(std::string_view text);

}  // namespace vexo
