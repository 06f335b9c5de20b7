#pragma once
// The whole player in this process, on the session bus of the run, with a
// chart of the embedded demo library in its song list: the tests drive it from
// outside with the real bus clients and look at its controls directly.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>
#include <memory>

#include "app/desktop_binding.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "desktop/bus_client.h"
#include "platform/codepage.h"
#include "playback/start_thread.h"
#include "support/ui_wait.h"

namespace vexo::test {

inline constexpr int kPlayDeadlineMs = 20000;

class DesktopPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SessionBusAnswers())
      GTEST_SKIP() << "no session bus (run under scripts/with-test-services)";
    // Singer pictures go to the test's cache folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    unsetenv("VEXO_SERVICE");
    unsetenv("VEXO_LIBRARY");
    ASSERT_FALSE(JoinDesktopSession().has_value())
        << "another Vexo owns org.mpris.MediaPlayer2.vexo on this session bus";
    w = StartPlayer();
    PublishOnDesktop(*w);
    w->按钮4.onClick();  // 热歌榜: the rows arrive once the answer is in
    ASSERT_TRUE(
        WaitUntil([] { return Globals()->catalogue.requestsInFlight == 0; }, kPlayDeadlineMs));
    rows = w->超级列表框1.RowCount();
    ASSERT_GE(rows, 16);
  }

  void TearDown() override {
    LeaveDesktopSession();
    if (!w) return;
    w->媒体播放1.CloseMedia();
    w->时钟1.SetInterval(0);
    // The picture, lyrics and singer-picture file workers end before the
    // window they write into goes.
    EXPECT_TRUE(WaitUntil([] { return RunningThreadCount() == 0; }, kPlayDeadlineMs));
  }

  // A cell of the song list as the bus clients print it.
  QString CellText(int row, int column) const {
    return QString::fromStdString(SystemToUtf8(w->超级列表框1.Cell(row, column)));
  }

  bool StatusBecomes(const char* status) {
    return WaitUntil(
        [&] { return Playerctl({QStringLiteral("status")}).out == QLatin1StringView(status); },
        kPlayDeadlineMs);
  }

  std::unique_ptr<MainWindow> w;
  int rows = 0;
};

}  // namespace vexo::test
