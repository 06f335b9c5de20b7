// The lyrics timer's tick: which lines of LyricLines reach the lyric label,
// and when.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "extras/extras_constants.h"
#include "extras/lyrics_display.h"
#include "extras_window.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

class LyricsTickTest : public ::testing::Test {
 protected:
  LyricsTickTest() { w.透明标签4.SetText(kHeading); }

  // Runs one tick at `positionMs` over `lines`; returns how long it took.
  qint64 Tick(int positionMs, LyricList lines) {
    w.engine.positionMs = positionMs;
    state.LyricLines.Replace(std::move(lines));
    QElapsedTimer clock;
    clock.start();
    LyricsTick(w.Lyrics(), state);
    return clock.elapsed();
  }
  Text Label() const { return w.透明标签4.GetText(); }

  const Text kHeading = Sys("晴天 - 周杰伦");
  test::ExtrasWindow w;
  ExtrasState state;
};

TEST_F(LyricsTickTest, TheLineOfTheCurrentSecondShowsOneSecondLater) {
  Text seenDuringWait;
  QTimer::singleShot(0, [&] { seenDuringWait = Label(); });
  const qint64 took =
      Tick(65300, {"\"[ti:x]", "[01:04.90]Before", "[01:05.32]Hello", "[01:06.00]After"});
  EXPECT_EQ(seenDuringWait, kHeading);
  EXPECT_EQ(Label(), "Hello");
  EXPECT_GE(took, kLyricShowDelayMs);
}

TEST_F(LyricsTickTest, LinesThatAreNotOneTagAndOneTextNeverShow) {
  // [00:01:05] holds 01:05 but is one piece; two tags make three pieces; a
  // text of "?" is hidden; a tag without text is one piece.
  Tick(65300, {"[00:01:05]", "[02:10.00][01:05.00]words", "[01:05.00]?", "[01:05.00]"});
  EXPECT_EQ(Label(), kHeading);
  // Letter case and digits of the time text must match exactly.
  Tick(65300, {"[01:5.00]x", "[1:05.00]y"});
  EXPECT_EQ(Label(), kHeading);
}

TEST_F(LyricsTickTest, TheTimeTextMayStandAnywhereInTheLine) {
  Tick(65300, {"[00:07.00]at 01:05 sharp"});
  EXPECT_EQ(Label(), "at 01:05 sharp");
}

TEST_F(LyricsTickTest, SeveralLinesOfOneSecondShowInTurnAndTheLastStays) {
  const qint64 took = Tick(65300, {"[01:05.10]first", "[01:05.90]second"});
  EXPECT_EQ(Label(), "second");
  EXPECT_GE(took, 2 * kLyricShowDelayMs);
}

TEST_F(LyricsTickTest, AFailedPositionQueryMatchesTheFirstSecond) {
  w.engine.failing = true;
  Tick(0, {"[00:00.50]Start", "[00:01.00]Later"});
  EXPECT_EQ(Label(), "Start");
}

TEST_F(LyricsTickTest, NoLinesNoChange) {
  const qint64 took = Tick(65300, {});
  EXPECT_EQ(Label(), kHeading);
  EXPECT_LT(took, kLyricShowDelayMs);
}

TEST_F(LyricsTickTest, ATickDueDuringAnotherTicksWaitRunsRightAfterIt) {
  w.时钟2.SetInterval(kLyricsTimerIntervalMs);  // lyrics are on
  int innerReturned = 0;
  QTimer::singleShot(0, [&] {
    // Falls due while the first tick waits: it returns at once, and the
    // position it came for is matched once the first tick is over.
    w.engine.positionMs = 130000;
    LyricsTick(w.Lyrics(), state);
    LyricsTick(w.Lyrics(), state);  // two due ticks make one
    innerReturned = Label() == kHeading ? 1 : -1;
  });
  const int queriesBefore = w.engine.positionQueries;
  const qint64 took = Tick(65300, {"[01:05.32]Hello", "[02:10.00]Other", "[02:10.50]Other"});
  EXPECT_EQ(innerReturned, 1);
  EXPECT_EQ(Label(), "Other");
  // The first tick's line, then the due tick's two lines.
  EXPECT_GE(took, 3 * kLyricShowDelayMs);
  // The first tick, the due tick, and one more look that finds the second
  // the due tick has just handled and stops.
  EXPECT_EQ(w.engine.positionQueries - queriesBefore, 3);

  // With the lyrics switched off meanwhile, a due tick is not run.
  QTimer::singleShot(0, [&] {
    w.engine.positionMs = 130000;
    LyricsTick(w.Lyrics(), state);
    w.时钟2.SetInterval(kLyricsTimerStopped);
  });
  w.透明标签4.SetText(kHeading);
  Tick(65300, {"[01:05.32]Hello", "[02:10.00]Other"});
  EXPECT_EQ(Label(), "Hello");
}

TEST_F(LyricsTickTest, ThreeLinesOneSecondApartAllShowAsTheSongPlays) {
  // The lyrics timer wired as the window wires it, over a song that plays in
  // real time from 1.2 s on.
  state.LyricLines.Replace(
      {"[00:01.00]one", "[00:02.00]two", "[00:03.00]three", "[00:06.00]later"});
  w.engine.PlayFrom(1200);
  w.时钟2.onTick = [this] { LyricsTick(w.Lyrics(), state); };
  w.时钟2.SetInterval(kLyricsTimerIntervalMs);
  // The label as it changes, watched by a timer that also fires inside the
  // ticks' waits.
  QStringList shown;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const QString label = QString::fromStdString(Label());
    if (shown.isEmpty() || shown.back() != label) shown << label;
  });
  watch.start(10);
  ASSERT_TRUE(test::WaitUntil(
      [&] { return shown.contains(QStringLiteral("three")) || w.engine.positionMs > 5500; },
      15000));
  watch.stop();
  w.时钟2.SetInterval(kLyricsTimerStopped);
  w.时钟2.onTick = nullptr;
  shown.removeAll(QString::fromStdString(kHeading));
  EXPECT_EQ(shown,
            (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
}

TEST_F(LyricsTickTest, LinesReplacedDuringTheWaitEndTheTick) {
  QTimer::singleShot(0, [&] { state.LyricLines.Replace({"[01:05.00]New song"}); });
  Tick(65300, {"[01:05.10]old one", "[01:05.20]old two", "[01:05.30]old three"});
  // Nothing of the earlier song is shown against the new one.
  EXPECT_EQ(Label(), kHeading);
  Tick(65300, *state.LyricLines.Snapshot());
  EXPECT_EQ(Label(), "New song");
}

}  // namespace
}  // namespace vexo
