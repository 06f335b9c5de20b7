// The play rules over real controls and a simulated media device.
#include <gtest/gtest.h>

#include <QMenu>
#include <set>

#include "fake_device_engine.h"
#include "platform/controls/window.h"
#include "platform/system_text.h"
#include "playback/format_min_sec.h"
#include "playback/play_control.h"
#include "playback/play_modes.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class PlayRules : public ::testing::Test {
 protected:
  PlayRules()
      : window("w", 392, 622),
        按钮1("按钮1", window.Frame()),
        透明标签1("透明标签1", window.Frame()),
        透明标签2("透明标签2", window.Frame()),
        透明标签3("透明标签3", window.Frame()),
        滑块条1("滑块条1", window.Frame()),
        时钟1("时钟1"),
        超级列表框1("超级列表框1", window.Frame(),
                    {{"n", 60}, {"name", 230}, {"singer", 60}, {"id", 0}, {"url", 0}}),
        媒体播放1(engine),
        menu(window, "m"),
        单曲循环(menu.AddItem("1", {}, true)),
        顺序播放(menu.AddItem("2", {}, true)),
        随机播放(menu.AddItem("3", {}, true)),
        view{按钮1,       透明标签1, 透明标签2, 透明标签3, 滑块条1, 时钟1,
             超级列表框1, 媒体播放1, 单曲循环,  顺序播放,  随机播放} {
    按钮1.SetCaption(PlayCaption());
    滑块条1.SetMaximum(10);
    滑块条1.SetMinimum(1);
    顺序播放.SetTicked(true);
    state.startPictureWorker = [this] { workers.push_back("picture"); };
    state.startLyricsWorker = [this] { workers.push_back("lyrics"); };
  }

  // Appends rows whose URLs are the given names.
  void AddRows(std::initializer_list<const char*> urls) {
    for (const char* url : urls) {
      int row = 超级列表框1.InsertRow();
      超级列表框1.SetCell(row, 1, Sys("歌") + url);
      超级列表框1.SetCell(row, 2, Sys("歌手") + url);
      超级列表框1.SetCell(row, 4, url);
    }
  }
  Text Playing() const { return engine.open ? engine.opened.back() : Text(); }
  // The display as it stands while nothing plays.
  void ExpectIdleDisplay() {
    EXPECT_FALSE(时钟1.IsRunning());
    EXPECT_EQ(按钮1.Caption(), PlayCaption());
    EXPECT_EQ(透明标签1.GetText(), IdleStatusText());
    EXPECT_EQ(透明标签2.GetText(), IdleTimeText());
    EXPECT_EQ(透明标签3.GetText(), IdleSingerText());
    EXPECT_EQ(滑块条1.Position(), 滑块条1.Minimum());
  }

  test::FakeDeviceEngine engine;
  Window window;
  Button 按钮1;
  TransLabel 透明标签1, 透明标签2, 透明标签3;
  SliderBar 滑块条1;
  Timer 时钟1;
  ListView 超级列表框1;
  MediaPlay 媒体播放1;
  Menu menu;
  MenuItem& 单曲循环;
  MenuItem& 顺序播放;
  MenuItem& 随机播放;
  PlayerView view;
  PlaybackState state;
  std::vector<std::string> workers;
};

TEST_F(PlayRules, PlayingARowSetsEverythingInOrder) {
  AddRows({"a", "b"});
  超级列表框1.SetCurrentRow(1);
  TogglePlay(view, state);
  EXPECT_EQ(Playing(), "b");
  EXPECT_EQ(engine.mode, "playing");
  EXPECT_EQ(按钮1.Caption(), StopCaption());
  EXPECT_EQ(state.CurrentSongIndex, 1);
  EXPECT_EQ(state.CurrentSongUrl, "b");
  EXPECT_EQ(透明标签1.GetText(), Sys("正在播放：歌b"));
  EXPECT_EQ(透明标签3.GetText(), Sys("歌手b"));
  EXPECT_EQ(滑块条1.Maximum(), 245);
  EXPECT_TRUE(时钟1.IsRunning());
  EXPECT_EQ(时钟1.Interval(), kProgressIntervalMs);
  EXPECT_EQ(workers, (std::vector<std::string>{"picture", "lyrics"}));

  // 65 seconds into the 245-second song.
  engine.position = 65300;
  ProgressTick(view, state);
  EXPECT_EQ(透明标签2.GetText(), Sys("01:05｜04:05"));
  EXPECT_EQ(滑块条1.Position(), 65);
}

TEST_F(PlayRules, NextAndPreviousAtBothEnds) {
  AddRows({"a", "b", "c"});
  PlayPrevious(view, state);  // before anything played: nothing
  EXPECT_EQ(Playing(), "");
  EXPECT_EQ(state.CurrentSongIndex, 0);
  PlayNext(view, state);  // the second row
  EXPECT_EQ(Playing(), "b");
  PlayPrevious(view, state);
  EXPECT_EQ(Playing(), "a");
  PlayNext(view, state);
  PlayNext(view, state);
  EXPECT_EQ(Playing(), "c");

  // Next on the last row: the song plays on, the caption reads 播放.
  PlayNext(view, state);
  EXPECT_EQ(Playing(), "c");
  EXPECT_EQ(engine.mode, "playing");
  EXPECT_EQ(state.CurrentSongIndex, 3);
  EXPECT_EQ(按钮1.Caption(), PlayCaption());
  PlayPrevious(view, state);  // the last row again
  EXPECT_EQ(state.CurrentSongIndex, 2);
  EXPECT_EQ(engine.opened.size(), 5u);
  EXPECT_EQ(Playing(), "c");
}

TEST_F(PlayRules, SequentialModeStopsForGoodAfterTheLastRow) {
  AddRows({"a", "b"});
  超级列表框1.SetCurrentRow(0);
  TogglePlay(view, state);
  engine.End();
  ProgressTick(view, state);
  EXPECT_EQ(Playing(), "b");
  engine.End();
  ProgressTick(view, state);  // resets and finds no next row
  ExpectIdleDisplay();
  EXPECT_EQ(state.CurrentSongIndex, 2);
  AddRows({"c"});  // more rows do not resume playback
  EXPECT_EQ(engine.opened.size(), 2u);
}

TEST_F(PlayRules, SingleLoopPlaysTheSelectedRowAgainAndRandomAlwaysPicksARow) {
  AddRows({"a", "b", "c"});
  SetPlayMode(view, PlayMode::kSingleLoop);
  EXPECT_TRUE(单曲循环.IsTicked());
  EXPECT_FALSE(顺序播放.IsTicked());
  超级列表框1.SetCurrentRow(1);
  TogglePlay(view, state);
  超级列表框1.SetCurrentRow(2);  // the user selects another row meanwhile
  engine.End();
  ProgressTick(view, state);
  EXPECT_EQ(Playing(), "c");

  SetPlayMode(view, PlayMode::kRandom);
  SetPlayMode(view, PlayMode::kRandom);  // choosing it again keeps it ticked
  EXPECT_TRUE(随机播放.IsTicked());
  EXPECT_FALSE(单曲循环.IsTicked());
  std::set<Text> seen;
  for (int i = 0; i < 60; ++i) {
    engine.End();
    ProgressTick(view, state);
    ASSERT_TRUE(engine.open);
    seen.insert(Playing());
  }
  EXPECT_EQ(seen, (std::set<Text>{"a", "b", "c"}));
}

TEST_F(PlayRules, ReseedingWithinOneMillisecondGivesDifferentSeeds) {
  std::uint32_t offset = 0;
  std::uint32_t first = NextRandomSeed(1000, offset);
  EXPECT_EQ(first, 1000u);
  EXPECT_EQ(offset, 1000u % 256 + 100);
  std::uint32_t second = NextRandomSeed(1000, offset);
  EXPECT_NE(first, second);
  for (std::uint32_t seed : {0u, 1u, 77u, 0xFFFFFFFFu}) {
    int v = RandomValue(seed);
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 32767);
  }
  EXPECT_EQ(PickRandomRow(32767, 1), 0);
  EXPECT_EQ(PickRandomRow(5, 0), 0);
  EXPECT_EQ(PickRandomRow(7, 3), 1);
}

TEST_F(PlayRules, FailingRowsEachGiveAMessageAndTheNextRowIsTried) {
  AddRows({"fail1", "fail2", "fail3", "good", "fail-last"});
  超级列表框1.SetCurrentRow(0);
  {
    test::MessageBoxAnswerer answerer;
    TogglePlay(view, state);
    EXPECT_EQ(answerer.Texts(), (QStringList{Q("播放失败"), Q("播放失败"), Q("播放失败")}));
  }
  EXPECT_EQ(Playing(), "good");
  EXPECT_EQ(超级列表框1.CurrentRow(), 3);

  超级列表框1.SetCurrentRow(4);
  按钮1.SetCaption(PlayCaption());
  {
    test::MessageBoxAnswerer answerer;
    TogglePlay(view, state);
    EXPECT_EQ(answerer.Texts(), QStringList{Q("播放失败")});
  }
  EXPECT_EQ(超级列表框1.CurrentRow(), 4);  // the selection stays on the failed last row
  EXPECT_EQ(state.CurrentSongIndex, 4);
}

TEST_F(PlayRules, StopStopsInEveryPlayModeWithOrWithoutASelection) {
  AddRows({"a", "b", "c"});
  for (PlayMode mode : {PlayMode::kSingleLoop, PlayMode::kSequential, PlayMode::kRandom}) {
    for (bool selected : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << "mode " << static_cast<int>(mode) << " selected " << selected);
      SetPlayMode(view, mode);
      超级列表框1.SetCurrentRow(1);
      PlaySelected(view, state);
      ASSERT_EQ(engine.mode, "playing");
      const std::size_t opened = engine.opened.size();
      engine.position = 30000;
      ProgressTick(view, state);
      if (!selected) 超级列表框1.SetCurrentRow(-1);
      {
        test::MessageBoxAnswerer answerer;
        TogglePlay(view, state);  // the caption reads 停止
        EXPECT_TRUE(answerer.Texts().isEmpty());
      }
      EXPECT_EQ(engine.mode, "stopped");
      EXPECT_EQ(engine.position, 0);
      ExpectIdleDisplay();
      // The timer is stopped, and a tick that was already due finds the
      // medium stopped without starting another song.
      ProgressTick(view, state);
      EXPECT_EQ(engine.opened.size(), opened);
      EXPECT_EQ(engine.mode, "stopped");
    }
  }
  // The end of a song still moves on by the play mode.
  SetPlayMode(view, PlayMode::kSequential);
  超级列表框1.SetCurrentRow(0);
  PlaySelected(view, state);
  engine.End();
  ProgressTick(view, state);
  EXPECT_EQ(Playing(), "b");
}

TEST_F(PlayRules, AFailedLastRowLeavesTheIdleDisplay) {
  AddRows({"good", "fail1", "fail2"});
  超级列表框1.SetCurrentRow(0);
  TogglePlay(view, state);
  engine.position = 65000;
  ProgressTick(view, state);
  ASSERT_EQ(透明标签2.GetText(), Sys("01:05｜04:05"));

  超级列表框1.SetCurrentRow(1);
  {
    test::MessageBoxAnswerer answerer;
    PlaySelected(view, state);
    EXPECT_EQ(answerer.Texts(), (QStringList{Q("播放失败"), Q("播放失败")}));
  }
  EXPECT_FALSE(engine.open);
  ExpectIdleDisplay();
  EXPECT_EQ(超级列表框1.CurrentRow(), 2);
}

TEST_F(PlayRules, ASongWithoutALengthNeverLowersTheSlidersMinimum) {
  AddRows({"a", "b"});
  engine.lengthMs = 0;
  超级列表框1.SetCurrentRow(0);
  TogglePlay(view, state);
  EXPECT_EQ(滑块条1.Minimum(), 1);
  ProgressTick(view, state);
  EXPECT_EQ(透明标签2.GetText(), Sys("00:00｜00:00"));

  engine.lengthMs = 245000;
  PlayNext(view, state);
  EXPECT_EQ(滑块条1.Minimum(), 1);
  EXPECT_EQ(滑块条1.Maximum(), 245);
  滑块条1.SetPosition(0);
  SeekToSlider(view);
  EXPECT_EQ(engine.position, 1000);  // the far left is still one second
}

TEST_F(PlayRules, TheLeftmostSliderPositionSeeksToOneSecond) {
  AddRows({"a"});
  超级列表框1.SetCurrentRow(0);
  TogglePlay(view, state);
  滑块条1.SetPosition(0);
  SeekToSlider(view);
  EXPECT_EQ(engine.position, 1000);
  EXPECT_EQ(engine.commands.back().substr(0, 5), "play ");
}

TEST(FormatMinSec, WritesMinutesAndSecondsWithLeadingZeros) {
  EXPECT_EQ(FormatMinSec(0), "00:00");
  EXPECT_EQ(FormatMinSec(65), "01:05");
  EXPECT_EQ(FormatMinSec(245), "04:05");
  EXPECT_EQ(FormatMinSec(600), "10:00");
  EXPECT_EQ(FormatMinSec(6000), "100:00");
  EXPECT_EQ(FormatMinSec(-3), "00:00");
}

}  // namespace
}  // namespace vexo
