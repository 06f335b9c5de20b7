// The lyrics answer: the lyric text cut out between its markers and split
// into lines, over arbitrary answers; the request built from arbitrary cells.
#include <string_view>

#include "extras/extras_constants.h"
#include "extras/lyrics_answer.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the answer, then the singer, name and id of the row.
  const auto texts = vexo::fuzz::Texts(data, size, 4);
  const vexo::Text lyricText = vexo::LyricTextOf(texts[0]);
  const vexo::LyricList lines = vexo::SplitLyricText(lyricText);

  // The lines joined by the separator give the lyric text back, but for a
  // separator at its very end.
  vexo::Text joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += vexo::kLyricLineSeparator;
    joined += lines[i];
  }
  FUZZ_CHECK(joined == lyricText || joined + std::string(vexo::kLyricLineSeparator) == lyricText);

  const vexo::SongRowCells row{
      vexo::Text(texts[2]), vexo::Text(texts[1]), vexo::Text(texts[3]), {}};
  const vexo::Text url = vexo::LyricsUrl("http://127.0.0.1:1", row);
  FUZZ_CHECK(url.find(' ') == vexo::Text::npos || texts[3].find(' ') != std::string_view::npos);
  (void)vexo::NoLyricsText(row);
  return 0;
}
