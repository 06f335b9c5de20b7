// The real player under an X server: its window comes up at its size, shows
// its look, and the platform's close request goes through the confirmation.
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <QDir>
#include <cstdlib>

#include "e2e/player_fixture.h"

namespace vexo::test {
namespace {

constexpr int kBoxDeadlineMs = 10000;

using PlayerWindow = PlayerTest;

TEST_F(PlayerWindow, ShowsItsWindowAndCancellingTheCloseKeepsItRunning) {
  // The default picture (a teal disc) stands in the picture box at 8, 31 once
  // the window has painted.
  QImage shot;
  ASSERT_TRUE(x.WaitFor(
      [&] {
        shot = x.Screenshot(window);
        QColor disc = shot.isNull() ? QColor() : shot.pixelColor(60, 90);
        return disc.green() > disc.red() + 40;
      },
      kStartDeadlineMs))
      << "the window never showed its default picture";
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/player_window.png")));

  x.RequestClose(window);
  unsigned long box = x.WaitForOtherWindow(window, kBoxDeadlineMs);
  ASSERT_NE(box, 0u) << "no confirmation box";
  ASSERT_TRUE(x.PressKey(box, "Escape"));  // Cancel
  ASSERT_TRUE(x.WaitFor([&] { return !x.IsMapped(box); }, kBoxDeadlineMs));
  EXPECT_TRUE(player->IsRunning()) << "the player ended although Cancel was chosen";
  EXPECT_TRUE(x.IsMapped(window));
}

TEST_F(PlayerWindow, ConfirmingTheCloseEndsThePlayerWithStatusZero) {
  x.RequestClose(window);
  unsigned long box = x.WaitForOtherWindow(window, kBoxDeadlineMs);
  ASSERT_NE(box, 0u) << "no confirmation box";
  ASSERT_TRUE(x.PressKey(box, "Return"));  // OK is the default button
  int status = -1;
  ASSERT_TRUE(player->WaitForExit(kBoxDeadlineMs, &status));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vexo::test
