#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QTest>
#include <cstdio>

#include "app/exit_routine.h"
#include "app/main_window.h"
#include "app/shell_handlers.h"
#include "app/startup.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override { w = StartPlayer(); }
  std::unique_ptr<MainWindow> w;
};

TEST_F(ShellTest, CancellingTheCloseConfirmationLeavesEverythingAsItWas) {
  int row = w->超级列表框1.InsertRow();
  w->超级列表框1.SetCurrentRow(row);
  test::SeenBox seen;
  test::AnswerNextMessageBox(QMessageBox::Cancel, &seen);
  // The platform's close request (Alt+F4, the window manager's close).
  EXPECT_FALSE(w->window.Frame()->close());
  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, QString::fromUtf8("将被退出"));
  EXPECT_EQ(seen.text, QString::fromUtf8("确定要退出程序吗?\r\n\r\n\r\n"));
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, 2);
  EXPECT_TRUE(w->window.Frame()->isVisible());
  EXPECT_EQ(w->超级列表框1.CurrentRow(), row);
}

TEST_F(ShellTest, ConfirmingTheCloseEndsWithStatusZeroThroughTheExitRoutine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        AddExitStep([] { std::fputs("exit routine ran\n", stderr); });
        test::AnswerNextMessageBox(QMessageBox::Ok);
        w->window.Frame()->close();
        std::fputs("close returned\n", stderr);  // never reached
      },
      ::testing::ExitedWithCode(0), "exit routine ran");
}

TEST_F(ShellTest, AboutBoxAnswersChangeNothing) {
  for (auto button : {QMessageBox::Ok, QMessageBox::Cancel}) {
    test::SeenBox seen;
    test::AnswerNextMessageBox(button, &seen);
    ShowAbout(*w);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QString::fromUtf8("关于"));
    EXPECT_TRUE(
        seen.text.startsWith(QString::fromUtf8("Vexo_播放器数据来自天天动听音乐信息\r\n\r\n")));
    EXPECT_EQ(seen.text.count(QStringLiteral("\r\n\r\n")), 3);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_TRUE(w->window.Frame()->isVisible());
  }
}

TEST_F(ShellTest, StayOnTopFollowsTheCheckBox) {
  QTest::mouseClick(w->选择框1.Widget(), Qt::LeftButton);
  EXPECT_TRUE(w->选择框1.IsTicked());
  EXPECT_TRUE(w->window.IsTopmost());
  EXPECT_TRUE(w->window.Frame()->isVisible());
  QTest::mouseClick(w->选择框1.Widget(), Qt::LeftButton);
  EXPECT_FALSE(w->window.IsTopmost());
}

TEST_F(ShellTest, RightClickOnTheSongListOpensTheMenu) {
  bool shown = false;
  QObject::connect(w->菜单.menu.Native(), &QMenu::aboutToShow, [&] {
    shown = true;
    QMetaObject::invokeMethod(w->菜单.menu.Native(), &QMenu::close, Qt::QueuedConnection);
  });
  auto* list = w->超级列表框1.Widget();
  QTest::mouseClick(static_cast<QAbstractScrollArea*>(list)->viewport(), Qt::RightButton, {},
                    QPoint(100, 300));
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace vexo
