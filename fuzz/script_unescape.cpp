// The decoder of the escapes in chart answers, over arbitrary answer texts.
#include <string_view>

#include "fuzz_support.h"
#include "net/script_unescape.h"
#include "net/text_search.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer = vexo::fuzz::Texts(data, size, 1)[0];
  const vexo::Text decoded = vexo::UnescapeScriptText(answer);
  FUZZ_CHECK(decoded.find('\0') == vexo::Text::npos);
  if (HasNothingToDecode(answer)) FUZZ_CHECK(decoded == answer);
  return 0;
}
