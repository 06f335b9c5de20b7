// Message boxes shown from workers while the user-interface thread goes on
// with its own work: the box never holds that work up inside an event loop
// of its own, and owner searches from both sides never wait for each other.
#include <gtest/gtest.h>

#include <QTimer>
#include <atomic>
#include <thread>

#include "platform/controls/message_box.h"
#include "platform/controls/wait_with_events.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

// Long enough for any wait below; a box still open then is closed, so a
// failing test ends instead of hanging.
constexpr int kSafetyCloseMs = 10000;

TEST(WorkerBox, AWaitOnTheUserInterfaceThreadEndsWhileAWorkersBoxStaysOpen) {
  QWidget main;
  main.show();
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] {
    if (QMessageBox* box = test::OpenMessageBox()) box->reject();
  });
  safety.start(kSafetyCloseMs);

  std::atomic<int> answer{-1};
  std::thread worker([&] { answer = ShowMessage(Sys("下载成功")); });
  ASSERT_TRUE(test::WaitUntil([] { return test::OpenMessageBox() != nullptr; }));
  // A wait of the kind the lyrics display and the row-by-row append make,
  // started while the box is open, and a timer that ticks meanwhile.
  int ticks = 0;
  QTimer ticking;
  QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
  ticking.start(10);
  WaitWithEvents(300);
  EXPECT_GT(ticks, 5);
  EXPECT_NE(test::OpenMessageBox(), nullptr) << "the wait ended only once the box was closed";
  EXPECT_EQ(answer.load(), -1);
  EXPECT_EQ(test::OpenMessageBox()->parentWidget(), &main);

  test::AnswerNextMessageBox(QMessageBox::Ok);
  ASSERT_TRUE(test::WaitUntil([&] { return answer.load() != -1; }));
  worker.join();
  EXPECT_EQ(answer.load(), 0);
}

TEST(WorkerBox, OwnerSearchesFromAWorkerAndTheUserInterfaceThreadNeverFreeze) {
  QWidget main;
  main.show();
  constexpr int kSearches = 100;
  constexpr int kDeadlineMs = 60000;  // instrumented builds on a busy machine are slow
  std::atomic<int> found{0};
  std::thread worker([&] {
    for (int i = 0; i < kSearches; ++i)
      if (FindOwnerWindow(CurrentProcessId()) == &main) ++found;
  });
  // The user-interface thread searches too, between handling the worker's
  // hand-overs, as a box of its own would.
  int ownSearches = 0;
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        if (FindOwnerWindow(CurrentProcessId()) == &main) ++ownSearches;
        return found.load() == kSearches;
      },
      kDeadlineMs));
  worker.join();
  EXPECT_GT(ownSearches, 0);
}

}  // namespace
}  // namespace vexo
