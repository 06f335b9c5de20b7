#pragma once
// Chart answers in the catalogue's form for the song pattern: one line of
// JSON song records, each with its list of audio files.
#include <string>

namespace vexo::testing {

// The pattern that cuts the four song fields out of an answer (UTF-8).
inline constexpr const char* kSongPatternUtf8 =
    R"re("song_id":(.*?),".*?"song_name":"(.*?)","singer_name":"(.*?)",".*?标准品质","url":"(.*?)",")re";

// One record, UTF-8. Without `standard` its audio list has no 标准品质 entry.
std::string SongRecord(int id, bool standard = true);

// An answer with `count` complete records, UTF-8.
std::string SongAnswer(int count);

}  // namespace vexo::testing
