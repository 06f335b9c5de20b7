#include "service/catalogue_loading.h"

#include "service/library_sync.h"
#include "service/sqlite_store.h"

namespace vexo::service {

namespace fs = std::filesystem;

std::shared_ptr<Catalogue> BuildCatalogue(CatalogueStore& store, std::int64_t library,
                                          const fs::path& folder) {
  std::vector<StoredSong> stored;
  std::vector<SingerPicture> pictures;
  store.Load(library, stored, pictures);
  std::vector<Song> songs;
  songs.reserve(stored.size());
  for (auto& entry : stored) {
    Song& song = entry.song;
    song.audio_file = folder / song.audio_file;
    if (!song.lyrics_file.empty()) song.lyrics_file = folder / song.lyrics_file;
    songs.push_back(std::move(song));
  }
  for (auto& picture : pictures)
    picture.file = folder / picture.file;
  return std::make_shared<Catalogue>(std::move(songs), std::move(pictures));
}

std::shared_ptr<Catalogue> LoadCatalogue(const LibrarySource& source,
                                         std::vector<std::string>& warnings,
                                         const std::atomic<bool>* cancel) {
  std::error_code ec;
  const auto folder = fs::absolute(source.folder, ec).lexically_normal();
  auto store = SqliteStore::Open({}, false);
  const auto library = store->OpenLibrary(folder.generic_string());
  SyncLibrary(*store, library, folder, false, warnings, cancel);
  return BuildCatalogue(*store, library, folder);
}

}  // namespace vexo::service
