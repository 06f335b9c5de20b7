// Re-encoding arbitrary bytes between character sets: the answers of the
// service and the texts of the player.
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "net/charset_conversion.h"
#include "platform/codepage.h"

namespace {

constexpr const char* kCharsets[] = {"UTF-8",    "GB18030", "GBK",       "UTF-16LE",
                                     "UTF-16BE", "BIG5",    "ISO-8859-1"};
constexpr unsigned kCharsetCount = std::size(kCharsets);
constexpr unsigned kNoStart = 0xFF;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Byte 0 picks the two character sets, byte 1 the start position; the rest
  // is converted.
  if (size < 2) return 0;
  const std::string from = kCharsets[(data[0] & 0x0F) % kCharsetCount];
  const std::string to = kCharsets[(data[0] >> 4) % kCharsetCount];
  const vexo::ByteSet bytes(data + 2, data + size);

  const vexo::ByteSet whole = vexo::ConvertCharset(bytes, from, to);
  if (data[1] != kNoStart) {
    // A start position only cuts the front off the re-encoded bytes.
    const long start = static_cast<long>(data[1]) - 8;
    const vexo::ByteSet cut = vexo::ConvertCharset(bytes, from, to, start);
    const std::size_t offset = start > 0 ? static_cast<std::size_t>(start) : 0;
    const vexo::ByteSet expected =
        offset >= whole.size()
            ? vexo::ByteSet{}
            : vexo::ByteSet(whole.begin() + static_cast<long>(offset), whole.end());
    FUZZ_CHECK(cut == expected);
  }

  // Once through the system code page, a text goes to UTF-8 and back
  // unchanged, and its characters tile it exactly.
  const std::string_view raw = vexo::fuzz::Bytes(data + 2, size - 2);
  const vexo::Text text = vexo::Utf8ToSystem(raw);
  FUZZ_CHECK(vexo::Utf8ToSystem(vexo::SystemToUtf8(text)) == text);
  std::vector<bool> boundary(text.size() + 1, false);
  std::size_t pos = 0;
  boundary[0] = true;
  while (pos < text.size()) {
    const std::size_t length = vexo::CharLength(text.data() + pos, text.size() - pos);
    FUZZ_CHECK(length >= 1 && length <= text.size() - pos);
    pos += length;
    boundary[pos] = true;
  }
  const std::size_t probe = data[1] % (text.size() + 1);
  FUZZ_CHECK(vexo::IsCharBoundary(text, probe) == boundary[probe]);
  return 0;
}
