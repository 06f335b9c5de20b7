#include <gtest/gtest.h>

#include <QSlider>

#include "platform/controls/slider_bar.h"
#include "platform/controls/timer.h"
#include "platform/controls/wait_with_events.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

TEST(SliderBar, ClampsEveryValueThenKeepsThePositionInRange) {
  QWidget parent;
  SliderBar slider("滑块条1", &parent);
  slider.SetMaximum(10);
  slider.SetMinimum(1);
  slider.SetPosition(-1);
  EXPECT_EQ(slider.Position(), 1);
  slider.SetPosition(0);
  EXPECT_EQ(slider.Position(), 1);
  slider.SetPosition(11);
  EXPECT_EQ(slider.Position(), 10);

  slider.SetMaximum(100000);  // clamped to 32767 first
  EXPECT_EQ(slider.Maximum(), kSliderValueMax);
  slider.SetPosition(40000);
  EXPECT_EQ(slider.Position(), kSliderValueMax);
  slider.SetMinimum(-5);
  EXPECT_EQ(slider.Minimum(), kSliderValueMin);

  // A maximum of 0 below the minimum of 1 leaves the position at the minimum.
  slider.SetMinimum(1);
  slider.SetMaximum(0);
  slider.SetPosition(5);
  EXPECT_EQ(slider.Position(), slider.Minimum());
}

TEST(SliderBar, RaisesPositionChangedOnlyForTheUsersMoves) {
  QWidget parent;
  SliderBar slider("滑块条1", &parent);
  slider.SetMaximum(100);
  slider.SetMinimum(1);
  slider.SetPageStep(1);
  int events = 0;
  int seenPosition = -1;
  slider.onPositionChanged = [&] {
    ++events;
    seenPosition = slider.Position();
  };
  slider.SetPosition(50);
  slider.SetMaximum(60);
  EXPECT_EQ(events, 0);

  auto* q = static_cast<QSlider*>(slider.Widget());
  q->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the bar
  EXPECT_EQ(events, 1);
  EXPECT_EQ(seenPosition, 51);  // the handler reads the new position

  // A drag: each step raises the event, the release does not.
  q->setSliderDown(true);
  q->setSliderPosition(55);
  q->setSliderPosition(58);
  int duringDrag = events;
  q->setSliderDown(false);
  EXPECT_EQ(duringDrag, 3);
  EXPECT_EQ(events, 3);
  EXPECT_EQ(seenPosition, 58);
}

TEST(Timer, IntervalZeroStopsAndTheSameIntervalDoesNotRestart) {
  Timer timer("时钟1");
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  EXPECT_FALSE(timer.IsRunning());
  timer.SetInterval(30);
  EXPECT_TRUE(timer.IsRunning());
  ASSERT_TRUE(test::WaitUntil([&] { return ticks >= 2; }));

  // Setting the same interval over and over must not keep pushing the next
  // tick away: ticks still arrive.
  int before = ticks;
  ASSERT_TRUE(test::WaitUntil([&] {
    timer.SetInterval(30);
    return ticks > before;
  }));

  timer.SetInterval(0);
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_EQ(timer.Interval(), 0);
}

TEST(WaitWithEvents, KeepsEventsFlowingAndNestsInnerWaitsFirst) {
  std::vector<int> order;
  Timer timer("t");
  bool nested = false;
  timer.onTick = [&] {
    if (nested) return;
    nested = true;
    timer.SetInterval(0);
    WaitWithEvents(60);  // an inner wait inside the outer one
    order.push_back(1);
  };
  timer.SetInterval(5);
  WaitWithEvents(20);
  order.push_back(2);
  ASSERT_TRUE(nested);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  WaitWithEvents(0);  // returns at once
  WaitWithEvents(-5);
}

}  // namespace
}  // namespace vexo
