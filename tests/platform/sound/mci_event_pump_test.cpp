// Wake-ups from libmpv's threads become drains on the user-interface thread.
#include "platform/sound/mci_event_pump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "tests/platform/sound/test_media.h"

namespace vexo {
namespace {

TEST(MciEventPumpTest, BurstOfWakeupsBecomesOneDrainOnThePumpsThread) {
  test::EnsureCoreApplication();
  std::vector<std::uint64_t> drained;
  std::vector<std::thread::id> drained_on;
  MciEventPump pump([&](std::uint64_t serial) {
    drained.push_back(serial);
    drained_on.push_back(std::this_thread::get_id());
  });
  MciWakeup wakeup;
  wakeup.pump = &pump;
  wakeup.serial = 7;

  // libmpv wakes from its own threads, several times in a row.
  std::thread mpv_thread([&] {
    for (int i = 0; i < 5; ++i)
      MciWakeupCallback(&wakeup);
  });
  mpv_thread.join();
  EXPECT_TRUE(drained.empty()) << "drains run from the event loop, never inside the callback";
  // Queued calls run in order: once a marker queued after the burst has run,
  // every drain the burst queued has run too.
  QObject marker_receiver;
  bool marker_ran = false;
  QMetaObject::invokeMethod(
      &marker_receiver, [&] { marker_ran = true; }, Qt::QueuedConnection);
  ASSERT_TRUE(test::WaitUntil([&] { return marker_ran; }, std::chrono::seconds(5)));
  // One drain: the queued flag is the device's to clear, and until it does no
  // further drain is queued.
  EXPECT_EQ(drained, std::vector<std::uint64_t>{7});
  EXPECT_EQ(drained_on.front(), std::this_thread::get_id());

  // Once the device drained (and cleared the flag), the next wake-up queues
  // the next drain.
  wakeup.queued = false;
  std::thread([&] { MciWakeupCallback(&wakeup); }).join();
  ASSERT_TRUE(test::WaitUntil([&] { return drained.size() == 2; }, std::chrono::seconds(5)));
}

TEST(MciEventPumpTest, WakeupWithoutPumpIsIgnored) {
  MciWakeup wakeup;
  MciWakeupCallback(&wakeup);
  EXPECT_FALSE(wakeup.queued);
}

}  // namespace
}  // namespace vexo
