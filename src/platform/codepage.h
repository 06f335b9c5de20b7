#pragma once
// Conversion between character sets, over iconv. Texts inside the player are in
// the system code page; conversions happen only at its edges (widgets, files,
// the service's UTF-8).
#include <string>
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The system code page, as iconv names it.
inline constexpr const char* kSystemCharset = "GB18030";

// Converts `bytes` from the character set `from` to `to` (any names iconv
// knows). A byte sequence that is not valid in `from` becomes one "?" and the
// conversion goes on after it. Returns false (and leaves `out` empty) only when
// iconv knows neither name pair.
bool ConvertBytes(std::string_view bytes, const char* from, const char* to, std::string& out);

// As ConvertBytes, but all or nothing: false (and `out` empty) when any byte
// sequence of `bytes` is not valid in `from` or has no form in `to`.
bool ConvertBytesStrictly(std::string_view bytes, const char* from, const char* to,
                          std::string& out);

// System code page <-> UTF-8.
Text Utf8ToSystem(std::string_view utf8);
std::string SystemToUtf8(std::string_view text);

// Number of bytes of the system code page character that starts at `p`, given
// `remaining` bytes are available: 1 for ASCII, 4 for a GB18030 four-byte
// sequence, 2 otherwise. Never more than `remaining`.
std::size_t CharLength(const char* p, std::size_t remaining);

// True when byte `pos` of `text` is the first byte of a character.
bool IsCharBoundary(std::string_view text, std::size_t pos);

}  // namespace vexo
