// A running service over an SQLite index file: counts that survive a
// restart, a folder that is not read again when unchanged, and changes in a
// watched folder showing up while the service runs.
#include <gtest/gtest.h>
#include <id3v2tag.h>
#include <mpegfile.h>

#include <memory>

#include "player_view.h"
#include "raw_http.h"
#include "service/catalogue_server.h"
#include "service/service_constants.h"
#include "service/store_settings.h"
#include "test_library.h"

namespace vexo::service {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kLoadLimit = 30s;
// A change in a watched folder shows in search within 5 s; the tests allow
// more for a loaded machine.
constexpr auto kWatchLimit = 15s;

std::unique_ptr<CatalogueServer> StartServer(const fs::path& library, const fs::path& index,
                                             SyncReport* report = nullptr) {
  auto server = std::make_unique<CatalogueServer>();
  ServerOptions options;
  options.store.index_file = index;
  options.warning_log = [](const std::string&) {};
  if (report) options.synced = [report](const SyncReport& done) { *report = done; };
  EXPECT_TRUE(server->Start("127.0.0.1", 0, LibrarySource::Folder(library), options));
  EXPECT_TRUE(server->WaitUntilLoaded(kLoadLimit));
  return server;
}

std::vector<testing::SongRow> Chart(int port, int chart) {
  return testing::MatchSongRows(testing::DecodeChartAnswer(
      testing::Get(port, "/ajax/h/ttpod?id=" + std::to_string(chart) + "&page=1&size=50").body));
}

std::vector<testing::SongRow> Search(int port, const std::string& encoded) {
  return testing::MatchSongRows(
      testing::Get(port, "/s/song_with_out?q=" + encoded + "&page=1&size=10&callback=cb").body);
}

bool Finds(int port, const std::string& encoded, const std::string& name) {
  for (const auto& row : Search(port, encoded)) {
    if (row.name == name) return true;
  }
  return false;
}

TEST(ServiceStore, PlaysAndSearchesSurviveARestart) {
  const auto index = testing::MakeTempFolder("vexo-restart") / "catalogue.sqlite";
  auto server = StartServer(testing::SmallLibrary(), index);
  // 504 "Blue Rain" has never been searched; ten searches put it first.
  for (int i = 0; i < 10; ++i)
    ASSERT_EQ(Search(server->Port(), "Blue%20Rain").at(0).id, "504");
  // A song played from its start counts; a later part of it does not.
  ASSERT_EQ(testing::Get(server->Port(), "/song/503.mp3").status, 200);
  ASSERT_EQ(testing::Get(server->Port(), "/song/503.mp3", "Range: bytes=100-\r\n").status, 206);
  server->Stop();

  server = StartServer(testing::SmallLibrary(), index);
  EXPECT_EQ(Chart(server->Port(), kChartHotSearches).at(0).id, "504");
  const auto answer = testing::Get(server->Port(), "/ajax/h/ttpod?id=111&page=1&size=50").body;
  EXPECT_NE(answer.find("\"song_id\":503,\"pick_count\":11,"), std::string::npos) << answer;
}

TEST(ServiceStore, SearchRankingFollowsThePlaysWithinSeconds) {
  const auto index = testing::MakeTempFolder("vexo-popularity") / "catalogue.sqlite";
  auto server = StartServer(testing::SmallLibrary(), index);
  // Rain Band's songs: 502 (80 plays) before 503 (10 plays) ...
  const auto ranked = [&] { return Search(server->Port(), "rain%20band"); };
  ASSERT_EQ(ranked().at(0).id, "502");
  // ... until 503 is played more.
  for (int i = 0; i < 75; ++i)
    ASSERT_EQ(testing::Get(server->Port(), "/song/503.mp3").status, 200);
  EXPECT_TRUE(testing::WaitFor([&] { return ranked().at(0).id == "503"; }, 30s));
}

class WatchedFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::MakeTempFolder("vexo-watched");
    index_ = folder_.parent_path() / (folder_.filename().string() + ".sqlite");
    testing::WriteShortMp3(folder_ / "周杰 - 晴天.mp3");
    fs::create_directories(folder_ / "专辑");
    testing::WriteShortMp3(folder_ / "专辑" / "Rain Band - Blue Rain.mp3");
  }
  void TearDown() override {
    fs::remove_all(folder_);
    fs::remove(index_);
  }

  fs::path folder_;
  fs::path index_;
};

TEST_F(WatchedFolder, AnUnchangedFolderIsNotReadAgainOnRestart) {
  SyncReport report;
  auto server = StartServer(folder_, index_, &report);
  EXPECT_EQ(report.read, 2u);
  const auto ids = Search(server->Port(), "%E6%99%B4");
  server->Stop();

  server = StartServer(folder_, index_, &report);
  EXPECT_EQ(report.read, 0u);
  EXPECT_EQ(report.unchanged, 2u);
  EXPECT_FALSE(report.changed);
  const auto again = Search(server->Port(), "%E6%99%B4");
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(again[0].id, ids.at(0).id);
}

TEST_F(WatchedFolder, FilesAddedChangedAndRemovedShowUpWhileServing) {
  auto server = StartServer(folder_, index_);
  const int port = server->Port();
  ASSERT_TRUE(Finds(port, "%E6%99%B4", "晴天"));

  // Added in a new folder, written first under another name and moved in,
  // as copying programs do.
  fs::create_directories(folder_ / "新歌");
  testing::WriteShortMp3(folder_ / "partial.tmp");
  fs::rename(folder_ / "partial.tmp", folder_ / "新歌" / "陈 - 海风.mp3");
  EXPECT_TRUE(testing::WaitFor([&] { return Finds(port, "%E6%B5%B7", "海风"); }, kWatchLimit));

  // Retagged: found by the new title under the same id.
  const auto before = Search(port, "Blue%20Rain");
  ASSERT_EQ(before.size(), 1u);
  {
    TagLib::MPEG::File mpeg((folder_ / "专辑" / "Rain Band - Blue Rain.mp3").c_str());
    mpeg.ID3v2Tag(true)->setTitle(TagLib::String("Grey Rain", TagLib::String::UTF8));
    ASSERT_TRUE(mpeg.save());
  }
  EXPECT_TRUE(testing::WaitFor([&] { return Finds(port, "grey", "Grey Rain"); }, kWatchLimit));
  EXPECT_EQ(Search(port, "grey").at(0).id, before[0].id);

  // Removed.
  fs::remove(folder_ / "周杰 - 晴天.mp3");
  EXPECT_TRUE(testing::WaitFor([&] { return Search(port, "%E6%99%B4").empty(); }, kWatchLimit));
  EXPECT_EQ(testing::Get(port, "/song/" + before[0].id + ".mp3").status, 200);
}

// The player's embedded service carries no database store: a database
// address there is refused with a message, never a crash.
TEST(StoreChoice, ADatabaseAddressWhereNoDatabaseStoreIsBuiltInIsRefusedClearly) {
  StoreSettings settings;
  settings.database_url = "postgresql:///vexo";
  try {
    OpenStore(settings);
    ADD_FAILURE() << "a store was opened";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("database"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace vexo::service
