#pragma once
// A test that starts the real player under the X server of the run and waits
// for its window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "e2e/player_window.h"
#include "e2e/x11_driver.h"

namespace vexo::test {

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_SKIP() << "no X server (run under scripts/with-test-services)";
    ASSERT_TRUE(x.Connected());
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    player = std::make_unique<ChildProcess>(VEXO_PLAYER_BINARY);
    ASSERT_GT(player->Pid(), 0);
    window = x.WaitForWindow(kPlayerWidth, kPlayerHeight, kStartDeadlineMs);
    ASSERT_NE(window, 0u) << "the player's 392 x 622 window did not show";
  }
  X11Driver x;
  std::unique_ptr<ChildProcess> player;
  unsigned long window = 0;
};

}  // namespace vexo::test
