// The real player as a program in the session: a second start brings the
// first one's window to the front and ends with status 0, Quit from the bus
// ends the player at once (no confirmation, even while a song plays), and
// without a session bus every start is a player of its own and says nothing.
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "desktop/bus_client.h"
#include "e2e/player_fixture.h"
#include "support/ui_wait.h"

namespace vexo::test {
namespace {

constexpr int kExitDeadlineMs = 20000;
// The middle of the chart button 热歌榜, in the window.
constexpr int kHotChartX = 51;
constexpr int kHotChartY = 150;

int ExitStatus(ChildProcess& process) {
  int status = -1;
  if (!process.WaitForExit(kExitDeadlineMs, &status) || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// The mapped windows of the player's size, other than `except`.
int PlayerWindows(X11Driver& x, unsigned long except = 0) {
  int count = 0;
  for (const auto& w : x.MappedWindows()) {
    if (w.id != except && w.geometry.width() == kPlayerWidth &&
        w.geometry.height() == kPlayerHeight)
      ++count;
  }
  return count;
}

class PlayerInSession : public PlayerTest {
 protected:
  void SetUp() override {
    if (!SessionBusAnswers())
      GTEST_SKIP() << "no session bus (run under scripts/with-test-services)";
    // The singer pictures the player saves go to the test's folder.
    setenv("XDG_CACHE_HOME", qPrintable(cache.path()), 1);
    PlayerTest::SetUp();
  }
  QTemporaryDir cache;

  // A chart fills the song list and "下一曲" starts its second row.
  void PlayASong() {
    const QRect at = x.Geometry(window);
    ASSERT_TRUE(x.ClickAt(at.x() + kHotChartX, at.y() + kHotChartY));
    ASSERT_TRUE(PlayerctlNextUntilPlaying(kStartDeadlineMs));
  }
};

TEST_F(PlayerInSession, ASecondStartRaisesTheFirstWindowAndEndsWithStatusZero) {
  ASSERT_TRUE(WaitUntil([&] { return Playerctl({QStringLiteral("status")}).Succeeded(); }))
      << "the player is not on the bus";
  const unsigned long cover = x.CoverWith(x.Geometry(window));
  ASSERT_NE(cover, 0u);
  ASSERT_TRUE(x.WaitFor([&] { return x.IsAbove(cover, window); }, kStartDeadlineMs));

  ChildProcess second(VEXO_PLAYER_BINARY);
  EXPECT_EQ(ExitStatus(second), 0);
  EXPECT_TRUE(x.WaitFor([&] { return x.IsAbove(window, cover); }, kStartDeadlineMs))
      << "the running player's window was not raised";
  EXPECT_EQ(PlayerWindows(x, cover), 1);
  EXPECT_TRUE(player->IsRunning());
  x.DestroyCover(cover);
}

TEST_F(PlayerInSession, QuitEndsThePlayerWithoutAskingWhileASongPlays) {
  PlayASong();
  const CommandResult quit = CallPlayer(QStringLiteral("org.mpris.MediaPlayer2.Quit"));
  EXPECT_TRUE(quit.Succeeded()) << quit.err.toStdString();
  EXPECT_EQ(ExitStatus(*player), 0) << "the player did not end with status 0";
  EXPECT_TRUE(x.WaitFor([&] { return PlayerWindows(x) == 0; }, kExitDeadlineMs));
}

TEST(PlayerWithoutSessionBus, EveryStartRunsAPlayerOfItsOwnAndSaysNothingAboutTheBus) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server (run under scripts/with-test-services)";
  X11Driver x;
  ASSERT_TRUE(x.Connected());
  QTemporaryDir dir;
  const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  setenv("DBUS_SESSION_BUS_ADDRESS", qPrintable(dir.filePath(QStringLiteral("no-bus"))), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  const std::string firstOutput = dir.filePath(QStringLiteral("first.txt")).toStdString();
  const std::string secondOutput = dir.filePath(QStringLiteral("second.txt")).toStdString();
  {
    ChildProcess first(VEXO_PLAYER_BINARY, {.outputFile = firstOutput});
    ChildProcess second(VEXO_PLAYER_BINARY, {.outputFile = secondOutput});
    EXPECT_TRUE(x.WaitFor([&] { return PlayerWindows(x) == 2; }, kStartDeadlineMs))
        << "each start should show its own window";
    EXPECT_TRUE(first.IsRunning() && second.IsRunning());
  }
  setenv("DBUS_SESSION_BUS_ADDRESS", bus.constData(), 1);
  for (const std::string& output : {firstOutput, secondOutput}) {
    QFile file(QString::fromStdString(output));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString said = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(said.contains(QStringLiteral("bus"), Qt::CaseInsensitive)) << said.toStdString();
  }
}

}  // namespace
}  // namespace vexo::test
