// The song pattern over arbitrary chart and search answers, and the rows cut
// out of them for the song list, as decoded chart answers and as they come.
#include <string_view>

#include "catalogue/song_records.h"
#include "fuzz_support.h"
#include "net/regex_matcher.h"
#include "net/script_unescape.h"

namespace {

void CheckRecords(vexo::RegexMatcher& regex, std::string_view answer) {
  const auto songs = vexo::SongRecordsOf(regex, answer);
  FUZZ_CHECK(static_cast<int>(songs.size()) == regex.MatchCount());
  // Rows hold pieces of the answer that never span a line. Pieces are exact
  // when every byte of the answer is part of a character.
  const bool exact = vexo::fuzz::IsWholeText(answer);
  for (const vexo::SongMatch& song : songs) {
    for (const vexo::Text* field : {&song.id, &song.name, &song.singer, &song.url}) {
      FUZZ_CHECK(field->find('\n') == vexo::Text::npos);
      if (exact) FUZZ_CHECK(answer.find(*field) != std::string_view::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One pattern object for the whole run, as the player keeps one.
  static vexo::RegexMatcher regex;
  const std::string_view answer = vexo::fuzz::Texts(data, size, 1)[0];
  CheckRecords(regex, answer);
  CheckRecords(regex, vexo::UnescapeScriptText(answer));
  return 0;
}
