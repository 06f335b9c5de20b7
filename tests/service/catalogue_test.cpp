// The library model: chart orders from the store, search ranking,
// suggestions, lookups and the prepared catalogue file.
#include <gtest/gtest.h>

#include <fstream>

#include "service/catalogue.h"
#include "service/catalogue_manifest.h"
#include "service/search_matching.h"
#include "service/service_constants.h"
#include "service/sqlite_store.h"
#include "service/text_index.h"
#include "test_library.h"

namespace vexo::service {
namespace {

Song MakeSong(std::int64_t id, std::string name, std::string singer, int year, std::string added,
              std::uint64_t plays, std::uint64_t searches = 0) {
  Song song;
  song.id = id;
  song.name = std::move(name);
  song.singer = std::move(singer);
  song.year = year;
  song.added = std::move(added);
  song.plays = plays;
  song.searches = searches;
  return song;
}

std::vector<std::int64_t> Ids(const Catalogue& catalogue, const std::vector<std::size_t>& order) {
  std::vector<std::int64_t> ids;
  for (const auto i : order)
    ids.push_back(catalogue.At(i).id);
  return ids;
}

std::vector<Song> ModelSongs() {
  return {MakeSong(1, "Moon River", "Alice", 1961, "2024-01-01", 10, 3),
          MakeSong(2, "Moon", "Bob", 0, "2026-01-01", 5, 3),
          MakeSong(3, "Blue Moon", "Carol", 1934, "2025-06-01", 50),
          MakeSong(4, "Sunny", "Moonlight Band", 1966, "2025-06-01", 50, 8),
          MakeSong(2, "Duplicate id", "Nobody", 2000, "2020-01-01", 999)};
}

class CatalogueModel : public ::testing::Test {
 protected:
  void SetUp() override {
    LibraryChanges changes;
    auto songs = ModelSongs();
    songs.pop_back();  // the store keeps one song per id
    for (auto& song : songs)
      changes.upserts.push_back({std::move(song), 0, 0});
    library_ = store_->OpenLibrary("/music");
    store_->Apply(library_, changes);
  }

  // The ids of chart `chart` as the store orders it.
  std::vector<std::int64_t> ChartIds(int chart) {
    std::size_t total = 0;
    std::vector<std::int64_t> ids;
    for (const auto& place : store_->Chart(library_, chart, 0, 10, total))
      ids.push_back(place.id);
    return ids;
  }

  Catalogue catalogue_{ModelSongs(), {{"Alice", "alice.png"}, {"ALICE", "other.png"}}};
  std::shared_ptr<SqliteStore> store_ = SqliteStore::Open({}, false);
  std::int64_t library_ = 0;
};

TEST_F(CatalogueModel, RepeatedIdsAndPicturesAreDropped) {
  EXPECT_EQ(catalogue_.Size(), 4u);
  EXPECT_EQ(catalogue_.At(*catalogue_.FindSong(2)).name, "Moon");
  EXPECT_FALSE(catalogue_.FindSong(9));
  ASSERT_EQ(catalogue_.Pictures().size(), 1u);
  EXPECT_EQ(catalogue_.FindPicture(" alice "), 0u);
  EXPECT_FALSE(catalogue_.FindPicture("Bob"));
}

TEST_F(CatalogueModel, ChartsAreDifferentOrderings) {
  // Ties in plays go to the lower id.
  EXPECT_EQ(ChartIds(kChartHot), (std::vector<std::int64_t>{3, 4, 1, 2}));
  EXPECT_EQ(ChartIds(kChartNew), (std::vector<std::int64_t>{2, 3, 4, 1}));
  // Unknown years go last.
  EXPECT_EQ(ChartIds(kChartOld), (std::vector<std::int64_t>{3, 1, 4, 2}));
  EXPECT_EQ(ChartIds(kChartHotSearches), (std::vector<std::int64_t>{4, 1, 2, 3}));
  std::size_t total = 9;
  EXPECT_TRUE(store_->Chart(library_, 110, 0, 10, total).empty());
  EXPECT_EQ(total, 0u);
  // A page further on, and the whole library's size.
  const auto second = store_->Chart(library_, kChartHot, 2, 10, total);
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0].id, 1);
  EXPECT_EQ(second[0].plays, 10u);
  EXPECT_EQ(total, 4u);
}

TEST_F(CatalogueModel, PlaysAndSearchesMoveTheCharts) {
  store_->AddCounts(library_, {{2, 100, 0}, {3, 0, 10}});
  EXPECT_EQ(ChartIds(kChartHot).front(), 2);
  EXPECT_EQ(ChartIds(kChartHotSearches).front(), 3);
  // Updating a song's tags keeps its counts.
  LibraryChanges retag;
  retag.upserts.push_back({MakeSong(2, "Moon (live)", "Bob", 0, "2026-01-01", 0), 0, 0});
  store_->Apply(library_, retag);
  EXPECT_EQ(ChartIds(kChartHot).front(), 2);
}

TEST_F(CatalogueModel, SearchRanksExactThenPrefixThenSubstringThenSinger) {
  EXPECT_EQ(Ids(catalogue_, SearchSongs(catalogue_, "moon")),
            (std::vector<std::int64_t>{2, 1, 3, 4}));
  EXPECT_EQ(Ids(catalogue_, SearchSongs(catalogue_, "  RIVER ")), (std::vector<std::int64_t>{1}));
  EXPECT_TRUE(SearchSongs(catalogue_, "").empty());
  EXPECT_TRUE(SearchSongs(catalogue_, "zebra").empty());
  // The store's trigram index answers queries of three characters and more
  // with the same ranking.
  const TextLookup store{store_.get(), library_};
  EXPECT_EQ(Ids(catalogue_, SearchSongs(catalogue_, "moon", store)),
            (std::vector<std::int64_t>{2, 1, 3, 4}));
  EXPECT_EQ(Ids(catalogue_, SearchSongs(catalogue_, "  RIVER ", store)),
            (std::vector<std::int64_t>{1}));
  EXPECT_EQ(SuggestTexts(catalogue_, "moon", 10, store), SuggestTexts(catalogue_, "moon", 10));
  // A page is the same part of the whole order, with the whole count.
  for (const TextLookup lookup : {TextLookup{}, store}) {
    const auto page = SearchSongsPage(catalogue_, "moon", 1, 2, lookup);
    EXPECT_EQ(Ids(catalogue_, page.songs), (std::vector<std::int64_t>{1, 3}));
    EXPECT_EQ(page.total, 4u);
    EXPECT_TRUE(SearchSongsPage(catalogue_, "moon", 4, 2, lookup).songs.empty());
  }
}

TEST_F(CatalogueModel, SuggestionsStartWithTheTextFirstAndRepeatNothing) {
  // Prefixes by popularity (Moonlight Band's song is the most played), then
  // texts that merely contain the query.
  EXPECT_EQ(SuggestTexts(catalogue_, "moon", 10),
            (std::vector<std::string>{"Moonlight Band", "Moon River", "Moon", "Blue Moon"}));
  EXPECT_EQ(SuggestTexts(catalogue_, "moon", 2),
            (std::vector<std::string>{"Moonlight Band", "Moon River"}));
  EXPECT_TRUE(SuggestTexts(catalogue_, "moon", 0).empty());
  EXPECT_TRUE(SuggestTexts(catalogue_, " ", 5).empty());
}

TEST_F(CatalogueModel, LookupByTitlePrefersTheSinger) {
  EXPECT_EQ(catalogue_.FindByTitle("alice", "MOON RIVER"), catalogue_.FindSong(1));
  EXPECT_EQ(catalogue_.FindByTitle("someone else", "Moon"), catalogue_.FindSong(2));
  EXPECT_FALSE(catalogue_.FindByTitle("Alice", ""));
}

TEST(TextIndexLookup, FindsEachTextOnceAndNeverAcrossTwoTexts) {
  const TextIndex index({"abcab", "cab", "ab", "xa", "bx", "", "晴天娃娃", "天晴"});
  // "xa" + "bx" would spell "ab" if the texts ran together.
  EXPECT_EQ(index.Containing("ab"), (std::vector<std::size_t>{0, 1, 2}));
  // Both characters present, but not side by side.
  EXPECT_EQ(index.Containing("晴天"), (std::vector<std::size_t>{6}));
  EXPECT_EQ(index.Containing("天"), (std::vector<std::size_t>{6, 7}));
  EXPECT_TRUE(index.Containing("").empty());
  EXPECT_TRUE(index.Containing("abz").empty());
  EXPECT_TRUE(TextIndex().Containing("a").empty());
  EXPECT_EQ(CodePointCount("晴天a"), 3u);
  // A stray byte is no character, though the index files it under the same
  // number as U+00E6.
  EXPECT_TRUE(TextIndex({"æble"}).Containing("\xE6").empty());
  EXPECT_EQ(TextIndex({"æble"}).Containing("æ"), (std::vector<std::size_t>{0}));
}

TEST(CatalogueFile, RoundTripsAndRefusesPathsOutsideTheLibrary) {
  const auto folder = testing::MakeTempFolder("vexo-manifest");
  testing::WriteShortMp3(folder / "a.mp3");
  LibraryContents written;
  Song song = MakeSong(7, "名\t字", "歌手", 1999, "2025-01-02", 3, 4);
  song.audio_file = folder / "a.mp3";
  song.lyrics_file = folder / "a.lrc";
  song.duration_seconds = 2;
  song.bit_rate = 128;
  written.songs.push_back(song);
  written.pictures.push_back({"歌手", folder / "a.mp3"});
  std::string text = WriteManifest(written, folder);
  text += "song\t8\tx\ty\t\t0\t\t1\t128\t0\t0\t../outside.mp3\t\n";
  text += "song\t9\tx\ty\t\t0\t\t1\t128\t0\t0\t/etc/passwd\t\n";
  text += "song\t10\tx\ty\t\t0\t\t1\t128\t0\t0\tmissing.mp3\t\n";
  text += "song\tnot-a-number\tx\n";
  text += "mystery line\n";
  std::ofstream(folder / std::string(kManifestFileName)) << text;

  LibraryContents read;
  std::vector<std::string> warnings;
  ASSERT_TRUE(ReadManifest(folder, read, warnings));
  ASSERT_EQ(read.songs.size(), 1u);
  EXPECT_EQ(read.songs[0].name, "名 字");
  EXPECT_EQ(read.songs[0].singer, "歌手");
  EXPECT_EQ(read.songs[0].year, 1999);
  EXPECT_EQ(read.songs[0].plays, 3u);
  EXPECT_EQ(read.songs[0].searches, 4u);
  EXPECT_EQ(read.songs[0].audio_file, folder / "a.mp3");
  EXPECT_EQ(read.songs[0].lyrics_file, folder / "a.lrc");
  EXPECT_EQ(read.pictures.size(), 1u);
  EXPECT_EQ(warnings.size(), 5u);

  LibraryContents none;
  EXPECT_FALSE(ReadManifest(folder / "absent", none, warnings));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vexo::service
