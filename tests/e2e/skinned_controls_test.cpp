// The player's skinned window under a real X server, at its own size and at
// twice its size: the hot look of a push button under the pointer, the song
// list under the veil, everything drawn sharp at every scale.
#include <gtest/gtest.h>

#include <QDir>

#include "e2e/player_fixture.h"

namespace vexo::test {
namespace {

const QColor kTheme(34, 202, 221);
// The chart button 热歌榜 (11, 139, 80 x 22): its middle and its top edge.
constexpr int kChartX = 51;
constexpr int kChartY = 150;
constexpr int kChartTop = 139;
constexpr int kLookDeadlineMs = 10000;
// The middle of the song list's second row.
constexpr int kSecondRowY = 236;

// How many dark (text) pixels `area` of `shot` holds.
int Ink(const QImage& shot, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (shot.pixelColor(x, y).lightness() < 80) ++dark;
  return dark;
}

class SkinnedControls : public PlayerTest {
 protected:
  explicit SkinnedControls(int scale = 1) : PlayerTest(scale) {}

  // The skin has painted the controls: the chart button's face is milky (its
  // outline darker than the face below it) and the default picture shows.
  bool Painted(const QImage& shot) const {
    if (shot.isNull()) return false;
    const QColor disc = shot.pixelColor(60 * scale, 90 * scale);
    const QColor outline = shot.pixelColor(kChartX * scale, kChartTop * scale);
    const QColor face = shot.pixelColor(kChartX * scale, (kChartTop + 6) * scale);
    return disc.green() > disc.red() + 40 && outline.lightness() + 40 < face.lightness();
  }

  // Hovers the chart button and returns the screenshot showing it hot.
  QImage HoverChartButton() {
    QImage shot;
    EXPECT_TRUE(x.WaitFor(
        [&] {
          shot = x.Screenshot(window);
          return Painted(shot);
        },
        kStartDeadlineMs))
        << "the controls never showed their skin";
    const QRect at = x.Geometry(window);
    EXPECT_TRUE(x.MovePointer(at.x() + kChartX * scale, at.y() + kChartY * scale));
    EXPECT_TRUE(x.WaitFor(
        [&] {
          shot = x.Screenshot(window);
          return shot.pixelColor(kChartX * scale, kChartTop * scale) == kTheme;
        },
        kLookDeadlineMs))
        << "the chart button did not turn hot under the pointer";
    return shot;
  }
};

// The song list shows the picture under the veil: neither the platform's
// white base nor the bare picture.
void ExpectVeiledList(const QImage& shot, int scale) {
  const QColor inside = shot.pixelColor(200 * scale, 450 * scale);
  EXPECT_NE(inside, QColor(Qt::white));
  EXPECT_GT(inside.lightness(), 150) << inside.name().toStdString();
}

TEST_F(SkinnedControls, TheChartButtonUnderThePointerTurnsHot) {
  const QImage shot = HoverChartButton();
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_controls.png")));
  // The neighbouring chart button stays in its normal look.
  EXPECT_NE(shot.pixelColor(kChartX + 95, kChartTop), kTheme);
  ExpectVeiledList(shot, 1);

  // The chart fills the list; a chosen row keeps its opaque highlight over
  // the veil, the other rows show the picture through it.
  const QRect at = x.Geometry(window);
  ASSERT_TRUE(x.ClickAt(at.x() + kChartX, at.y() + kChartY));
  QImage songs;
  ASSERT_TRUE(x.WaitFor(
      [&] {
        songs = x.Screenshot(window);
        return Ink(songs, QRect(80, kSecondRowY - 8, 200, 16)) > 20;
      },
      kStartDeadlineMs))
      << "no rows came";
  ASSERT_TRUE(x.ClickAt(at.x() + 200, at.y() + kSecondRowY));
  ASSERT_TRUE(x.WaitFor(
      [&] {
        songs = x.Screenshot(window);
        const QColor row = songs.pixelColor(330, kSecondRowY);
        return row.blue() - row.red() > 80;
      },
      kLookDeadlineMs))
      << "the chosen row shows no highlight";
  EXPECT_TRUE(songs.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_window_songs.png")));
  const QColor other = songs.pixelColor(330, kSecondRowY + 40);
  EXPECT_LT(other.blue() - other.red(), 80);
}

class SkinnedControlsAtScale2 : public SkinnedControls {
 protected:
  SkinnedControlsAtScale2() : SkinnedControls(2) {}
};

TEST_F(SkinnedControlsAtScale2, TheWindowIsPaintedAtTheScreensResolution) {
  const QImage shot = HoverChartButton();
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_controls_scale2.png")));
  // Drawn at the screen's resolution, not a half-size picture scaled up.
  // The one-pixel outline covers exactly two device rows, unblended.
  for (int x = (kChartX - 20) * 2; x < (kChartX + 20) * 2; x += 5) {
    EXPECT_EQ(shot.pixelColor(x, kChartTop * 2), kTheme) << x;
    EXPECT_EQ(shot.pixelColor(x, kChartTop * 2 + 1), kTheme) << x;
    EXPECT_NE(shot.pixelColor(x, kChartTop * 2 + 2), kTheme) << x;
  }
  // The window's dark outer border line: two device rows of one colour.
  for (int x = 300; x < 500; x += 50)
    EXPECT_EQ(shot.pixelColor(x, 0), shot.pixelColor(x, 1)) << x;
  ExpectVeiledList(shot, 2);
}

}  // namespace
}  // namespace vexo::test
