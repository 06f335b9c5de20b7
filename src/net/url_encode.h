#pragma once
// Percent-encoding of texts for query strings, and the UTF-8 form of a text.
#include <string>
#include <string_view>

#include "platform/text.h"

namespace vexo {

// Percent-encodes every byte as "%" and two upper-case hex digits, except "-",
// ".", digits and ASCII letters when `keepUnreserved`. With `utf8First` the
// UTF-8 bytes of the text are encoded, else its system code page bytes.
Text UrlEncode(std::string_view text, bool keepUnreserved = false, bool utf8First = false);

// The UTF-8 bytes of a system code page text.
std::string GbkToUtf8(std::string_view text);

}  // namespace vexo
