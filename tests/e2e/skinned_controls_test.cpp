// The player's skinned push buttons, check boxes and seek slider under a real
// X server, at its own size and at twice its size: the hot look under the
// pointer, drawn sharp at every scale.
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

TEST_F(SkinnedControls, TheChartButtonUnderThePointerTurnsHot) {
  const QImage shot = HoverChartButton();
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_controls.png")));
  // The neighbouring chart button stays in its normal look.
  EXPECT_NE(shot.pixelColor(kChartX + 95, kChartTop), kTheme);
}

class SkinnedControlsAtScale2 : public SkinnedControls {
 protected:
  SkinnedControlsAtScale2() : SkinnedControls(2) {}
};

TEST_F(SkinnedControlsAtScale2, TheButtonIsPaintedAtTheScreensResolution) {
  const QImage shot = HoverChartButton();
  QDir().mkpath(QStringLiteral(VEXO_SCREENSHOT_DIR));
  EXPECT_TRUE(shot.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/skinned_controls_scale2.png")));
  // The outline's top device row is the theme colour itself along the
  // button: drawn at the screen's resolution, not blended with the face by
  // scaling a half-size picture up.
  for (int x = (kChartX - 20) * 2; x < (kChartX + 20) * 2; x += 5)
    EXPECT_EQ(shot.pixelColor(x, kChartTop * 2), kTheme) << x;
}

}  // namespace
}  // namespace vexo::test
