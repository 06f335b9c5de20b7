// Counts added at once by several writers, each with a store of its own as
// separate services have: none is lost, in an SQLite file and in
// PostgreSQL.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "service/count_recorder.h"
#include "service/service_constants.h"
#include "test_library.h"
#include "test_stores.h"

namespace vexo::service {
namespace {

constexpr int kWriters = 4;
constexpr int kCountsEach = 150;

class ConcurrentCounts : public ::testing::TestWithParam<std::string> {};

TEST_P(ConcurrentCounts, WritersWithTheirOwnStoresLoseNoCount) {
  if (GetParam() == "postgresql" && testing::TestDatabaseUrl().empty()) {
    GTEST_SKIP() << testing::kNoTestDatabase;
  }
  const auto settings = testing::FreshStoreSettings(GetParam());
  const auto folder = testing::MakeTempFolder("vexo-counted").string();
  std::vector<std::shared_ptr<CatalogueStore>> stores;
  for (int i = 0; i < kWriters; ++i)
    stores.push_back(OpenStore(settings));
  const auto library = stores[0]->OpenLibrary(folder);
  LibraryChanges songs;
  for (std::int64_t id = 1; id <= 3; ++id) {
    StoredSong stored;
    stored.song.id = id;
    stored.song.name = "song " + std::to_string(id);
    stored.song.audio_file = "a.mp3";
    songs.upserts.push_back(stored);
  }
  stores[0]->Apply(library, songs);

  // Half the writers add straight into the store, half through recorders
  // that batch their counts.
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&, w] {
      auto& store = *stores[static_cast<std::size_t>(w)];
      if (w % 2 == 0) {
        for (int i = 0; i < kCountsEach; ++i)
          store.AddCounts(library, {{1, 1, 0}, {2, 0, 1}, {3, 1, 1}});
      } else {
        CountRecorder recorder(stores[static_cast<std::size_t>(w)], library, nullptr, nullptr);
        for (int i = 0; i < kCountsEach; ++i) {
          recorder.AddPlay(1);
          recorder.AddSearch(2);
          recorder.AddPlay(3);
          recorder.AddSearch(3);
        }
        EXPECT_TRUE(recorder.Flush(std::chrono::seconds(60)));
      }
    });
  }
  for (auto& writer : writers)
    writer.join();

  std::size_t total = 0;
  const auto hot = stores[0]->Chart(library, kChartHot, 0, 3, total);
  ASSERT_EQ(hot.size(), 3u);
  for (const auto& place : hot) {
    if (place.id != 2) {
      EXPECT_EQ(place.plays, std::uint64_t{kWriters * kCountsEach});
    }
  }
  const auto searched = stores[0]->Chart(library, kChartHotSearches, 0, 1, total);
  EXPECT_EQ(searched.at(0).id, 3);  // ties with 2 in searches, ahead in plays
}

INSTANTIATE_TEST_SUITE_P(Stores, ConcurrentCounts, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vexo::service
