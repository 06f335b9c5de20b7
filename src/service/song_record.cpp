#include "service/song_record.h"

#include <cstdio>

#include "service/service_constants.h"
#include "service/service_paths.h"

namespace vexo::service {

namespace {

void AppendKey(std::string& out, std::string_view key) {
  out.push_back('"');
  out.append(key);
  out += "\":";
}

void AppendStringField(std::string& out, std::string_view key, std::string_view value,
                       JsonStyle style) {
  AppendKey(out, key);
  AppendJsonString(out, value, style);
}

void AppendNumberField(std::string& out, std::string_view key, std::int64_t value) {
  AppendKey(out, key);
  out += std::to_string(value);
}

}  // namespace

std::string MinutesSeconds(int seconds) {
  if (seconds < 0) seconds = 0;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

void AppendSongRecord(std::string& out, const Catalogue& catalogue, std::size_t index,
                      std::string_view base_url, JsonStyle style,
                      std::optional<std::uint64_t> plays) {
  const Song& song = catalogue.At(index);
  const std::string duration = MinutesSeconds(song.duration_seconds);
  const int bit_rate = song.bit_rate > 0 ? song.bit_rate : kDemoBitRate;
  out.push_back('{');
  AppendNumberField(out, "song_id", song.id);
  // The player's pattern reads `"song_id":<id>,"` and then looks for the
  // song name's key after that quote: another key must stand between them.
  out.push_back(',');
  AppendNumberField(out, "pick_count",
                    static_cast<std::int64_t>(plays.value_or(catalogue.Plays(index))));
  out.push_back(',');
  AppendStringField(out, "song_name", song.name, style);
  out.push_back(',');
  AppendStringField(out, "singer_name", song.singer, style);
  out.push_back(',');
  AppendStringField(out, "album_name", song.album, style);
  out.push_back(',');
  AppendNumberField(out, "year", song.year);
  out.push_back(',');
  AppendStringField(out, "added", song.added, style);
  out.push_back(',');
  AppendStringField(out, "duration", duration, style);
  out.push_back(',');
  AppendKey(out, "audition_list");
  out += "[{";
  AppendStringField(out, "type_description", kStandardQuality, style);
  out.push_back(',');
  AppendStringField(out, "url", SongFileUrl(base_url, song.id, song.format), style);
  out.push_back(',');
  AppendStringField(out, "format", song.format, style);
  out.push_back(',');
  AppendNumberField(out, "bit_rate", bit_rate);
  out.push_back(',');
  AppendStringField(out, "duration", duration, style);
  out += "}]}";
}

}  // namespace vexo::service
