#pragma once
// Cutting the song records out of a chart or search answer: plain text in,
// the rows the song list receives out, in the order of the answer. No control
// is touched, so the parsing runs without a display.
#include <string_view>
#include <vector>

#include "catalogue/song_match.h"
#include "net/regex_matcher.h"

namespace vexo {

// Every match of the last search of `regex` with its four groups.
std::vector<SongMatch> TakeSongMatches(const RegexMatcher& regex);

// Searches `answer` for the song pattern with `regex` (default options: letter
// case ignored, multi-line, global) and takes every match. The search stays
// in `regex`, as the pattern object of the program keeps its last search.
std::vector<SongMatch> SongRecordsOf(RegexMatcher& regex, std::string_view answer);

}  // namespace vexo
