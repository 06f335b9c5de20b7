#pragma once
// Answers in the service's forms, built from test songs: chart JSON in the
// escaped style, JSONP search and suggestion answers in plain UTF-8.
#include <string>
#include <vector>

namespace vexo::test {

inline constexpr const char* kStandardQualityUtf8 = "标准品质";
inline constexpr const char* kSuggestionCallback = "jQuery18308304068592842668_1425372762077";

struct TestSong {
  std::string id;
  std::string name;  // UTF-8
  std::string singer;
  std::string url;
  std::string quality = kStandardQualityUtf8;
};

// `count` songs "<prefix> n", singer "歌手 n", ids from `firstId`, URLs
// "http://files.test/<prefix>/n.mp3".
std::vector<TestSong> NumberedSongs(const std::string& prefix, int count, int firstId = 1);

// One song record; `escaped`: non-ASCII as \u escapes and slashes as \/.
std::string SongRecord(const TestSong& song, bool escaped);
// {"code":1,"data":[...]} with escaped records, on one line.
std::string ChartAnswer(const std::vector<TestSong>& songs);
// jsonp_search({...}) with plain records.
std::string SearchAnswer(const std::vector<TestSong>& songs);
// The suggestion callback around {"code":1,"q":"...","data":[texts]}.
std::string SuggestionAnswer(const std::vector<std::string>& texts);

}  // namespace vexo::test
