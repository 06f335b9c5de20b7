// Both stores behind one interface: the same library written, read, counted
// and searched in an SQLite file and in PostgreSQL; schema versions; a
// damaged index file.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>

#include "service/service_constants.h"
#include "service/sqlite_connection.h"
#include "service/sqlite_schema.h"
#include "service/sqlite_store.h"
#include "test_library.h"
#include "test_stores.h"

namespace vexo::service {
namespace {

namespace fs = std::filesystem;

StoredSong Entry(std::int64_t id, std::string name, std::string singer, std::uint64_t plays = 0) {
  StoredSong stored;
  stored.song.id = id;
  stored.song.name = std::move(name);
  stored.song.singer = std::move(singer);
  stored.song.audio_file = "songs/" + std::to_string(id) + ".mp3";
  stored.song.plays = plays;
  stored.file_size = 1000 + static_cast<std::uint64_t>(id);
  stored.file_time_ns = 42;
  return stored;
}

std::vector<std::int64_t> Sorted(std::vector<std::int64_t> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

class EachStore : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    store_ = testing::OpenTestStore(GetParam());
    if (!store_) GTEST_SKIP() << testing::kNoTestDatabase;
    // Every test has a library of its own, so tests share one database.
    library_ = store_->OpenLibrary(testing::MakeTempFolder("vexo-store-library").string());
    LibraryChanges changes;
    changes.upserts = {Entry(1, "晴天", "周杰", 5), Entry(2, "晴天娃娃", "Rain Band", 9),
                       Entry(3, "Say \"Hi\" 100%_ok", "Rain Band"),
                       Entry(4, "Blue Rain", "测试歌手")};
    changes.replace_pictures = true;
    changes.pictures = {{"周杰", "pictures/zhou.png"}};
    store_->Apply(library_, changes);
  }

  std::shared_ptr<CatalogueStore> store_;
  std::int64_t library_ = 0;
};

TEST_P(EachStore, KeepsSongsStampsAndPicturesPerLibrary) {
  std::vector<StoredSong> songs;
  std::vector<SingerPicture> pictures;
  store_->Load(library_, songs, pictures);
  ASSERT_EQ(songs.size(), 4u);
  EXPECT_EQ(songs[0].song.id, 2);  // most played first
  EXPECT_EQ(songs[0].song.name, "晴天娃娃");
  EXPECT_EQ(songs[0].song.audio_file, "songs/2.mp3");
  EXPECT_EQ(songs[0].file_size, 1002u);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].file, "pictures/zhou.png");

  // The same folder is the same library; another folder starts empty.
  const auto folder = testing::MakeTempFolder("vexo-other-library").string();
  const auto other = store_->OpenLibrary(folder);
  EXPECT_NE(other, library_);
  EXPECT_EQ(store_->OpenLibrary(folder), other);
  EXPECT_TRUE(store_->Files(other).empty());

  LibraryChanges changes;
  changes.removals = {1};
  changes.lyrics_paths = {{2, "songs/2.lrc"}};
  changes.source_stamp = "stamp";
  store_->Apply(library_, changes);
  const auto files = store_->Files(library_);
  ASSERT_EQ(files.size(), 3u);
  for (const auto& file : files) {
    EXPECT_NE(file.id, 1);
    if (file.id == 2) {
      EXPECT_EQ(file.lyrics_path, "songs/2.lrc");
    }
  }
  EXPECT_EQ(store_->SourceStamp(library_), "stamp");
}

TEST_P(EachStore, KeepsFormatsWhatFilesHoldAndPathsThatAreNotUtf8) {
  // A FLAC file named in GBK bytes (with a "%" among them), with lyrics and a
  // cover inside, its LRC file named in GBK too, and its cover a picture.
  const std::string gbk_name = "rips/\xC7\xE0\xBB\xA8 100%.flac";
  auto entry = Entry(7, "青花", "周杰");
  entry.song.audio_file = gbk_name;
  entry.song.format = "flac";
  entry.song.embedded_lyrics = true;
  entry.song.embedded_picture = true;
  entry.song.lyrics_file = "rips/\xC7\xE0.lrc";
  LibraryChanges changes;
  changes.upserts = {entry};
  changes.replace_pictures = true;
  changes.pictures = {{"周杰", gbk_name, true}, {"Rain Band", "pictures/rain.png"}};
  store_->Apply(library_, changes);

  std::vector<StoredSong> songs;
  std::vector<SingerPicture> pictures;
  store_->Load(library_, songs, pictures);
  const auto song =
      std::find_if(songs.begin(), songs.end(), [](const StoredSong& s) { return s.song.id == 7; });
  ASSERT_NE(song, songs.end());
  EXPECT_EQ(song->song.audio_file, gbk_name);
  EXPECT_EQ(song->song.lyrics_file, "rips/\xC7\xE0.lrc");
  EXPECT_EQ(song->song.format, "flac");
  EXPECT_TRUE(song->song.embedded_lyrics);
  EXPECT_TRUE(song->song.embedded_picture);
  EXPECT_EQ(songs.front().song.format, "mp3");
  EXPECT_FALSE(songs.front().song.embedded_lyrics);
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].file, gbk_name);
  EXPECT_TRUE(pictures[0].embedded);
  EXPECT_FALSE(pictures[1].embedded);
  for (const auto& file : store_->Files(library_)) {
    if (file.id != 7) continue;
    EXPECT_EQ(file.path, gbk_name);
    EXPECT_TRUE(file.picture_embedded);
  }
}

TEST_P(EachStore, CountsAddUpAndOrderTheCharts) {
  store_->AddCounts(library_, {{3, 20, 0}, {4, 0, 6}});
  store_->AddCounts(library_, {{3, 1, 0}, {4, 0, 1}, {99, 5, 5}});  // 99: no such song
  std::size_t total = 0;
  const auto hot = store_->Chart(library_, kChartHot, 0, 2, total);
  EXPECT_EQ(total, 4u);
  ASSERT_EQ(hot.size(), 2u);
  EXPECT_EQ(hot[0].id, 3);
  EXPECT_EQ(hot[0].plays, 21u);
  EXPECT_EQ(hot[1].id, 2);
  EXPECT_EQ(store_->Chart(library_, kChartHotSearches, 0, 1, total).at(0).id, 4);
  // Counts survive an update of the song's tags.
  LibraryChanges retag;
  retag.upserts = {Entry(3, "Renamed", "Rain Band")};
  store_->Apply(library_, retag);
  EXPECT_EQ(store_->Chart(library_, kChartHot, 0, 1, total).at(0).plays, 21u);
}

TEST_P(EachStore, TextIndexFindsSubstringsOfThreeCharactersAndMore) {
  EXPECT_FALSE(store_->TextIndexServes(2));
  EXPECT_TRUE(store_->TextIndexServes(3));
  EXPECT_EQ(Sorted(store_->FindText(library_, "天娃娃")), (std::vector<std::int64_t>{2}));
  EXPECT_EQ(Sorted(store_->FindText(library_, "rain")), (std::vector<std::int64_t>{2, 3, 4}));
  EXPECT_EQ(Sorted(store_->FindText(library_, "测试歌")), (std::vector<std::int64_t>{4}));
  // Characters that mean something to the index's query language are text.
  EXPECT_EQ(store_->FindText(library_, "\"hi\""), (std::vector<std::int64_t>{3}));
  EXPECT_EQ(store_->FindText(library_, "100%_"), (std::vector<std::int64_t>{3}));
  EXPECT_TRUE(store_->FindText(library_, "100%x").empty());
  EXPECT_TRUE(store_->FindText(library_, "a_ok").empty());
  // Folded text only: the index holds ASCII letters lowered.
  EXPECT_TRUE(store_->FindText(library_, "Rain").empty());
  // A renamed song is found by its new name only.
  LibraryChanges rename;
  rename.upserts = {Entry(4, "Green Grass", "测试歌手")};
  store_->Apply(library_, rename);
  EXPECT_TRUE(store_->FindText(library_, "blue").empty());
  EXPECT_EQ(store_->FindText(library_, "grass"), (std::vector<std::int64_t>{4}));
}

INSTANTIATE_TEST_SUITE_P(Stores, EachStore, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return info.param; });

TEST(SqliteIndexFile, AnOlderFileIsUpgradedInPlaceKeepingItsSongs) {
  const auto file = testing::MakeTempFolder("vexo-old-index") / "catalogue.sqlite";
  {
    SqliteConnection old(file.string());
    UpgradeSqliteSchema(old, 1);
    old.Exec(
        "INSERT INTO libraries (id, folder) VALUES (1, '/music');"
        "INSERT INTO songs (library_id, id, path, size, mtime_ns, name, singer, plays)"
        " VALUES (1, 7, 'a.mp3', 100, 5, 'Old Song 旧歌', 'Someone', 3)");
  }
  const auto store = SqliteStore::Open(file, false);
  EXPECT_EQ(store->OpenLibrary("/music"), 1);
  EXPECT_EQ(store->FindText(1, "旧歌"), std::vector<std::int64_t>{});  // two characters
  EXPECT_EQ(store->FindText(1, "old song"), (std::vector<std::int64_t>{7}));
  std::size_t total = 0;
  EXPECT_EQ(store->Chart(1, kChartHot, 0, 5, total).at(0).plays, 3u);
  // Its files are MP3 files, read once more for the lyrics and pictures
  // inside them: their stamps no longer match.
  std::vector<StoredSong> songs;
  std::vector<SingerPicture> pictures;
  store->Load(1, songs, pictures);
  ASSERT_EQ(songs.size(), 1u);
  EXPECT_EQ(songs[0].song.format, "mp3");
  EXPECT_NE(songs[0].file_time_ns, 5);
  EXPECT_EQ(songs[0].file_size, 100u);
  SqliteConnection reopened(file.string());
  EXPECT_EQ(SqliteFileVersion(reopened), SqliteSchemaVersion());
}

TEST(SqliteIndexFile, ADamagedOrNewerFileIsReportedAndReindexMakesItAnew) {
  const auto folder = testing::MakeTempFolder("vexo-bad-index");
  const auto file = folder / "catalogue.sqlite";
  std::ofstream(file, std::ios::binary) << std::string(8192, 'x');
  try {
    SqliteStore::Open(file, false);
    ADD_FAILURE() << "a damaged file was opened";
  } catch (const StoreError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("--reindex"), std::string::npos) << message;
  }
  // Nothing was lost on the way: the damaged file is as it was.
  EXPECT_EQ(fs::file_size(file), 8192u);
  const auto rebuilt = SqliteStore::Open(file, true);
  EXPECT_GT(rebuilt->OpenLibrary("/music"), 0);

  {
    SqliteConnection newer(file.string());
    newer.Exec("PRAGMA user_version = 99");
  }
  EXPECT_THROW(SqliteStore::Open(file, false), StoreError);
}

TEST(SqliteIndexFile, AFileLockedByAnotherProgramIsReportedAsSuch) {
  const auto file = testing::MakeTempFolder("vexo-locked-index") / "catalogue.sqlite";
  SqliteConnection other(file.string());
  other.Exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
  try {
    SqliteStore::Open(file, false);  // waits out the busy time first
    ADD_FAILURE() << "a locked file was opened";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
  }
  other.Exec("COMMIT");
}

}  // namespace
}  // namespace vexo::service
