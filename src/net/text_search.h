#pragma once
// Searching and replacing inside texts of the system code page. A match only
// starts at a character boundary (one-, two- and four-byte sequences), so the
// trail byte of a Chinese character never starts one; ignoring case folds the
// ASCII letters A-Z and a-z only.
#include <cstddef>
#include <string_view>

#include "platform/text.h"

namespace vexo {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// 0-based byte offset of the first occurrence of `needle` in `text` that
// starts at a character boundary at or after byte `from`; kNotFound when there
// is none. An empty needle is found at the first boundary at or after `from`.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0,
                     bool ignoreCase = false);

// Every occurrence of `from` (case-sensitive, at character boundaries, left to
// right, never overlapping) replaced by `to`. An empty `from` changes nothing.
Text ReplaceText(std::string_view text, std::string_view from, std::string_view to);

// The text with its ASCII letters in lower case; bytes inside multi-byte
// characters stay as they are.
Text AsciiLower(std::string_view text);

}  // namespace vexo
