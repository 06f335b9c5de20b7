// Giving memory back when the application goes to the background: one
// release at a time, started by the application's deactivation, not by one
// of its windows losing the focus to another.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <future>

#include "../support/ui_wait.h"
#include "skin/skin_engine.h"
#include "skin/working_set_trim.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

TEST(WorkingSetTrim, AtMostOneReleaseRunsAtATime) {
  ASSERT_TRUE(WaitUntil([] { return !WorkingSetTrimRunning(); }));
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  const int started = WorkingSetTrimsStarted();
  ASSERT_TRUE(TrimWorkingSet([released] { released.wait(); }));
  EXPECT_TRUE(WorkingSetTrimRunning());
  EXPECT_FALSE(TrimWorkingSet([] {})) << "a second release started beside the first";
  EXPECT_EQ(WorkingSetTrimsStarted(), started + 1);
  release.set_value();
  ASSERT_TRUE(WaitUntil([] { return !WorkingSetTrimRunning(); }));
  EXPECT_TRUE(TrimWorkingSet([] {}));
  EXPECT_EQ(WorkingSetTrimsStarted(), started + 2);
  EXPECT_TRUE(WaitUntil([] { return !WorkingSetTrimRunning(); }));
}

TEST(WorkingSetTrim, TheApplicationGoingToTheBackgroundTrimsAWindowLosingFocusDoesNot) {
  SkinEngine engine;
  SkinnedWindow w(engine);
  ASSERT_TRUE(WaitUntil([] { return !WorkingSetTrimRunning(); }));
  const int started = WorkingSetTrimsStarted();
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(w.window.get(), &deactivate);
  EXPECT_EQ(WorkingSetTrimsStarted(), started);
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(WorkingSetTrimsStarted(), started + 1);
  EXPECT_TRUE(WaitUntil([] { return !WorkingSetTrimRunning(); }));
}

}  // namespace
}  // namespace vexo::test
