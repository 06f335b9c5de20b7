// The lyrics worker and the click on the lyrics box, against canned answers
// and against the catalogue service with its demo library.
#include <gtest/gtest.h>

#include "canned_service.h"
#include "extras/extras_constants.h"
#include "extras/lyrics_display.h"
#include "extras/lyrics_worker.h"
#include "extras_window.h"
#include "platform/codepage.h"
#include "platform/system_text.h"
#include "service/catalogue_server.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

constexpr const char* kGoodAnswer =
    "jQuery1({\"code\":1,\"data\":{\"lrc\":\"[ti:晴天]\\n[00:01.00]一\\n\\n[00:02.00]二\\n"
    "好音质,天天动听!\",\"song_id\":12345}})";
constexpr const char* kNoSloganAnswer =
    "jQuery1({\"code\":1,\"data\":{\"lrc\":\"[00:01.00]一\\n[00:02.00]二\\n\"}})";
constexpr const char* kSloganFirstAnswer =
    "jQuery1({\"msg\":\"好音质,天天动听!\",\"data\":{\"lrc\":\"[00:01.00]一\\n\"}})";

class LyricsWorkerTest : public ::testing::Test {
 protected:
  void Run(test::CannedService& service) {
    state.serviceAddress = service.Address();
    ASSERT_TRUE(test::RunOnWorker([&] { LyricsWorker(w.Lyrics(), state); }));
  }
  LyricList Lines() const { return *state.LyricLines.Snapshot(); }

  test::ExtrasWindow w;
  ExtrasState state;
};

TEST_F(LyricsWorkerTest, UntickedBoxHidesTheStripStopsTheTimerAndFetchesNothing) {
  test::CannedService service(kGoodAnswer);
  w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
  w.超级列表框1.SetCurrentRow(0);
  w.主窗口.SetHeight(kLyricsWindowHeight);
  w.时钟2.SetInterval(kLyricsTimerIntervalMs);
  Run(service);
  EXPECT_EQ(w.主窗口.Height(), kPlainWindowHeight);
  EXPECT_EQ(w.时钟2.Interval(), 0);
  EXPECT_FALSE(w.时钟2.IsRunning());
  EXPECT_TRUE(service.Targets().empty());
  EXPECT_TRUE(Lines().empty());
}

TEST_F(LyricsWorkerTest, TickedBoxFetchesTheCurrentRowsLyricsLineByLine) {
  test::CannedService service(kGoodAnswer);
  w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
  w.AddRow(Sys("A B&C"), Sys("X"), "7");
  w.超级列表框1.SetCurrentRow(1);
  w.选择框2.SetTicked(true);
  Run(service);

  EXPECT_EQ(w.主窗口.Height(), kLyricsWindowHeight);
  EXPECT_EQ(w.时钟2.Interval(), kLyricsTimerIntervalMs);
  EXPECT_TRUE(w.时钟2.IsRunning());
  EXPECT_EQ(w.透明标签4.GetText(), Sys("A B&C - X"));
  // Raw lines in answer order, the first starting with the string's opening
  // quote, the empty line kept, nothing after the last separator.
  EXPECT_EQ(Lines(), (LyricList{Sys("\"[ti:晴天]"), Sys("[00:01.00]一"), "", Sys("[00:02.00]二")}));
  const auto targets = service.Targets(1);
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets[0],
            "/lrc/down?lrcid=&artist=X&title=A%20B%26C&song_id=7"
            "&code=e3c7a91&callback=jQuery18308304068592842668_1425372762082");
}

TEST_F(LyricsWorkerTest, NothingSelectedSendsEmptyValues) {
  test::CannedService service(kGoodAnswer);
  w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
  w.选择框2.SetTicked(true);
  Run(service);
  const auto targets = service.Targets(1);
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets[0].rfind("/lrc/down?lrcid=&artist=&title=&song_id=&code=e3c7a91&", 0), 0u);
}

TEST_F(LyricsWorkerTest, AnswersWithoutLyricsSayNoLyricsAndEmptyTheLines) {
  for (const char* answer : {kNoSloganAnswer, kSloganFirstAnswer, ""}) {
    SCOPED_TRACE(answer);
    test::CannedService service(answer);
    w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
    w.超级列表框1.SetCurrentRow(0);
    w.选择框2.SetTicked(true);
    state.LyricLines.Replace({"[00:01.00]an earlier song"});
    w.时钟2.SetInterval(0);
    Run(service);
    EXPECT_EQ(w.透明标签4.GetText(), Sys("晴天 - 周杰伦 暂无歌词"));
    EXPECT_EQ(w.主窗口.Height(), kLyricsWindowHeight);
    EXPECT_TRUE(Lines().empty());
    // The timer is left as it was: a stopped one is not started.
    EXPECT_FALSE(w.时钟2.IsRunning());
  }
}

TEST_F(LyricsWorkerTest, AnUnreachableServiceMeansNoLyrics) {
  w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
  w.超级列表框1.SetCurrentRow(0);
  w.选择框2.SetTicked(true);
  state.serviceAddress = "127.0.0.1:1";
  ASSERT_TRUE(test::RunOnWorker([&] { LyricsWorker(w.Lyrics(), state); }));
  EXPECT_EQ(w.透明标签4.GetText(), Sys("晴天 - 周杰伦 暂无歌词"));
}

TEST_F(LyricsWorkerTest, ClickingTheBoxAppliesTheSwitchInTheBackground) {
  test::CannedService service(kGoodAnswer);
  state.serviceAddress = service.Address();
  w.AddRow(Sys("晴天"), Sys("周杰伦"), "12345");
  w.超级列表框1.SetCurrentRow(0);

  w.选择框2.SetTicked(true);
  OnLyricsBoxClicked(w.Lyrics(), state);
  ASSERT_TRUE(test::WaitUntil([&] { return w.时钟2.IsRunning(); }));
  EXPECT_EQ(w.主窗口.Height(), kLyricsWindowHeight);
  EXPECT_EQ(Lines().size(), 4u);

  w.选择框2.SetTicked(false);
  OnLyricsBoxClicked(w.Lyrics(), state);
  ASSERT_TRUE(test::WaitUntil(
      [&] { return !w.时钟2.IsRunning() && w.主窗口.Height() == kPlainWindowHeight; }));
  // Ticking again fetches again and restarts the timer.
  w.选择框2.SetTicked(true);
  OnLyricsBoxClicked(w.Lyrics(), state);
  ASSERT_TRUE(test::WaitUntil([&] { return w.时钟2.IsRunning(); }));
  EXPECT_EQ(service.Targets(2).size(), 2u);
}

// The real service with the demo library.
class LyricsFromServiceTest : public LyricsWorkerTest {
 protected:
  static void SetUpTestSuite() {
    server = new service::CatalogueServer;
    ASSERT_TRUE(server->Start("127.0.0.1", 0, service::LibrarySource::Demo()));
    ASSERT_TRUE(server->WaitUntilLoaded(std::chrono::seconds(60)));
    std::vector<std::string> warnings;
    catalogue = service::LoadCatalogue(service::LibrarySource::Demo(), warnings);
  }
  static void TearDownTestSuite() {
    delete server;
    server = nullptr;
    catalogue.reset();
  }
  // The first demo song with lyrics (or without), as a row of the list.
  int AddDemoRow(bool withLyrics) {
    for (const auto& song : catalogue->Songs()) {
      if (song.lyrics_file.empty() == withLyrics) continue;
      return w.AddRow(Utf8ToSystem(song.name), Utf8ToSystem(song.singer), std::to_string(song.id));
    }
    return -1;
  }

  static service::CatalogueServer* server;
  static std::shared_ptr<service::Catalogue> catalogue;
};
service::CatalogueServer* LyricsFromServiceTest::server = nullptr;
std::shared_ptr<service::Catalogue> LyricsFromServiceTest::catalogue;

TEST_F(LyricsFromServiceTest, ADemoSongsLyricsArriveAsTimedLines) {
  const int row = AddDemoRow(true);
  ASSERT_GE(row, 0);
  w.超级列表框1.SetCurrentRow(row);
  w.选择框2.SetTicked(true);
  state.serviceAddress = server->Address();
  ASSERT_TRUE(test::RunOnWorker([&] { LyricsWorker(w.Lyrics(), state); }));

  const Text heading = w.超级列表框1.Cell(row, 1) + " - " + w.超级列表框1.Cell(row, 2);
  EXPECT_EQ(w.透明标签4.GetText(), heading);
  EXPECT_TRUE(w.时钟2.IsRunning());
  const LyricList lines = Lines();
  ASSERT_GE(lines.size(), 2u);
  // Every lyric line after the first (which opens with the quote) is a time
  // tag and its text.
  int timed = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].rfind("[0", 0) == 0 && lines[i].find(']') != Text::npos) ++timed;
  }
  EXPECT_GT(timed, 0);
}

TEST_F(LyricsFromServiceTest, ASongWithoutLyricsSaysSo) {
  int row = AddDemoRow(false);
  if (row < 0) row = w.AddRow(Sys("没有这首歌"), Sys("无名"), "99999999");
  w.超级列表框1.SetCurrentRow(row);
  w.选择框2.SetTicked(true);
  state.serviceAddress = server->Address();
  ASSERT_TRUE(test::RunOnWorker([&] { LyricsWorker(w.Lyrics(), state); }));
  EXPECT_EQ(w.透明标签4.GetText(),
            w.超级列表框1.Cell(row, 1) + " - " + w.超级列表框1.Cell(row, 2) + Sys(" 暂无歌词"));
  EXPECT_TRUE(Lines().empty());
}

}  // namespace
}  // namespace vexo
