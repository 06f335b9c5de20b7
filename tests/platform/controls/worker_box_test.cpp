// Owner searches of message boxes from a worker and from the user-interface
// thread at the same time never wait for each other. (That a worker's box
// holds up none of the user-interface thread's waits is tested where the
// waits are: the lyrics display and the row-by-row append.)
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/controls/message_box.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

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
