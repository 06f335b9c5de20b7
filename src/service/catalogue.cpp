#include "service/catalogue.h"

#include <algorithm>

#include "service/utf8.h"

namespace vexo::service {

Catalogue::Catalogue(std::vector<Song> songs, std::vector<SingerPicture> pictures,
                     std::vector<std::string>* warnings) {
  songs_.reserve(songs.size());
  for (auto& song : songs) {
    if (by_id_.contains(song.id)) {
      if (warnings) {
        warnings->push_back("song id " + std::to_string(song.id) + " repeats; skipped " +
                            song.audio_file.string());
      }
      continue;
    }
    by_id_.emplace(song.id, 0);
    songs_.push_back(std::move(song));
  }
  std::stable_sort(songs_.begin(), songs_.end(),
                   [](const Song& a, const Song& b) { return a.plays > b.plays; });

  std::vector<std::string> folded_names;
  std::vector<std::string> folded_singers;
  folded_names.reserve(songs_.size());
  folded_singers.reserve(songs_.size());
  for (std::size_t i = 0; i < songs_.size(); ++i) {
    by_id_[songs_[i].id] = i;
    folded_names.push_back(FoldCase(songs_[i].name));
    folded_singers.push_back(FoldCase(songs_[i].singer));
  }
  name_index_ = TextIndex(std::move(folded_names));
  singer_index_ = TextIndex(std::move(folded_singers));

  for (auto& picture : pictures) {
    auto key = FoldCase(picture.singer);
    if (picture_by_singer_.contains(key)) continue;
    picture_by_singer_.emplace(std::move(key), pictures_.size());
    pictures_.push_back(std::move(picture));
  }

  plays_ = std::vector<std::atomic<std::uint64_t>>(songs_.size());
  searches_ = std::vector<std::atomic<std::uint64_t>>(songs_.size());
  for (std::size_t i = 0; i < songs_.size(); ++i) {
    plays_[i].store(songs_[i].plays, std::memory_order_relaxed);
    searches_[i].store(songs_[i].searches, std::memory_order_relaxed);
  }
}

std::optional<std::size_t> Catalogue::FindSong(std::int64_t id) const {
  const auto it = by_id_.find(id);
  if (it == by_id_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::size_t> Catalogue::FindByTitle(std::string_view singer,
                                                  std::string_view title) const {
  const auto folded_title = FoldCase(TrimWhite(title));
  const auto folded_singer = FoldCase(TrimWhite(singer));
  if (folded_title.empty()) return std::nullopt;
  std::optional<std::size_t> title_only;
  for (const std::size_t i : name_index_.Containing(folded_title)) {
    if (FoldedName(i) != folded_title) continue;
    if (FoldedSinger(i) == folded_singer) return i;
    if (!title_only) title_only = i;
  }
  return title_only;
}

std::optional<std::size_t> Catalogue::FindPicture(std::string_view singer) const {
  const auto it = picture_by_singer_.find(FoldCase(TrimWhite(singer)));
  if (it == picture_by_singer_.end()) return std::nullopt;
  return it->second;
}

std::uint64_t Catalogue::Plays(std::size_t index) const {
  return plays_[index].load(std::memory_order_relaxed);
}

std::uint64_t Catalogue::Searches(std::size_t index) const {
  return searches_[index].load(std::memory_order_relaxed);
}

void Catalogue::CountPlay(std::size_t index) {
  plays_[index].fetch_add(1, std::memory_order_relaxed);
}

void Catalogue::CountSearch(std::size_t index) {
  searches_[index].fetch_add(1, std::memory_order_relaxed);
}

}  // namespace vexo::service
