#include "song_answers.h"

#include <cstdio>

#include "net/utf16_units.h"

namespace vexo::test {

namespace {

std::string JsonString(const std::string& utf8, bool escaped) {
  std::string out = "\"";
  for (char16_t unit : Utf8ToUtf16(utf8)) {
    if (unit == u'"' || unit == u'\\') {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (escaped && unit == u'/') {
      out += "\\/";
    } else if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (escaped) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(unit));
      out += code;
    } else {
      out += Utf16ToUtf8(std::u16string(1, unit));
    }
  }
  return out + "\"";
}

std::string Records(const std::vector<TestSong>& songs, bool escaped) {
  std::string out;
  for (const TestSong& song : songs) {
    if (!out.empty()) out += ',';
    out += SongRecord(song, escaped);
  }
  return out;
}

}  // namespace

std::vector<TestSong> NumberedSongs(const std::string& prefix, int count, int firstId) {
  std::vector<TestSong> songs;
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    songs.push_back({std::to_string(firstId + n - 1), prefix + " " + number, "歌手 " + number,
                     "http://files.test/" + prefix + "/" + number + ".mp3"});
  }
  return songs;
}

std::string SongRecord(const TestSong& song, bool escaped) {
  return "{\"song_id\":" + song.id +
         ",\"pick_count\":7,\"song_name\":" + JsonString(song.name, escaped) +
         ",\"singer_name\":" + JsonString(song.singer, escaped) +
         ",\"album_name\":\"x\",\"audition_list\":[{\"type_description\":" +
         JsonString(song.quality, escaped) + ",\"url\":" + JsonString(song.url, escaped) +
         ",\"format\":\"mp3\"}]}";
}

std::string ChartAnswer(const std::vector<TestSong>& songs) {
  return "{\"code\":1,\"data\":[" + Records(songs, true) + "]}";
}

std::string SearchAnswer(const std::vector<TestSong>& songs) {
  return "jsonp_search({\"code\":1,\"data\":[" + Records(songs, false) + "]})";
}

std::string SuggestionAnswer(const std::vector<std::string>& texts) {
  std::string data;
  for (const std::string& text : texts) {
    if (!data.empty()) data += ',';
    data += JsonString(text, false);
  }
  return std::string(kSuggestionCallback) + "({\"code\":1,\"q\":\"q\",\"data\":[" + data + "]})";
}

}  // namespace vexo::test
