#pragma once
// How the player reads the service's answers: the song pattern it cuts rows
// out of chart and search answers with, the decoding it applies to chart
// answers (ECMAScript string escapes, then unescape()), and the marker-based
// cutting of lyrics, picture and suggestion answers. Tests check the answers
// through these, not through a JSON parser, because the player has none.
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service::testing {

// The player's song pattern, exactly.
// clang-format off
inline constexpr const char* kSongPattern =
    R"re("song_id":(.*?),".*?"song_name":"(.*?)","singer_name":"(.*?)",".*?标准品质","url":"(.*?)",")re";
// clang-format on

struct SongRow {
  std::string id, name, singer, url;
};

// Every match of the song pattern (ignoring case, multi-line, global).
std::vector<SongRow> MatchSongRows(std::string_view text);

// The chart decoding: "\u" becomes "%u", the text is read as a single-quoted
// ECMAScript string literal, and unescape() decodes %uXXXX and %XX. UTF-8 in,
// UTF-8 out.
std::string DecodeChartAnswer(std::string_view text);

// The text between the first `left` and the first `right` after it, ASCII
// letter case ignored; empty when either is missing.
std::string TextBetween(std::string_view text, std::string_view left, std::string_view right);

}  // namespace vexo::service::testing
