#include "service/library_sync.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "service/audio_formats.h"
#include "service/catalogue_manifest.h"
#include "service/folder_scanner.h"
#include "service/service_constants.h"
#include "service/utf8.h"

namespace vexo::service {

namespace fs = std::filesystem;

namespace {

std::string Relative(const fs::path& file, const fs::path& folder) {
  if (file.empty()) return {};
  return file.lexically_relative(folder).generic_string();
}

bool Cancelled(const std::atomic<bool>* cancel) {
  return cancel && cancel->load();
}

// Size and modification time of `file`; false when it cannot be read.
bool StampOf(const fs::path& file, std::uint64_t& size, std::int64_t& time_ns) {
  std::error_code ec;
  size = fs::file_size(file, ec);
  if (ec) return false;
  const auto written = fs::last_write_time(file, ec);
  if (ec) return false;
  time_ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(written.time_since_epoch()).count();
  return true;
}

bool SamePictures(const std::vector<SingerPicture>& a, const std::vector<SingerPicture>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].singer != b[i].singer || a[i].file != b[i].file || a[i].embedded != b[i].embedded)
      return false;
  }
  return true;
}

// The singer pictures of a folder. For each singer the best picture found
// beside any of their songs: one named after the singer, else "artist.*",
// else the front cover embedded in one of their songs, else an album's
// "cover.*" or "folder.*"; among equals the first found. Each folder is
// looked at once per singer.
class PictureFinder {
 public:
  explicit PictureFinder(const fs::path& folder) : folder_(folder) {}

  void Offer(const fs::path& song_file, const std::string& singer, bool embedded_cover) {
    auto key = FoldCase(singer);
    auto [entry, added] = best_.try_emplace(key);
    Best& best = entry->second;
    if (added) {
      best.order = best_.size();
      best.picture.singer = singer;
    }
    if (best.rank == kNamed) return;
    const auto dir = song_file.parent_path();
    if (looked_up_.emplace(dir, std::move(key)).second) {
      Consider(best, kNamed, SingerPictureIn(dir, singer));
      const auto& shared = SharedPicturesIn(dir);
      Consider(best, kArtist, shared.artist);
      Consider(best, kAlbum, shared.album);
    }
    if (embedded_cover) Consider(best, kEmbedded, song_file, true);
  }

  // The pictures found, in the order their singers were first offered.
  std::vector<SingerPicture> Pictures() const {
    std::vector<const Best*> found;
    for (const auto& [key, best] : best_) {
      if (best.rank != kNone) found.push_back(&best);
    }
    std::sort(found.begin(), found.end(),
              [](const Best* a, const Best* b) { return a->order < b->order; });
    std::vector<SingerPicture> pictures;
    pictures.reserve(found.size());
    for (const auto* best : found)
      pictures.push_back(best->picture);
    return pictures;
  }

 private:
  // Better pictures first.
  enum Rank { kNamed, kArtist, kEmbedded, kAlbum, kNone };
  struct Best {
    std::size_t order = 0;
    Rank rank = kNone;
    SingerPicture picture;
  };

  // The pictures of a folder that every singer there shares, looked up once.
  struct SharedPictures {
    fs::path artist;
    fs::path album;
  };
  const SharedPictures& SharedPicturesIn(const fs::path& dir) {
    auto [entry, added] = shared_.try_emplace(dir);
    if (added) entry->second = {ArtistPictureIn(dir), AlbumPictureIn(dir)};
    return entry->second;
  }

  void Consider(Best& best, Rank rank, const fs::path& file, bool embedded = false) {
    if (file.empty() || rank >= best.rank) return;
    best.rank = rank;
    best.picture.file = Relative(file, folder_);
    best.picture.embedded = embedded;
  }

  fs::path folder_;
  std::unordered_map<std::string, Best> best_;
  std::set<std::pair<fs::path, std::string>> looked_up_;
  std::map<fs::path, SharedPictures> shared_;
};

SyncReport SyncFolder(CatalogueStore& store, std::int64_t library, const fs::path& folder,
                      bool reread, std::vector<std::string>& warnings,
                      const std::atomic<bool>* cancel) {
  SyncReport report;
  std::unordered_map<std::string, FileStamp> known;
  std::unordered_set<std::int64_t> taken;
  for (auto& stamp : store.Files(library)) {
    taken.insert(stamp.id);
    auto path = stamp.path;
    known.emplace(std::move(path), std::move(stamp));
  }

  LibraryChanges changes;
  std::unordered_set<std::int64_t> present;
  PictureFinder pictures(folder);
  for (const auto& file : FindMusicFiles(folder, warnings, cancel)) {
    if (Cancelled(cancel)) return report;
    const auto relative = Relative(file, folder);
    const auto lyrics = Relative(LyricsFileFor(file), folder);
    StoredSong stored;
    if (!StampOf(file, stored.file_size, stored.file_time_ns)) {
      warnings.push_back("skipped " + file.string() + ": cannot read its size and time");
      ++report.skipped;
      continue;
    }
    const auto old = known.find(relative);
    if (old != known.end() && !reread && old->second.size == stored.file_size &&
        old->second.time_ns == stored.file_time_ns) {
      ++report.unchanged;
      present.insert(old->second.id);
      if (old->second.lyrics_path != lyrics)
        changes.lyrics_paths.emplace_back(old->second.id, lyrics);
      pictures.Offer(file, old->second.singer, old->second.picture_embedded);
      continue;
    }
    Song& song = stored.song;
    std::string problem;
    ++report.read;
    if (!ReadSongFile(file, song, problem)) {
      warnings.push_back("skipped " + file.string() + ": " + problem);
      ++report.skipped;
      continue;
    }
    if (old != known.end()) {
      song.id = old->second.id;
    } else {
      song.id = SongIdForPath(relative);
      while (taken.contains(song.id))
        song.id = NextSongId(song.id);
      taken.insert(song.id);
    }
    present.insert(song.id);
    song.audio_file = relative;
    song.lyrics_file = lyrics;
    song.added = DateOf(file);
    pictures.Offer(file, song.singer, song.embedded_picture);
    changes.upserts.push_back(std::move(stored));
  }
  if (Cancelled(cancel)) return report;

  for (const auto& [path, stamp] : known) {
    if (!present.contains(stamp.id)) changes.removals.push_back(stamp.id);
  }
  report.removed = changes.removals.size();
  if (!SamePictures(pictures.Pictures(), store.Pictures(library))) {
    changes.replace_pictures = true;
    changes.pictures = pictures.Pictures();
  }
  report.changed = !changes.Empty();
  store.Apply(library, changes);
  return report;
}

// The prepared catalogue file's stamp: its size and modification time.
std::string ManifestStamp(const fs::path& folder) {
  std::uint64_t size = 0;
  std::int64_t time_ns = 0;
  if (!StampOf(folder / std::string(kManifestFileName), size, time_ns)) return {};
  return "catalogue-file " + std::to_string(size) + " " + std::to_string(time_ns);
}

SyncReport SyncGenerated(CatalogueStore& store, std::int64_t library, const fs::path& folder,
                         bool reread, std::vector<std::string>& warnings) {
  SyncReport report;
  const auto stamp = ManifestStamp(folder);
  if (!reread && !stamp.empty() && store.SourceStamp(library) == stamp) return report;

  LibraryContents contents;
  if (!ReadManifest(folder, contents, warnings)) {
    warnings.push_back("cannot read the catalogue file in " + folder.string());
    return report;
  }
  LibraryChanges changes;
  std::unordered_set<std::int64_t> present;
  for (auto& song : contents.songs) {
    ++report.read;
    if (!present.insert(song.id).second) {
      warnings.push_back("song id " + std::to_string(song.id) + " repeats; skipped " +
                         song.audio_file.string());
      ++report.skipped;
      continue;
    }
    song.format = FormatOfFile(song.audio_file);
    song.audio_file = Relative(song.audio_file, folder);
    song.lyrics_file = Relative(song.lyrics_file, folder);
    changes.upserts.push_back({std::move(song), 0, 0});
  }
  for (const auto& known : store.Files(library)) {
    if (!present.contains(known.id)) changes.removals.push_back(known.id);
  }
  report.removed = changes.removals.size();
  changes.replace_pictures = true;
  for (auto& picture : contents.pictures) {
    changes.pictures.push_back({picture.singer, Relative(picture.file, folder)});
  }
  changes.source_stamp = stamp;
  report.changed = true;
  store.Apply(library, changes);
  return report;
}

}  // namespace

bool IsGeneratedLibrary(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / std::string(kManifestFileName), ec);
}

SyncReport SyncLibrary(CatalogueStore& store, std::int64_t library, const fs::path& folder,
                       bool reread, std::vector<std::string>& warnings,
                       const std::atomic<bool>* cancel) {
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) {
    warnings.push_back("library folder not found: " + folder.string());
    return {};
  }
  if (IsGeneratedLibrary(folder)) return SyncGenerated(store, library, folder, reread, warnings);
  return SyncFolder(store, library, folder, reread, warnings, cancel);
}

}  // namespace vexo::service
