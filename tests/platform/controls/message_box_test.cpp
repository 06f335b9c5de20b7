#include "platform/controls/message_box.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

TEST(MessageBox, ReturnsThePressedButtonMinusOne) {
  test::AnswerNextMessageBox(QMessageBox::Ok);
  EXPECT_EQ(ShowMessage(Sys("播放失败"), kMbOkCancel | kMbIconQuestion, Sys("将被退出")), 0);
  test::AnswerNextMessageBox(QMessageBox::Cancel);
  EXPECT_EQ(ShowMessage(Sys("播放失败"), kMbOkCancel | kMbIconQuestion, Sys("将被退出")), 1);
  // A box with only OK answers 0 even when closed with Escape.
  test::AnswerNextMessageBox(QMessageBox::NoButton);
  EXPECT_EQ(ShowMessage(Sys("下载成功")), 0);
}

TEST(MessageBox, DefaultsToTheInformationIconAndTheFriendlyTitle) {
  test::SeenBox seen;
  test::AnswerNextMessageBox(QMessageBox::Ok, &seen);
  ShowMessage(Sys("请先选择歌曲播放"));
  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, QString::fromUtf8("友情提醒"));
  EXPECT_EQ(seen.text, QString::fromUtf8("请先选择歌曲播放"));
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, 1);
}

TEST(MessageBox, FromAWorkerThreadTheBoxIsOwnedByTheVisibleMainWindow) {
  QWidget hidden;  // a hidden window of the process never owns a box
  QWidget main;
  main.setWindowTitle(QStringLiteral("main"));
  main.show();
  EXPECT_EQ(FindOwnerWindow(CurrentProcessId()), &main);
  EXPECT_EQ(FindOwnerWindow(CurrentProcessId() + 100000), nullptr);

  test::SeenBox seen;
  test::AnswerNextMessageBox(QMessageBox::Ok, &seen);
  std::atomic<int> result{-1};
  std::thread worker([&] { result = ShowMessage(Sys("下载失败")); });
  // The user-interface thread keeps processing events while the worker waits.
  ASSERT_TRUE(test::WaitUntil([&] { return result.load() != -1; }));
  worker.join();
  EXPECT_EQ(result.load(), 0);
  EXPECT_EQ(seen.parent, &main);
  EXPECT_EQ(seen.text, QString::fromUtf8("下载失败"));

  // Minimised, the main window still owns the box.
  main.showMinimized();
  EXPECT_EQ(FindOwnerWindow(CurrentProcessId()), &main);
}

}  // namespace
}  // namespace vexo
