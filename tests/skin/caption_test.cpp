// The caption buttons under the mouse: the hover fade, the pressed look, the
// commands, and dragging the window by its caption band.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "../support/ui_wait.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

class Caption : public ::testing::Test {
 protected:
  Caption() : w(engine, QColor(128, 128, 128)) {}

  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
            Qt::MouseButtons held = Qt::NoButton) {
    const QPoint global = w.window->pos() + at;
    QMouseEvent event(type, QPointF(at), QPointF(global), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w.window.get(), &event);
  }
  void Move(QPoint at) { Send(QEvent::MouseMove, at); }
  void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
  void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

  const WindowRecord& R() { return *engine.Record(w.index); }
  QPoint Centre(int button) {
    return R().buttons[static_cast<std::size_t>(button - 1)].hit.center().toPoint();
  }
  // A pixel of the button's face that its glyph leaves alone.
  QColor Face(int button) {
    const QRectF& hit = R().buttons[static_cast<std::size_t>(button - 1)].hit;
    return w.Image(engine).pixelColor(static_cast<int>(hit.x()) + 3, 5);
  }

  SkinEngine engine;
  SkinnedWindow w;
};

TEST_F(Caption, HoveredCloseButtonTurnsRedInEightStepsAndFadesBack) {
  const QColor before = Face(2);
  Move(Centre(2));
  EXPECT_TRUE(R().timerRunning);
  EXPECT_EQ(R().fadeIn, 2);
  int redness = 0;
  for (int step = 1; step <= kHoverSteps; ++step) {
    engine.HoverStep(w.index);
    const QColor now = Face(2);
    EXPECT_GE(now.red() - now.green(), redness) << "step " << step;
    redness = now.red() - now.green();
  }
  EXPECT_GT(redness, 80);
  engine.HoverStep(w.index);  // the fade-in is over: nothing changes
  EXPECT_EQ(Face(2).red() - Face(2).green(), redness);

  Move(QPoint(100, 60));  // away from the strip, still in the window
  EXPECT_FALSE(R().timerWanted);
  for (int step = 1; step <= kHoverSteps; ++step)
    engine.HoverStep(w.index);
  EXPECT_TRUE(Near(Face(2), before, 3))
      << Face(2).name().toStdString() << " " << before.name().toStdString();
  EXPECT_FALSE(R().timerRunning);
  EXPECT_EQ(R().previousHot, 0);
}

TEST_F(Caption, OtherButtonsGlowInTheThemeColourAndMovingOnFadesTheFirstOut) {
  Move(Centre(1));
  for (int step = 1; step <= kHoverSteps; ++step)
    engine.HoverStep(w.index);
  const QColor lit = Face(1);
  // The theme colour (34, 202, 221) over grey: blue and green above red.
  EXPECT_GT(lit.blue() - lit.red(), 40);
  EXPECT_GT(lit.green() - lit.red(), 40);
  Move(Centre(2));
  EXPECT_EQ(R().fadeOut, 1);
  EXPECT_EQ(R().fadeIn, 2);
  for (int step = 1; step <= kHoverSteps; ++step)
    engine.HoverStep(w.index);
  EXPECT_LT(Face(1).blue() - Face(1).red(), 5);
  EXPECT_GT(Face(2).red() - Face(2).blue(), 80);
}

TEST_F(Caption, PressingOneButtonAndReleasingOverAnotherRunsTheOther) {
  Press(Centre(1));
  EXPECT_EQ(engine.Settings().hotButton, 1);
  Move(Centre(2));
  Release(Centre(2));
  EXPECT_EQ(w.window->closeRequests, 1);
  EXPECT_FALSE(R().suspended) << "the minimize button ran";

  // Released away from every button: nothing runs.
  Press(Centre(2));
  Release(QPoint(100, 60));
  EXPECT_EQ(w.window->closeRequests, 1);
}

TEST_F(Caption, PressedCloseButtonIsRedUntilReleased) {
  const QColor before = Face(2);
  Press(Centre(2));
  EXPECT_GT(Face(2).red() - Face(2).green(), 80);
  Release(QPoint(100, 60));
  EXPECT_TRUE(Near(Face(2), before, 3));
}

TEST_F(Caption, CaptionBandDragsTheWindowAndBelowItNothingHappens) {
  w.window->move(100, 100);
  Press(QPoint(150, 40));  // below the 25-pixel band
  EXPECT_FALSE(R().dragging);
  Release(QPoint(150, 40));

  Press(QPoint(Centre(1).x(), 5));  // on a caption button: no drag
  EXPECT_FALSE(R().dragging);
  Release(QPoint(10, 60));

  Press(QPoint(150, 10));
  ASSERT_TRUE(R().dragging);
  // The mouse moves 40 right and 30 down (global), the window follows.
  const QPoint global = w.window->pos() + QPoint(190, 40);
  QMouseEvent drag(QEvent::MouseMove, QPointF(190, 40), QPointF(global), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.window.get(), &drag);
  EXPECT_EQ(w.window->pos(), QPoint(140, 130));
  Release(QPoint(150, 10));
  EXPECT_FALSE(R().dragging);
}

// The pointer goes from a caption button straight onto a child control lying
// across the strip (as the "置顶" check box does): the window itself gets no
// leave, yet the glow ends and its timer stops.
TEST(CaptionLeave, MovingFromAButtonOntoAChildControlEndsTheGlow) {
  SkinEngine engine;
  QWidget* child = nullptr;
  SkinnedWindow w(engine, QColor(128, 128, 128), [&](QWidget* window) {
    child = new QLabel(QStringLiteral("child"), window);
    child->setGeometry(278, -3, 48, 24);
  });
  const WindowRecord& r = *engine.Record(w.index);
  ASSERT_TRUE(w.ShowActive());
  QWindow* handle = w.window->windowHandle();
  const QPoint minimize = r.buttons[0].hit.center().toPoint();
  const QColor before = w.Image(engine).pixelColor(static_cast<int>(r.buttons[0].hit.x()) + 3, 5);
  QTest::mouseMove(handle, minimize);
  ASSERT_TRUE(r.timerRunning);
  ASSERT_EQ(r.fadeIn, 1);
  QTest::mouseMove(handle, QPoint(300, 10));  // onto the child
  EXPECT_FALSE(r.timerWanted);
  EXPECT_EQ(r.previousHot, 0);
  ASSERT_TRUE(WaitUntil([&] { return !r.timerRunning; }));
  EXPECT_TRUE(
      Near(w.Image(engine).pixelColor(static_cast<int>(r.buttons[0].hit.x()) + 3, 5), before, 3));
}

TEST_F(Caption, DoubleClickOnTheCaptionOfANonResizableWindowDoesNothing) {
  Send(QEvent::MouseButtonDblClick, QPoint(150, 10), Qt::LeftButton, Qt::LeftButton);
  EXPECT_FALSE(R().maximized);
  EXPECT_EQ(engine.FindMaximizeButton(w.index), 0);
}

TEST_F(Caption, TitleChangeRedrawsOnlyTheTitle) {
  const int renders = R().renderCount;
  const QColor farAway = w.Image(engine).pixelColor(200, 300);
  w.window->setWindowTitle(QStringLiteral("Vexo"));
  EXPECT_EQ(R().renderCount, renders);
  int white = 0;
  for (int y = 8; y < 40; ++y)
    for (int x = 29; x < 120; ++x)
      if (w.Image(engine).pixelColor(x, y).lightness() > 240) ++white;
  EXPECT_GT(white, 5);
  EXPECT_EQ(w.Image(engine).pixelColor(200, 300), farAway);
}

}  // namespace
}  // namespace vexo::test
