#pragma once
// UTF-8 checks and the small text operations the service applies to the UTF-8
// texts of its library and its requests.
#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::service {

// The code point starting at `text[pos]`, with `pos` moved past it. Returns
// false (and leaves `pos` alone) when no well-formed UTF-8 sequence starts
// there: overlong forms, surrogates and values past U+10FFFF are refused.
bool DecodeUtf8(std::string_view text, std::size_t& pos, char32_t& code_point);

// True when the whole of `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// `text` with every byte that does not belong to a well-formed sequence
// replaced by U+FFFD, and NUL bytes dropped.
std::string SanitizeUtf8(std::string_view text);

// Appends the UTF-8 form of `code_point`.
void AppendUtf8(std::string& out, char32_t code_point);

// `text` with the ASCII letters A-Z lowered; other bytes stay, so UTF-8
// sequences are untouched. Used for case-insensitive matching.
std::string FoldCase(std::string_view text);

// `text` without leading and trailing ASCII white space.
std::string_view TrimWhite(std::string_view text);

}  // namespace vexo::service
