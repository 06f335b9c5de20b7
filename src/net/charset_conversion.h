#pragma once
// Re-encoding of byte sets between character sets (answers in UTF-8 become
// system code page texts).
#include <optional>
#include <string>

#include "platform/codepage.h"
#include "platform/text.h"

namespace vexo {

inline constexpr const char* kUtf8Charset = "UTF-8";

// Decodes `bytes` in the character set `from` and encodes the characters in
// `to` (any names iconv knows). A UTF-8 byte order mark at the start of UTF-8
// input is no character and is dropped. When `start` is given the result
// begins at that byte offset of the re-encoded bytes (empty beyond their end; a
// negative offset is ignored). Unknown character sets give an empty byte set.
ByteSet ConvertCharset(const ByteSet& bytes, const std::string& from = kUtf8Charset,
                       const std::string& to = kSystemCharset,
                       std::optional<long> start = std::nullopt);

}  // namespace vexo
