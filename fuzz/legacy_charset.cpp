// The character set guess for tags that carry none, on arbitrary bytes: the
// texts of one tag (up to three, cut at NUL bytes) always come out as UTF-8,
// plain ASCII unchanged, and file names likewise.
#include "fuzz_support.h"
#include "service/legacy_text.h"
#include "service/utf8.h"

namespace {

constexpr std::size_t kFields = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto texts = vexo::fuzz::Texts(data, size, kFields);
  std::vector<std::string> fields(texts.begin(), texts.end());
  const auto charset = vexo::service::GuessLegacyCharset(fields);
  bool ascii = true;
  for (const auto& field : fields) {
    const auto text = vexo::service::LegacyToUtf8(field, charset);
    FUZZ_CHECK(vexo::service::IsValidUtf8(text));
    if (vexo::fuzz::IsAscii(field)) FUZZ_CHECK(text == field);
    ascii = ascii && vexo::fuzz::IsAscii(field);
    FUZZ_CHECK(vexo::service::IsValidUtf8(vexo::service::FileNameText(field)));
  }
  if (ascii) FUZZ_CHECK(charset == vexo::service::LegacyCharset::kLatin1);
  return 0;
}
