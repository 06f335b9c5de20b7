#include "catalogue/song_records.h"

#include "catalogue/song_pattern.h"

namespace vexo {

std::vector<SongMatch> TakeSongMatches(const RegexMatcher& regex) {
  const int count = regex.MatchCount();
  std::vector<SongMatch> songs;
  songs.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    songs.push_back({regex.SubMatchText(i, kSongGroupId), regex.SubMatchText(i, kSongGroupName),
                     regex.SubMatchText(i, kSongGroupSinger),
                     regex.SubMatchText(i, kSongGroupUrl)});
  }
  return songs;
}

std::vector<SongMatch> SongRecordsOf(RegexMatcher& regex, std::string_view answer) {
  regex.Search(SongPattern(), answer);
  return TakeSongMatches(regex);
}

}  // namespace vexo
