// The whole player in-process, with its embedded catalogue service and the
// generated demo library: a chart fills the list, a row plays, the labels and
// the slider follow it, the play mode moves on.
#include <gtest/gtest.h>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/embedded_pictures.h"
#include "platform/system_text.h"
#include "playback/start_thread.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

constexpr int kPlayDeadlineMs = 20000;

TEST(PlayerFlow, AChartFillsTheListAndItsRowsPlayFromTheEmbeddedService) {
  unsetenv("VEXO_SERVICE");
  unsetenv("VEXO_LIBRARY");
  auto w = StartPlayer();
  ASSERT_TRUE(Globals()->service.Embedded());

  w->按钮4.onClick();  // 热歌榜: the rows arrive once the answer is in
  EXPECT_TRUE(w->按钮4.IsDisabled());
  ASSERT_TRUE(
      test::WaitUntil([&] { return Globals()->catalogue.requestsInFlight == 0; }, kPlayDeadlineMs));
  int rows = w->超级列表框1.RowCount();
  ASSERT_GE(rows, 16);
  EXPECT_EQ(w->超级列表框1.Cell(rows - 1, 0), std::to_string(rows));
  EXPECT_FALSE(w->超级列表框1.Cell(0, 4).empty());

  w->超级列表框1.SetCurrentRow(0);
  w->超级列表框1.onDoubleClick();
  EXPECT_EQ(w->按钮1.Caption(), Sys("停止"));
  EXPECT_EQ(w->透明标签1.GetText(), Sys("正在播放：") + w->超级列表框1.Cell(0, 1));
  EXPECT_EQ(w->透明标签3.GetText(), w->超级列表框1.Cell(0, 2));
  EXPECT_GE(w->滑块条1.Maximum(), 20);  // demo songs last 20 to 60 seconds
  EXPECT_TRUE(w->时钟1.IsRunning());

  // The progress timer shows the position advancing in real time.
  ASSERT_TRUE(
      test::WaitUntil([&] { return w->媒体播放1.GetPositionMs() >= 1200; }, kPlayDeadlineMs));
  ASSERT_TRUE(test::WaitUntil([&] { return w->透明标签2.GetText().substr(0, 5) != "00:00"; },
                              kPlayDeadlineMs));
  EXPECT_EQ(w->媒体播放1.GetPlayState(), kPlayStatePlaying);

  // The singer picture worker leaves a picture in the box.
  ASSERT_TRUE(test::WaitUntil([&] { return w->图片框1.ShowsPicture(); }, kPlayDeadlineMs));

  // 下一曲 moves to the second row.
  w->按钮3.onClick();
  EXPECT_EQ(w->超级列表框1.CurrentRow(), 1);
  EXPECT_EQ(Globals()->playback.CurrentSongIndex, 1);
  EXPECT_EQ(w->透明标签1.GetText(), Sys("正在播放：") + w->超级列表框1.Cell(1, 1));

  // 停止 stops: the display goes idle and nothing plays next.
  w->按钮1.onClick();
  EXPECT_EQ(w->按钮1.Caption(), Sys("播放"));
  EXPECT_EQ(w->透明标签1.GetText(), Sys("等待播放"));
  EXPECT_FALSE(w->时钟1.IsRunning());
  EXPECT_EQ(w->媒体播放1.GetPlayState(), kPlayStateStopped);
  EXPECT_EQ(Globals()->playback.CurrentSongIndex, 1);
  w->媒体播放1.CloseMedia();
  // The picture and lyrics workers of the songs started here end before the
  // window they write into goes.
  EXPECT_TRUE(test::WaitUntil([] { return RunningThreadCount() == 0; }, kPlayDeadlineMs));
}

}  // namespace
}  // namespace vexo
