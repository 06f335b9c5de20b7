#include "extras/lyrics_answer.h"

#include "extras/extras_constants.h"
#include "extras/text_split.h"
#include "net/text_between.h"
#include "net/text_search.h"
#include "net/url_encode.h"
#include "platform/system_text.h"

namespace vexo {

Text LyricsUrl(std::string_view baseUrl, const SongRowCells& row) {
  Text url(baseUrl);
  url += kLyricsPath;
  url += UrlEncode(row.singer, true, true);
  url += kLyricsTitleParam;
  url += UrlEncode(row.name, true, true);
  url += kLyricsSongIdParam;
  url += row.id;
  url += kLyricsQueryTail;
  return url;
}

Text LyricTextOf(std::string_view answer) {
  const Text& endMarker = Sys(kLyricsEndMarkerUtf8);
  const Text marked = ReplaceText(answer, Sys(kLyricsSloganUtf8), endMarker);
  return TextBetween(marked, kLyricsStartMarker, endMarker);
}

LyricList SplitLyricText(std::string_view lyricText) {
  return SplitAtBoundaries(lyricText, kLyricLineSeparator);
}

Text LyricsHeading(const SongRowCells& row) {
  Text heading = row.name;
  heading += kHeadingJoiner;
  heading += row.singer;
  return heading;
}

Text NoLyricsText(const SongRowCells& row) {
  return LyricsHeading(row) + Sys(kNoLyricsNoteUtf8);
}

}  // namespace vexo
