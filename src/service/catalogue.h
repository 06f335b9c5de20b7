#pragma once
// The library as a running service holds it in memory: a cache of the
// store, rebuilt from it when the library or the popularity order changes.
// Songs are kept most played first, so an ascending list of song indices is
// in popularity order. Immutable after construction apart from the counts,
// which are atomic, so every request thread reads it without a lock.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "service/song.h"
#include "service/text_index.h"

namespace vexo::service {

class Catalogue {
 public:
  // Songs whose id repeats an earlier one are dropped, with a warning in
  // `warnings`; so are pictures of a singer that already has one. The songs
  // are ordered by their plays, most first; equal plays keep their order.
  Catalogue(std::vector<Song> songs, std::vector<SingerPicture> pictures,
            std::vector<std::string>* warnings = nullptr);

  std::span<const Song> Songs() const { return songs_; }
  std::size_t Size() const { return songs_.size(); }
  const Song& At(std::size_t index) const { return songs_[index]; }

  // Index of the song with `id`.
  std::optional<std::size_t> FindSong(std::int64_t id) const;
  // Index of the song named `title` by `singer` (letter case ignored); when
  // no song has both, the most played song named `title`.
  std::optional<std::size_t> FindByTitle(std::string_view singer, std::string_view title) const;

  std::span<const SingerPicture> Pictures() const { return pictures_; }
  // Index of the picture of `singer` (letter case ignored).
  std::optional<std::size_t> FindPicture(std::string_view singer) const;

  // Names and singers with the ASCII letters lowered, for matching.
  const std::string& FoldedName(std::size_t index) const { return name_index_.Text(index); }
  const std::string& FoldedSinger(std::size_t index) const { return singer_index_.Text(index); }
  // Substring lookup over the folded names and singers (text = song index).
  const TextIndex& NameIndex() const { return name_index_; }
  const TextIndex& SingerIndex() const { return singer_index_; }

  // Counts as the store had them when the cache was built, plus those this
  // service counted since.
  std::uint64_t Plays(std::size_t index) const;
  std::uint64_t Searches(std::size_t index) const;
  void CountPlay(std::size_t index);
  void CountSearch(std::size_t index);

 private:
  std::vector<Song> songs_;
  std::vector<SingerPicture> pictures_;
  TextIndex name_index_;
  TextIndex singer_index_;
  std::unordered_map<std::int64_t, std::size_t> by_id_;
  std::unordered_map<std::string, std::size_t> picture_by_singer_;
  std::vector<std::atomic<std::uint64_t>> plays_;
  std::vector<std::atomic<std::uint64_t>> searches_;
};

}  // namespace vexo::service
