#include <charconv>

#include "service/embedded_media.h"
#include "service/endpoints.h"
#include "service/json_text.h"
#include "service/lrc_text.h"
#include "service/service_constants.h"

namespace vexo::service {

namespace {

// The song the request names: by its id when that is a known id, else by
// singer and title.
std::optional<std::size_t> RequestedSong(const Catalogue& catalogue, const QueryString& query) {
  const auto& id_text = query.Value("song_id");
  std::int64_t id = 0;
  const auto* end = id_text.data() + id_text.size();
  const auto [ptr, ec] = std::from_chars(id_text.data(), end, id);
  if (!id_text.empty() && ec == std::errc{} && ptr == end) {
    if (auto index = catalogue.FindSong(id)) return index;
  }
  return catalogue.FindByTitle(query.Value("artist"), query.Value("title"));
}

// The LRC file beside the song, else (also when that file went away since
// the scan) the timed lyrics inside its audio file.
std::optional<std::vector<std::string>> SongLyrics(const Song& song) {
  if (auto lines = ReadLyricLines(song.lyrics_file)) return lines;
  if (song.embedded_lyrics) return ReadEmbeddedLyrics(song.audio_file);
  return std::nullopt;
}

}  // namespace

TextReply LyricsAnswer(const Catalogue& catalogue, const QueryString& query) {
  const auto& callback = query.Value("callback");
  if (!IsValidCallback(callback)) return ErrorReply(400, "malformed callback name");

  const auto index = RequestedSong(catalogue, query);
  const auto lines =
      index ? SongLyrics(catalogue.At(*index)) : std::optional<std::vector<std::string>>{};
  if (!lines) {
    std::string json = "{\"code\":0,\"msg\":\"no lyrics\",\"data\":{";
    if (index) json += "\"song_id\":" + std::to_string(catalogue.At(*index).id);
    json += "}}";
    return JsonpReply(callback, std::move(json));
  }

  // The lines stay one JSON string: each line break is written as the two
  // characters \ and n, and the slogan follows the last line.
  std::string json = "{\"code\":1,\"data\":{\"lrc\":\"";
  for (const auto& line : *lines) {
    json += JsonEscaped(line, JsonStyle::kPlain);
    json += "\\n";
  }
  json += kLyricsSlogan;
  json += "\",\"song_id\":" + std::to_string(catalogue.At(*index).id) + "}}";
  return JsonpReply(callback, std::move(json));
}

}  // namespace vexo::service
