// The lyrics display's reading of one raw lyric line for a playback second,
// over arbitrary lines and time texts.
#include <string_view>

#include "extras/extras_constants.h"
#include "extras/lyric_line_match.h"
#include "fuzz_support.h"
#include "net/text_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the line, then the time text.
  const auto texts = vexo::fuzz::Texts(data, size, 2);
  const auto shown = vexo::TimedLyricText(texts[0], texts[1]);
  if (!shown) return 0;
  // Only a line that holds the time text shows, and it shows the one piece
  // after its single time tag.
  FUZZ_CHECK(vexo::FindText(texts[0], texts[1]) != vexo::kNotFound);
  FUZZ_CHECK(vexo::FindText(*shown, vexo::kTimeTagEnd) == vexo::kNotFound);
  FUZZ_CHECK(texts[0].ends_with(*shown) || texts[0].ends_with(*shown + "]"));
  return 0;
}
