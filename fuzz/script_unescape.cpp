// The decoder of the escapes in chart answers, over arbitrary answer texts,
// and over texts as the catalogue service escapes them for it.
#include <string_view>

#include "fuzz_support.h"
#include "net/script_unescape.h"
#include "net/text_search.h"
#include "platform/codepage.h"
#include "service/json_text.h"
#include "service/utf8.h"

namespace {

// True when the decoder has nothing to do with `text`: no escape, no percent
// sign, no line break, none of the stand-ins, and every byte part of a
// character the system code page knows.
bool HasNothingToDecode(std::string_view text) {
  return text.find_first_of("\\%\r\n") == std::string_view::npos &&
         vexo::FindText(text, vexo::kApostropheStandIn) == vexo::kNotFound &&
         vexo::FindText(text, vexo::kLineBreakPlaceholder) == vexo::kNotFound &&
         vexo::fuzz::IsWholeText(text);
}

// A UTF-8 text written into a chart answer by the catalogue service decodes
// back to itself, but for the decoder's own stand-ins ("{$}" and the right
// single quotation mark), which no escaping can keep.
void CheckServiceEscaping(std::string_view utf8) {
  if (!vexo::service::IsValidUtf8(utf8) || utf8.find('\0') != std::string_view::npos) return;
  if (utf8.find("{$}") != std::string_view::npos) return;
  if (utf8.find("\u2019") != std::string_view::npos) return;
  const std::string escaped = vexo::service::JsonEscaped(utf8, vexo::service::JsonStyle::kEscaped);
  FUZZ_CHECK(vexo::UnescapeScriptText(escaped) == vexo::Utf8ToSystem(utf8));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer = vexo::fuzz::Texts(data, size, 1)[0];
  const vexo::Text decoded = vexo::UnescapeScriptText(answer);
  FUZZ_CHECK(decoded.find('\0') == vexo::Text::npos);
  if (HasNothingToDecode(answer)) FUZZ_CHECK(decoded == answer);
  CheckServiceEscaping(vexo::fuzz::Bytes(data, size));
  return 0;
}
