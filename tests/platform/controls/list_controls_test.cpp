#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "platform/controls/list_box.h"
#include "platform/controls/list_view.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

class ListViewTest : public ::testing::Test {
 protected:
  ListViewTest()
      : list("超级列表框1", &parent,
             {{Sys("编号"), 60}, {Sys("歌曲名"), 230}, {Sys("歌手"), 60}, {"ID", 0}, {"URL", 0}}) {
    parent.resize(400, 400);
    list.SetGeometry(0, 0, 376, 400);
    parent.show();
  }
  QTableView* View() { return static_cast<QTableView*>(list.Widget()); }
  QWidget parent;
  ListView list;
};

TEST_F(ListViewTest, CurrentRowFollowsTheRules) {
  EXPECT_EQ(list.CurrentRow(), -1);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(list.InsertRow(), i);
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.CurrentRow(), -1);  // appending selects nothing

  list.SetCurrentRow(1);
  EXPECT_EQ(list.CurrentRow(), 1);
  list.SetCurrentRow(3);  // one past the last row: nothing changes
  EXPECT_EQ(list.CurrentRow(), 1);
  list.SetCurrentRow(-7);
  EXPECT_EQ(list.CurrentRow(), 1);
  list.SetCurrentRow(2);
  EXPECT_EQ(list.CurrentRow(), 2);
  EXPECT_EQ(View()->selectionModel()->selectedRows().size(), 1);  // alone
  list.SetCurrentRow(-1);
  EXPECT_EQ(list.CurrentRow(), -1);
}

TEST_F(ListViewTest, CellsReadEmptyOutsideTheRows) {
  int row = list.InsertRow();
  list.SetCell(row, 1, Sys("晴天"));
  list.SetCell(row, 4, "http://x/1.mp3");
  EXPECT_EQ(list.Cell(row, 1), Sys("晴天"));
  EXPECT_EQ(list.Cell(row, 4), "http://x/1.mp3");
  EXPECT_EQ(list.Cell(row, 2), "");
  EXPECT_EQ(list.Cell(row + 1, 1), "");
  EXPECT_EQ(list.Cell(-1, 1), "");
  EXPECT_EQ(list.Cell(row, 5), "");
  list.SetCell(row + 1, 1, "ignored");  // outside: no row appears
  EXPECT_EQ(list.RowCount(), 1);
  EXPECT_EQ(View()->model()->data(View()->model()->index(row, 1)).toString(),
            QString::fromUtf8("晴天"));
}

TEST_F(ListViewTest, RightClickAnywhereAndDoubleClickRaiseTheirEvents) {
  int right = 0;
  int doubles = 0;
  list.onRightButtonDown = [&] { ++right; };
  list.onDoubleClick = [&] { ++doubles; };
  // An empty list still answers a right click.
  QTest::mouseClick(View()->viewport(), Qt::RightButton, {}, QPoint(50, 200));
  EXPECT_EQ(right, 1);

  for (int i = 0; i < 3; ++i)
    list.SetCell(list.InsertRow(), 1, "song");
  ASSERT_TRUE(test::WaitUntil([&] { return View()->model()->rowCount() == 3; }));
  QRect second = View()->visualRect(View()->model()->index(1, 1));
  QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(list.CurrentRow(), 1);

  // A press on the empty part below the rows clears the selection.
  QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, QPoint(50, 380));
  EXPECT_EQ(list.CurrentRow(), -1);
}

// A burst of rows, as a chart appends them, reaches the view in one
// announcement a frame rather than one layout and repaint per row; the list
// itself reads every row at once, and selecting a row the view has not heard
// of yet tells it first.
TEST_F(ListViewTest, RowsReachTheViewAtMostOnceAFrame) {
  int announcements = 0;
  QObject::connect(View()->model(), &QAbstractItemModel::rowsInserted, [&] { ++announcements; });
  for (int i = 0; i < 30; ++i)
    list.SetCell(list.InsertRow(), 1, std::to_string(i));
  EXPECT_EQ(list.RowCount(), 30);
  EXPECT_EQ(list.Cell(29, 1), "29");
  EXPECT_EQ(announcements, 1) << "only the first row of the burst goes out at once";
  EXPECT_EQ(View()->model()->rowCount(), 1);

  ASSERT_TRUE(test::WaitUntil([&] { return View()->model()->rowCount() == 30; }));
  EXPECT_EQ(announcements, 2);
  EXPECT_EQ(View()->model()->data(View()->model()->index(29, 1)).toString(), QStringLiteral("29"));

  list.SetCell(list.InsertRow(), 1, "30");  // within the frame of the last announcement
  list.SetCurrentRow(30);
  EXPECT_EQ(list.CurrentRow(), 30);
  EXPECT_EQ(View()->model()->rowCount(), 31);
}

// Rows appended to a list repaint only where they show: nothing of the rows
// above them, and nothing at all below the end of a full view.
TEST_F(ListViewTest, AppendedRowsRepaintOnlyWhereTheyShow) {
  struct PaintRecord : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
      return false;
    }
  } record;
  for (int i = 0; i < 2; ++i)
    list.SetCell(list.InsertRow(), 1, "song");
  ASSERT_TRUE(test::WaitUntil([&] { return View()->model()->rowCount() == 2; }));
  QCoreApplication::processEvents();
  View()->viewport()->installEventFilter(&record);

  list.SetCell(list.InsertRow(), 1, "third");
  ASSERT_TRUE(test::WaitUntil([&] { return !record.painted.isEmpty(); }));
  EXPECT_GE(record.painted.boundingRect().top(), View()->rowViewportPosition(2))
      << "the rows above the new one were painted again";

  for (int i = 0; i < 60; ++i)  // far past the bottom of the view
    list.SetCell(list.InsertRow(), 1, "song");
  ASSERT_TRUE(test::WaitUntil([&] { return View()->model()->rowCount() == 63; }));
  QCoreApplication::processEvents();
  record.painted = QRegion();
  for (int i = 0; i < 5; ++i)
    list.SetCell(list.InsertRow(), 1, "below");
  ASSERT_TRUE(test::WaitUntil([&] { return View()->model()->rowCount() == 68; }));
  QCoreApplication::processEvents();
  EXPECT_TRUE(record.painted.isEmpty()) << "rows out of sight repainted the view";
  EXPECT_EQ(View()->verticalScrollBar()->maximum() > 0, true);
}

TEST(ListBox, ItemChosenComesOnlyFromTheUser) {
  QWidget parent;
  ListBox box("列表框1", &parent);
  int chosen = 0;
  box.onItemChosen = [&] { ++chosen; };
  box.AddItem("a");
  box.AddItem(Sys("第二"));
  box.SetCurrentIndex(0);
  box.Clear();
  EXPECT_EQ(chosen, 0);
  EXPECT_EQ(box.ItemCount(), 0);

  box.AddItem("a");
  box.AddItem(Sys("第二"));
  auto* view = static_cast<QListWidget*>(box.Widget());
  parent.show();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualItemRect(view->item(1)).center());
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(box.CurrentIndex(), 1);
  EXPECT_EQ(box.ItemText(1), Sys("第二"));
  EXPECT_EQ(box.ItemText(5), "");
}

}  // namespace
}  // namespace vexo
