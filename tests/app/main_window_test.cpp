#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app/startup.h"
#include "app/window_definition.h"
#include "assets/embedded_pictures.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = StartPlayer();
    QWidget* frame = w->window.Frame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
  }
  std::unique_ptr<MainWindow> w;
};

TEST_F(MainWindowTest, StartsInTheDefinedState) {
  EXPECT_EQ(w->window.Width(), kWindowWidth);
  EXPECT_EQ(w->window.Height(), kWindowHeight);
  EXPECT_FALSE(w->window.IsTopmost());
  EXPECT_TRUE(w->window.Title().empty());
  EXPECT_TRUE(w->window.Frame()->windowFlags().testFlag(Qt::FramelessWindowHint));

  EXPECT_EQ(w->超级列表框1.CurrentRow(), -1);
  EXPECT_EQ(w->超级列表框1.RowCount(), 0);
  EXPECT_FALSE(w->菜单.单曲循环.IsTicked());
  EXPECT_TRUE(w->菜单.顺序播放.IsTicked());
  EXPECT_FALSE(w->菜单.随机播放.IsTicked());
  EXPECT_FALSE(w->选择框1.IsTicked());
  EXPECT_FALSE(w->选择框2.IsTicked());
  EXPECT_FALSE(w->时钟1.IsRunning());
  EXPECT_FALSE(w->时钟2.IsRunning());
  EXPECT_FALSE(w->列表框1.IsVisible());
  // The lyrics strip lies below the bottom edge of the 622-pixel window.
  EXPECT_GE(w->分组框2.Widget()->geometry().top(), kWindowHeight - 5);
  EXPECT_GT(w->分组框2.Widget()->geometry().bottom(), kWindowHeight);

  EXPECT_EQ(w->按钮1.Caption(), Sys("播放"));
  EXPECT_EQ(w->透明标签1.GetText(), Sys("等待播放"));
  EXPECT_EQ(w->透明标签2.GetText(), Sys("00:00｜00:00"));
  EXPECT_EQ(w->透明标签2.GetText(),
            "00:00\xA3\xFC"
            "00:00");
  EXPECT_EQ(w->透明标签3.GetText(), Sys("歌手名"));
  EXPECT_EQ(w->编辑框1.GetText(), Sys("可惜没如果"));
  EXPECT_EQ(w->滑块条1.Minimum(), 1);
  EXPECT_EQ(w->滑块条1.Maximum(), 10);
  EXPECT_EQ(w->滑块条1.Position(), 1);
  // The created handler put the default picture into the picture box.
  EXPECT_EQ(w->图片框1.Picture(), assets::DefaultSingerPicture());
  EXPECT_TRUE(w->图片框1.ShowsPicture());
  EXPECT_EQ(w->图形按钮1.Picture(PicBtn::kNormal), assets::SearchButtonPicture1());
}

TEST_F(MainWindowTest, EveryControlStandsWhereTheDefinitionPutsIt) {
  for (const ControlSpec& entry : MainWindowControls()) {
    if (entry.kind == ControlKind::kTimer || entry.kind == ControlKind::kMediaPlay) continue;
    QWidget* widget = w->window.Frame()->findChild<QWidget*>(QString::fromUtf8(entry.name));
    ASSERT_NE(widget, nullptr) << entry.name;
    EXPECT_EQ(widget->geometry(), QRect(entry.left, entry.top, entry.width, entry.height))
        << entry.name;
  }
}

TEST_F(MainWindowTest, MenuShortcutsWorkAnywhereAlsoInTheSearchBox) {
  int volumeUp = 0;
  int volumeDown = 0;
  int play = 0;
  w->菜单.增大音量.onChosen = [&] { ++volumeUp; };
  w->菜单.减少音量.onChosen = [&] { ++volumeDown; };
  w->菜单.播放.onChosen = [&] { ++play; };

  auto* edit = static_cast<QLineEdit*>(w->编辑框1.Widget());
  edit->setFocus();
  edit->deselect();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(volumeUp, 1);
  EXPECT_FALSE(edit->hasSelectedText());  // Ctrl+A did not select the text
  EXPECT_EQ(w->编辑框1.GetText(), Sys("可惜没如果"));
  QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(volumeDown, 1);
  QTest::keyClick(w->超级列表框1.Widget(), Qt::Key_F5);
  EXPECT_EQ(play, 1);
}

TEST_F(MainWindowTest, ThePopUpMenuListsItsItemsAndSeparatorsInOrder) {
  // "-" stands for a separator, ">" opens the submenu.
  QStringList entries;
  for (QAction* action : w->菜单.menu.Native()->actions()) {
    if (action->isSeparator()) {
      entries << QStringLiteral("-");
    } else if (QMenu* sub = action->menu()) {
      entries << QStringLiteral(">") + action->text();
      for (QAction* inner : sub->actions())
        entries << QStringLiteral(">>") + inner->text();
    } else {
      entries << action->text();
    }
  }
  const QStringList expected = QString::fromUtf8(
                                   "播放|上一曲|下一曲|-|增大音量|减少音量|-|>播放模式|>>单曲循环|"
                                   ">>顺序播放|>>随机播放|-|下载|关于")
                                   .split(QLatin1Char('|'));
  EXPECT_EQ(entries, expected);
}

TEST_F(MainWindowTest, ThePlayModeTicksChangeOnlyThroughTheLogic) {
  // A click on a tickable item must not flip its tick by itself.
  w->菜单.顺序播放.onChosen = [] {};
  w->菜单.顺序播放.Choose();
  EXPECT_TRUE(w->菜单.顺序播放.IsTicked());
  w->菜单.随机播放.onChosen = [] {};
  w->菜单.随机播放.Choose();
  EXPECT_FALSE(w->菜单.随机播放.IsTicked());
}

}  // namespace
}  // namespace vexo
