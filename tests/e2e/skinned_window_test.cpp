// The player's skinned window under a real X server: its look, dragging it
// by its caption, and its close button.
#include <gtest/gtest.h>

#include <QDir>
#include <cstdlib>

#include "e2e/player_fixture.h"

namespace vexo::test {
namespace {

constexpr int kWidth = kPlayerWidth;
constexpr int kMoveDeadlineMs = 10000;
// A free spot of the caption band, between the promotional link and the
// check boxes, and the middle of the close button.
constexpr int kCaptionX = 215;
constexpr int kCaptionY = 12;
constexpr int kCloseX = 372;
constexpr int kCloseY = 10;

using SkinnedWindow = PlayerTest;

// The skin has painted: the border's dark outer line along the top and the
// default picture in the picture box.
bool LooksSkinned(const QImage& shot) {
  if (shot.isNull()) return false;
  const QColor border = shot.pixelColor(kWidth / 2 + 30, 0);
  const QColor inner = shot.pixelColor(kWidth / 2 + 30, 1);
  const QColor disc = shot.pixelColor(60, 90);
  return border.lightness() + 60 < inner.lightness() && disc.green() > disc.red() + 40;
}

TEST_F(SkinnedWindow, ShowsItsSkinMovesByItsCaptionAndClosesThroughTheConfirmation) {
  QImage shot;
  ASSERT_TRUE(x.WaitFor(
      [&] {
        shot = x.Screenshot(window);
        return LooksSkinned(shot);
      },
      kStartDeadlineMs))
      << "the window never showed its skin";
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_window.png")));

  const QRect before = x.Geometry(window);
  const QPoint from = before.topLeft() + QPoint(kCaptionX, kCaptionY);
  const QPoint to = from + QPoint(-60, 45);
  ASSERT_TRUE(x.DragFromTo(from.x(), from.y(), to.x(), to.y()));
  ASSERT_TRUE(
      x.WaitFor([&] { return x.Geometry(window).topLeft() == before.topLeft() + QPoint(-60, 45); },
                kMoveDeadlineMs))
      << "the window did not follow its caption: it is at " << x.Geometry(window).x() << ","
      << x.Geometry(window).y() << ", was at " << before.x() << "," << before.y();

  // A press below the caption band does not move it.
  const QRect moved = x.Geometry(window);
  const QPoint below = moved.topLeft() + QPoint(kCaptionX, 300);
  ASSERT_TRUE(x.DragFromTo(below.x(), below.y(), below.x() + 30, below.y() + 30));
  EXPECT_EQ(x.Geometry(window).topLeft(), moved.topLeft());

  ASSERT_TRUE(x.ClickAt(moved.x() + kCloseX, moved.y() + kCloseY));
  unsigned long box = x.WaitForOtherWindow(window, kMoveDeadlineMs);
  ASSERT_NE(box, 0u) << "the close button brought no confirmation";
  const QImage withBox = x.Screenshot(window);
  EXPECT_TRUE(withBox.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_window_close.png")));
  ASSERT_TRUE(x.PressKey(box, "Escape"));  // Cancel
  ASSERT_TRUE(x.WaitFor([&] { return !x.IsMapped(box); }, kMoveDeadlineMs));
  EXPECT_TRUE(player->IsRunning());
}

}  // namespace
}  // namespace vexo::test
