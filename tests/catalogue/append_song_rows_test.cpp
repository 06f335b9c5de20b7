// Cutting answers into song rows, and the pause between rows.
#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

#include "catalogue/append_song_rows.h"
#include "catalogue/timer_delay.h"
#include "catalogue_fixture.h"
#include "net/script_unescape.h"
#include "song_answers.h"

namespace vexo::test {
namespace {

class AppendSongRowsTest : public CatalogueFixture {
 protected:
  void Respond(const std::string& utf8) { state.ResponseText = Utf8ToSystem(utf8); }
  // A chart answer as the chart path leaves it: escapes decoded.
  void RespondChart(const std::vector<TestSong>& songs) {
    state.ResponseText = UnescapeScriptText(Utf8ToSystem(ChartAnswer(songs)));
  }
};

TEST_F(AppendSongRowsTest, FiftyRecordsAreNumberedOnFromTheRowsAlreadyThere) {
  for (int i = 0; i < 3; ++i)
    超级列表框1.InsertRow();
  RespondChart(NumberedSongs("热歌", 50, 1001));

  EXPECT_EQ(AppendSongRows(超级列表框1, state), 50);
  ASSERT_EQ(超级列表框1.RowCount(), 53);
  for (int n = 1; n <= 50; ++n)
    EXPECT_EQ(Cell(2 + n, 0), std::to_string(3 + n));
  EXPECT_EQ(Cell(3, 1), "热歌 1");
  EXPECT_EQ(Cell(3, 2), "歌手 1");
  EXPECT_EQ(Cell(3, 3), "1001");
  EXPECT_EQ(Cell(52, 4), "http://files.test/热歌/50.mp3");
}

TEST_F(AppendSongRowsTest, RecordsCutAsThePatternReadsThem) {
  auto songs = NumberedSongs("s", 3);
  songs[0].quality = "高品质";  // no standard-quality entry: runs on into the next record
  songs[2].name = R"(say "hi", "there")";  // a quote after the unescape step
  RespondChart(songs);

  EXPECT_EQ(AppendSongRows(超级列表框1, state), 2);
  ASSERT_EQ(超级列表框1.RowCount(), 2);
  EXPECT_EQ(Cell(0, 1), "s 1");
  EXPECT_EQ(Cell(0, 4), "http://files.test/s/2.mp3");  // the next record's URL
  EXPECT_EQ(Cell(1, 0), "2");
  EXPECT_EQ(Cell(1, 1), R"(say "hi", "there")");
  EXPECT_EQ(Cell(1, 3), "3");
}

TEST_F(AppendSongRowsTest, AnswersWithoutWholeRecordsAddNothing) {
  const std::string record = SongRecord(NumberedSongs("s", 1)[0], false);
  const std::string broken = record.substr(0, 60) + "\n" + record.substr(60);
  for (const std::string& answer : {std::string(), std::string("<html>busy</html>"), broken}) {
    Respond(answer);
    EXPECT_EQ(AppendSongRows(超级列表框1, state), 0);
  }
  EXPECT_EQ(超级列表框1.RowCount(), 0);
}

TEST_F(AppendSongRowsTest, AnAppendStartedDuringTheRowsFollowsTheRunningOne) {
  RespondChart(NumberedSongs("first", 20));
  int innerCount = -1;
  // Runs inside the first pause, as a click would; it replaces the answer
  // and the pattern object's matches under the running append.
  QTimer::singleShot(0, [&] {
    RespondChart(NumberedSongs("second", 10));
    innerCount = AppendSongRows(超级列表框1, state);
  });

  EXPECT_EQ(AppendSongRows(超级列表框1, state), 20);
  EXPECT_EQ(innerCount, 10);
  ASSERT_EQ(超级列表框1.RowCount(), 30);
  for (int row = 0; row < 30; ++row) {
    EXPECT_EQ(Cell(row, 0), std::to_string(row + 1));
    const std::string expected =
        row < 20 ? "first " + std::to_string(row + 1) : "second " + std::to_string(row - 19);
    EXPECT_EQ(Cell(row, 1), expected);
  }
  EXPECT_FALSE(state.appending);
  EXPECT_TRUE(state.pending.empty());
}

TEST(TimerDelay, UnitsAndBounds) {
  EXPECT_EQ(DelayMilliseconds(5), 5);
  EXPECT_EQ(DelayMilliseconds(5, kDelaySeconds), 5000);
  EXPECT_EQ(DelayMilliseconds(2, kDelayMinutes), 120000);
  EXPECT_EQ(DelayMilliseconds(2, kDelayHours), 7200000);
  EXPECT_EQ(DelayMilliseconds(5, 9), 5);  // unknown unit: milliseconds
  EXPECT_EQ(DelayMilliseconds(-5, kDelaySeconds), 0);
  EXPECT_EQ(DelayMilliseconds(INT64_MAX / 2, kDelayHours), INT64_MAX);
}

TEST(TimerDelay, WaitsItsTimeWhileWindowEventsRun) {
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(TimerDelay(30));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace vexo::test
