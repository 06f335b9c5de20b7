// Work queued behind a window's first frame: it waits for the first paint,
// runs once and in the order queued, and work queued later runs at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <vector>

#include "../../support/paint_counter.h"
#include "platform/controls/first_frame.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

TEST(FirstFrame, WorkWaitsForTheFirstPaintThenRunsOnceInOrder) {
  QWidget window;
  window.resize(120, 80);
  // Other children of the window must not be taken for the watch.
  new QObject(&window);
  new QWidget(&window);
  auto* counter = new test::PaintCounter(&window);
  std::vector<std::pair<int, int>> ran;  // (which, paints seen when it ran)
  RunAfterFirstFrame(&window, [&] { ran.emplace_back(1, counter->paints); });
  RunAfterFirstFrame(&window, [&] { ran.emplace_back(2, counter->paints); });

  QCoreApplication::processEvents();
  EXPECT_TRUE(ran.empty()) << "ran before the window was ever shown";

  window.show();
  ASSERT_TRUE(test::WaitUntil([&] { return ran.size() == 2; }));
  EXPECT_EQ(ran[0].first, 1);
  EXPECT_EQ(ran[1].first, 2);
  EXPECT_GE(ran[0].second, 1) << "ran before the first paint";

  // Later paints do not run the work again; work queued now runs at once.
  window.update();
  RunAfterFirstFrame(&window, [&] { ran.emplace_back(3, counter->paints); });
  ASSERT_TRUE(test::WaitUntil([&] { return ran.size() == 3; }));
  EXPECT_EQ(ran[2].first, 3);
  window.repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(ran.size(), 3u);
}

}  // namespace
}  // namespace vexo
