// Services on one PostgreSQL database: each sees the other's plays and
// searches in its charts, and a service rides out the database going away
// and coming back. Runs against the database scripts/with-test-services
// starts; these tests hold it alone, since one of them stops it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "player_view.h"
#include "raw_http.h"
#include "service/catalogue_server.h"
#include "service/service_constants.h"
#include "test_library.h"
#include "test_stores.h"

namespace vexo::service {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kLoadLimit = 60s;
// Counts reach the database within a fraction of a second, and a service
// reads the other's at its next popularity refresh (a few seconds).
constexpr auto kShareLimit = 30s;
// A service notices the database is back within its longest reconnect wait.
constexpr auto kReconnectLimit = 60s;

class SharedDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::TestDatabaseUrl().empty()) GTEST_SKIP() << testing::kNoTestDatabase;
    // A library of its own for each test: a copy of the small library in a
    // new folder.
    folder_ = testing::MakeTempFolder("vexo-shared");
    fs::copy(testing::SmallLibrary(), folder_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<CatalogueServer> Start() {
    auto server = std::make_unique<CatalogueServer>();
    ServerOptions options;
    options.store.database_url = testing::TestDatabaseUrl();
    options.warning_log = [](const std::string&) {};
    EXPECT_TRUE(server->Start("127.0.0.1", 0, LibrarySource::Folder(folder_), options));
    EXPECT_TRUE(server->WaitUntilLoaded(kLoadLimit)) << server->Failure();
    return server;
  }

  fs::path folder_;
};

std::string FirstOfChart(int port, int chart) {
  const auto rows = testing::MatchSongRows(testing::DecodeChartAnswer(
      testing::Get(port, "/ajax/h/ttpod?id=" + std::to_string(chart)).body));
  return rows.empty() ? std::string() : rows[0].id;
}

TEST_F(SharedDatabase, TwoServicesSeeEachOthersPlaysAndSearches) {
  auto first = Start();
  auto second = Start();
  ASSERT_EQ(FirstOfChart(second->Port(), kChartHot), "502");  // 80 plays
  // 503 has 10 plays; 80 more through the first service make it the hottest.
  for (int i = 0; i < 71; ++i)
    ASSERT_EQ(testing::Get(first->Port(), "/song/503.mp3").status, 200);
  for (int i = 0; i < 10; ++i)
    testing::Get(first->Port(), "/s/song_with_out?q=Blue%20Rain&callback=cb");
  EXPECT_TRUE(testing::WaitFor([&] { return FirstOfChart(second->Port(), kChartHot) == "503"; },
                               kShareLimit));
  EXPECT_TRUE(testing::WaitFor(
      [&] { return FirstOfChart(second->Port(), kChartHotSearches) == "504"; }, kShareLimit));
  // The second service's own ranking follows: its most played song comes
  // first among the songs by Rain Band.
  EXPECT_TRUE(testing::WaitFor(
      [&] {
        const auto rows = testing::MatchSongRows(
            testing::Get(second->Port(), "/s/song_with_out?q=rain%20band&size=5&callback=cb").body);
        return !rows.empty() && rows[0].id == "503";
      },
      kShareLimit));
}

TEST_F(SharedDatabase, AServiceAnswers503WhileTheDatabaseIsAwayAndServesWhenItIsBack) {
  const auto control = testing::TestDatabaseControl();
  if (control.empty()) GTEST_SKIP() << "the test database cannot be stopped here";
  auto server = Start();
  const int port = server->Port();
  const std::string chart = "/ajax/h/ttpod?id=111";
  ASSERT_EQ(testing::Get(port, chart).status, 200);

  ASSERT_EQ(std::system((control + " stop >/dev/null").c_str()), 0);
  struct Restart {
    std::string control;
    ~Restart() {
      [[maybe_unused]] int ignored = std::system((control + " start >/dev/null").c_str());
    }
  } restart{control};
  EXPECT_TRUE(testing::WaitFor([&] { return testing::Get(port, chart).status == 503; }, 10s));
  const auto refused = testing::Get(port, chart);
  EXPECT_EQ(refused.Header("retry-after"), "5");
  // What the cache can answer alone is still answered, and counted: a
  // two-character search, and a song file.
  const auto search = testing::Get(port, "/s/song_with_out?q=%E6%99%B4%E5%A4%A9&callback=cb");
  EXPECT_EQ(search.status, 200);
  EXPECT_EQ(testing::Get(port, "/song/504.mp3").status, 200);

  ASSERT_EQ(std::system((control + " start >/dev/null").c_str()), 0);
  restart.control = "true";
  EXPECT_TRUE(
      testing::WaitFor([&] { return testing::Get(port, chart).status == 200; }, kReconnectLimit));
  // The play made while the database was away was kept and written.
  ASSERT_TRUE(server->FlushCounts(kReconnectLimit));
  const auto answer = testing::Get(port, chart).body;
  EXPECT_NE(answer.find("\"song_id\":504,\"pick_count\":31,"), std::string::npos) << answer;
}

}  // namespace
}  // namespace vexo::service
