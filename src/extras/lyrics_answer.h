#pragma once
// The lyrics request and what the lyrics worker takes from its answer.
#include <string_view>

#include "extras/lyric_lines.h"
#include "extras/song_row_cells.h"
#include "platform/text.h"

namespace vexo {

// The lyrics URL for the row's singer, song name and identifier: `baseUrl`
// ("http://host:port") and the request pieces, the singer and the name sent as
// "%" escapes of their UTF-8 bytes, the identifier unchanged.
Text LyricsUrl(std::string_view baseUrl, const SongRowCells& row);

// The lyric text of an answer: the slogan is replaced by the player's own
// (exact case, every occurrence), then the text between the first start
// marker and the first player slogan after it is taken, markers found without
// regard to letter case. Empty when either marker is missing.
Text LyricTextOf(std::string_view answer);

// The lyric text cut into its lines at each \n pair (two characters).
LyricList SplitLyricText(std::string_view lyricText);

// The label's song heading, "name - singer", and the note when the song has no
// lyrics, "name - singer 暂无歌词".
Text LyricsHeading(const SongRowCells& row);
Text NoLyricsText(const SongRowCells& row);

}  // namespace vexo
