#pragma once
// UTF-16 code units: the unit the script string escapes and the match
// positions of the pattern object count in.
#include <cstddef>
#include <string>
#include <string_view>

namespace vexo {

// UTF-16 form of valid UTF-8 (an invalid byte becomes U+FFFD).
std::u16string Utf8ToUtf16(std::string_view utf8);

// UTF-8 form of UTF-16 units; a surrogate without its partner becomes "?".
std::string Utf16ToUtf8(std::u16string_view units);

// Number of UTF-16 code units of the first `bytes` bytes of valid UTF-8.
std::size_t Utf16Length(std::string_view utf8);

}  // namespace vexo
