// The real player against a catalogue service that accepts connections and
// never answers: a chart click leaves the window working, and closing it asks
// for confirmation and ends the player at once, the request still hanging.
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

#include "e2e/player_fixture.h"
#include "loopback_server.h"

namespace vexo::test {
namespace {

constexpr int kDeadlineMs = 10000;
// The middle of the chart button 热歌榜.
constexpr int kHotChartX = 51;
constexpr int kHotChartY = 150;

class SilentServicePlayer : public PlayerTest {
 protected:
  void SetUp() override {
    const std::string address = "127.0.0.1:" + std::to_string(service.Port());
    setenv("VEXO_SERVICE", address.c_str(), 1);
    PlayerTest::SetUp();
    unsetenv("VEXO_SERVICE");
  }
  testing::RawServer service{"", true};
};

TEST_F(SilentServicePlayer, ClosingWhileAChartRequestHangsEndsAtOnce) {
  const QRect at = x.Geometry(window);
  ASSERT_TRUE(x.ClickAt(at.x() + kHotChartX, at.y() + kHotChartY));
  ASSERT_TRUE(x.WaitFor([&] { return service.Accepted() > 0; }, kDeadlineMs))
      << "the chart click sent no request";

  // The request hangs; the window still answers the close request.
  x.RequestClose(window);
  unsigned long box = x.WaitForOtherWindow(window, kDeadlineMs);
  ASSERT_NE(box, 0u) << "no confirmation while the chart request hangs";
  ASSERT_TRUE(x.PressKey(box, "Return"));  // OK
  int status = -1;
  ASSERT_TRUE(player->WaitForExit(kDeadlineMs, &status));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vexo::test
