// Cutting values out of answers, trimming spaces and percent-encoding, over
// arbitrary texts and markers.
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "net/text_between.h"
#include "net/url_encode.h"

namespace {

bool IsEncodedByte(char c) {
  return c == '%' || c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // only upper-case digits are written
}

// The bytes an encoded text stands for; nothing when an escape is malformed.
std::optional<std::string> Decode(std::string_view encoded) {
  std::string bytes;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] != '%') {
      bytes.push_back(encoded[i]);
      continue;
    }
    if (encoded.size() - i < 3) return std::nullopt;
    const int high = HexDigit(encoded[i + 1]);
    const int low = HexDigit(encoded[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the text, the left and right markers, then the options (byte 0:
  // start position, byte 1: flags).
  const auto texts = vexo::fuzz::Texts(data, size, 4);
  const std::string_view text = texts[0];
  const unsigned flags = texts[3].size() > 1 ? static_cast<unsigned char>(texts[3][1]) : 0;
  const long start = static_cast<long>(vexo::fuzz::Choice(texts[3])) - 8;

  const vexo::Text between = vexo::TextBetween(text, texts[1], texts[2], start, flags & 1);
  FUZZ_CHECK(between.empty() || text.find(between) != std::string_view::npos);

  const vexo::Text trimmed = vexo::TrimSpaces(text);
  FUZZ_CHECK(trimmed.empty() || text.find(trimmed) != std::string_view::npos);
  FUZZ_CHECK(vexo::TrimSpaces(trimmed) == trimmed);
  const vexo::Text spaceless = vexo::RemoveSpaces(text);
  FUZZ_CHECK(spaceless.size() <= text.size());
  FUZZ_CHECK(vexo::RemoveSpaces(spaceless) == spaceless);

  // Encoding keeps only unreserved bytes and escapes, and decodes back to the
  // bytes it was given.
  const bool keepUnreserved = flags & 2;
  const bool utf8First = flags & 4;
  const vexo::Text encoded = vexo::UrlEncode(text, keepUnreserved, utf8First);
  for (const char c : encoded)
    FUZZ_CHECK(IsEncodedByte(c));
  const auto decoded = Decode(encoded);
  FUZZ_CHECK(decoded.has_value());
  FUZZ_CHECK(*decoded == (utf8First ? vexo::GbkToUtf8(text) : std::string(text)));
  return 0;
}
