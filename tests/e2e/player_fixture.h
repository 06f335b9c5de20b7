#pragma once
// A test that starts the real player under the X server of the run and waits
// for its window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "e2e/player_window.h"
#include "e2e/x11_driver.h"

namespace vexo::test {

class PlayerTest : public ::testing::Test {
 protected:
  // `scale`: the player runs with QT_SCALE_FACTOR set to it (its window then
  // has that many device pixels per pixel).
  explicit PlayerTest(int scale = 1) : scale(scale) {}

  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_SKIP() << "no X server (run under scripts/with-test-services)";
    ASSERT_TRUE(x.Connected());
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (scale != 1) setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
    player = std::make_unique<ChildProcess>(VEXO_PLAYER_BINARY, options);
    unsetenv("QT_SCALE_FACTOR");
    ASSERT_GT(player->Pid(), 0);
    window = x.WaitForWindow(kPlayerWidth * scale, kPlayerHeight * scale, kStartDeadlineMs);
    ASSERT_NE(window, 0u) << "the player's " << kPlayerWidth * scale << " x "
                          << kPlayerHeight * scale << " window did not show";
  }
  const int scale;
  X11Driver x;
  // How the player is started; a test may set them in its constructor.
  ChildOptions options;
  std::unique_ptr<ChildProcess> player;
  unsigned long window = 0;
};

}  // namespace vexo::test
