#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/controls/labels.h"
#include "platform/controls/list_view.h"
#include "platform/controls/pic_box.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

// Worker code calls controls directly; every call lands on the user-interface
// thread and results come back to the worker.
TEST(CrossThread, WorkersReadAndWriteControlsThroughTheUserInterfaceThread) {
  QWidget parent;
  TransLabel label("透明标签4", &parent);
  ListView list("超级列表框1", &parent, {{"a", 10}, {"b", 10}});
  PicBox box("图片框1", &parent);
  int row = list.InsertRow();
  list.SetCell(row, 1, Sys("歌手甲"));
  list.SetCurrentRow(row);

  std::atomic<bool> done{false};
  Text readBack;
  ByteSet picture{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
  std::thread worker([&] {
    int current = list.CurrentRow();
    readBack = list.Cell(current, 1);
    label.SetText(readBack);
    box.SetPicture(picture);
    done = true;
  });
  ASSERT_TRUE(test::WaitUntil([&] { return done.load(); }));
  worker.join();
  EXPECT_EQ(readBack, Sys("歌手甲"));
  EXPECT_EQ(label.GetText(), Sys("歌手甲"));
  EXPECT_EQ(box.Picture(), picture);
  EXPECT_FALSE(box.ShowsPicture());  // bytes kept, nothing drawable
}

}  // namespace
}  // namespace vexo
