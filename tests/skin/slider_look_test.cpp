// The skinned seek slider: the knob where the slider's own style puts its
// handle (a dot, a ball under the mouse, 8 pixels on at the maximum), the
// played line, no tick marks, the optional backdrop, dragging by the drawn
// knob, and one repaint on entering and one on leaving.
#include <gtest/gtest.h>

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "../support/paint_counter.h"
#include "../support/ui_wait.h"
#include "skin/control_constants.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

const QColor kBackdrop(60, 90, 120);
const QColor kTheme(34, 202, 221);

// A slider that tells where its own style puts its groove and handle.
class ProbeSlider : public QSlider {
 public:
  using QSlider::QSlider;
  QRect Part(QStyle::SubControl part) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, part, this);
  }
};

// The seek slider as the player sets it up: 259 x 24, ticks below.
class SkinnedSlider : public ::testing::Test {
 protected:
  explicit SkinnedSlider(int sliderOption = 1)
      : option(sliderOption), w(engine, kBackdrop, [this](QWidget* window) {
          slider = new ProbeSlider(Qt::Horizontal, window);
          slider->setGeometry(117, 41, 259, 24);
          slider->setRange(0, 100);
          slider->setTickPosition(QSlider::TicksBelow);
          slider->setTickInterval(1);
          engine.SetControlOptions(true, 150, option);
        }) {}

  // The bounding box of the knob: the near-white pixels (with the backdrop
  // on, its top rows are light too: measured below them).
  QRect Knob(const QImage& image) const {
    QRect box;
    const int lightest = option == 0 ? 150 : 215;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y).lightness() > lightest) box |= QRect(x, y, 1, 1);
    return box;
  }
  // The played line: theme-coloured pixels on the channel's middle row.
  int PlayedLength(const QImage& image) const {
    const QRect groove = slider->Part(QStyle::SC_SliderGroove);
    const int y = groove.top() + (groove.height() - kChannelThickness) / 2 + 1;
    int length = 0;
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.green() - c.red() > 60 && c.blue() - c.red() > 60) ++length;
    }
    return length;
  }
  void Hover() {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), slider->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &move);
  }

  int option;
  SkinEngine engine;
  ProbeSlider* slider = nullptr;
  SkinnedWindow w;
};

TEST_F(SkinnedSlider, WithTheBackdropTheCornersAreShadedAndNoTickMarksAreDrawn) {
  slider->setValue(0);
  const QImage look = engine.RenderSlider(slider);
  const QImage behind = engine.BackgroundBehind(slider, slider->rect());
  EXPECT_NE(look.pixelColor(10, 3), behind.pixelColor(10, 3));
  // Below the channel only the backdrop's smooth gradient: no tick marks.
  const QRect groove = slider->Part(QStyle::SC_SliderGroove);
  for (int y = groove.bottom() + 4; y < 22; ++y) {
    const QColor left = look.pixelColor(40, y);
    for (int x = 40; x < 220; ++x)
      ASSERT_TRUE(Near(look.pixelColor(x, y), left, 1)) << x << "," << y;
  }
}

class SkinnedSliderWithoutBackdrop : public SkinnedSlider {
 protected:
  SkinnedSliderWithoutBackdrop() : SkinnedSlider(0) {}
};

TEST_F(SkinnedSliderWithoutBackdrop, TheKnobIsADotAtTheHandleABallWhenHotAndMovesOnAtTheMaximum) {
  slider->setValue(40);
  const QRect handle = slider->Part(QStyle::SC_SliderHandle);
  const QRect groove = slider->Part(QStyle::SC_SliderGroove);
  const QImage dot = engine.RenderSlider(slider);
  ASSERT_EQ(dot.size(), slider->size());
  const QRect small = Knob(dot);
  EXPECT_NEAR(small.left(), handle.left(), 1);
  EXPECT_NEAR(small.width(), kKnobSize, 1);
  EXPECT_NEAR(small.height(), kKnobSize, 1);
  // The played line runs from the channel's start to just before the knob.
  EXPECT_NEAR(PlayedLength(dot), handle.left() - groove.left() - 1, 1);

  Hover();
  const QImage ball = engine.RenderSlider(slider);
  const QRect large = Knob(ball);
  EXPECT_NEAR(large.left(), handle.left(), 1);
  EXPECT_NEAR(large.width(), kKnobHotSize, 1);
  EXPECT_NEAR(large.height(), kKnobHotSize, 1);
  EXPECT_TRUE(handle.contains(large.center())) << "drawn away from where it is grabbed";

  QMouseEvent leave(QEvent::Leave, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(slider, &leave);
  slider->setValue(100);
  const QRect top = slider->Part(QStyle::SC_SliderHandle);
  const QImage atEnd = engine.RenderSlider(slider);
  EXPECT_NEAR(Knob(atEnd).left(), top.left() + kKnobAtMaximumShift, 1);
  EXPECT_NEAR(PlayedLength(atEnd),
              top.left() - groove.left() - 1 + kPlayedAtMaximumExtra - Knob(atEnd).width() + 1,
              kKnobSize + 1);
}

TEST_F(SkinnedSliderWithoutBackdrop, ThePictureShowsAroundTheChannel) {
  slider->setValue(50);
  const QImage look = engine.RenderSlider(slider);
  const QImage behind = engine.BackgroundBehind(slider, slider->rect());
  const QRect groove = slider->Part(QStyle::SC_SliderGroove);
  const int channelTop = groove.top() + (groove.height() - kChannelThickness) / 2;
  const QRect knob = Knob(look).adjusted(-1, -1, 1, 1);
  for (int y = 0; y < look.height(); ++y) {
    for (int x = 0; x < look.width(); ++x) {
      if ((y >= channelTop && y < channelTop + kChannelThickness) || knob.contains(x, y)) continue;
      ASSERT_EQ(look.pixelColor(x, y), behind.pixelColor(x, y)) << x << "," << y;
    }
  }
}

TEST_F(SkinnedSlider, DraggingTheDrawnKnobMovesTheSlider) {
  slider->setValue(20);
  ASSERT_TRUE(w.ShowActive());
  QWindow* handle = w.window->windowHandle();
  const QPoint origin = slider->pos();
  QTest::mouseMove(handle, origin + QPoint(30, 5));
  const QPoint grab = origin + Knob(engine.RenderSlider(slider)).center();
  QTest::mousePress(handle, Qt::LeftButton, {}, grab);
  EXPECT_EQ(slider->value(), 20) << "the press missed the handle";
  QTest::mouseMove(handle, grab + QPoint(60, 0));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, grab + QPoint(60, 0));
  EXPECT_GT(slider->value(), 40);
}

TEST_F(SkinnedSlider, EnteringRepaintsOnceMovingWithinDoesNotLeavingRepaintsOnce) {
  PaintCounter counter;
  slider->installEventFilter(&counter);
  ASSERT_TRUE(w.ShowActive());
  QWindow* handle = w.window->windowHandle();
  QTest::mouseMove(handle, QPoint(60, 200));
  ASSERT_TRUE(WaitUntil([&] { return counter.paints > 0; }));
  QCoreApplication::processEvents();
  const int before = counter.paints;
  QTest::mouseMove(handle, slider->pos() + QPoint(10, 12));
  EXPECT_EQ(counter.paints, before + 1);
  EXPECT_NEAR(Knob(engine.RenderSlider(slider)).width(), kKnobHotSize, 1);
  for (int x = 20; x < 250; x += 23)
    QTest::mouseMove(handle, slider->pos() + QPoint(x, 12));
  EXPECT_EQ(counter.paints, before + 1);
  QTest::mouseMove(handle, QPoint(60, 200));
  EXPECT_EQ(counter.paints, before + 2);
  EXPECT_NEAR(Knob(engine.RenderSlider(slider)).width(), kKnobSize, 1);
}

}  // namespace
}  // namespace vexo::test
