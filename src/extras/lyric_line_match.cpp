#include "extras/lyric_line_match.h"

#include <vector>

#include "extras/extras_constants.h"
#include "extras/text_split.h"
#include "net/text_search.h"

namespace vexo {

std::optional<Text> TimedLyricText(std::string_view line, std::string_view timeText) {
  if (FindText(line, timeText) == kNotFound) return std::nullopt;
  std::vector<Text> pieces = SplitAtBoundaries(line, kTimeTagEnd);
  if (pieces.size() != 2) return std::nullopt;
  return std::move(pieces[1]);
}

}  // namespace vexo
