// The tooltip window: tips for rectangles of an owner and for whole widgets.
#include "imaging/tooltip_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QWidget>
#include <memory>

#include "platform/system_text.h"

namespace vexo {
namespace {

bool AskForTip(QWidget* widget, QPoint pos) {
  QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
  QCoreApplication::sendEvent(widget, &event);
  return event.isAccepted();
}

TEST(TooltipWindow, ShowsTheTipOfTheToolUnderTheMouseAndFollowsMovedTools) {
  QWidget owner;
  owner.resize(392, 622);
  owner.show();
  TooltipWindow tip;
  ASSERT_TRUE(tip.Create());
  ASSERT_NE(tip.Window(), nullptr);
  ASSERT_TRUE(tip.AddTool(&owner, QRect(340, 1, 40, 18), Sys("关闭"), 2));
  ASSERT_TRUE(tip.AddTool(&owner, QRect(313, 1, 26, 18), Sys("最小化"), 1));
  EXPECT_EQ(tip.ToolCount(), 2);

  AskForTip(&owner, QPoint(350, 10));
  EXPECT_TRUE(tip.IsShowing());
  EXPECT_EQ(tip.ShownText(), QString::fromUtf8("关闭"));
  AskForTip(&owner, QPoint(320, 10));
  EXPECT_EQ(tip.ShownText(), QString::fromUtf8("最小化"));
  AskForTip(&owner, QPoint(100, 300));
  EXPECT_FALSE(tip.IsShowing());

  // The window was resized: the layout moves the close button's tool.
  ASSERT_TRUE(tip.MoveTool(&owner, 2, QRect(440, 1, 40, 18)));
  AskForTip(&owner, QPoint(350, 10));
  EXPECT_FALSE(tip.IsShowing());
  AskForTip(&owner, QPoint(450, 10));
  EXPECT_EQ(tip.ShownText(), QString::fromUtf8("关闭"));
  ASSERT_TRUE(tip.UpdateToolText(&owner, 2, Sys("关闭窗口")));
  EXPECT_EQ(tip.ShownText(), QString::fromUtf8("关闭窗口"));

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&owner, &leave);
  EXPECT_FALSE(tip.IsShowing());

  EXPECT_FALSE(tip.MoveTool(&owner, 7, QRect()));
  ASSERT_TRUE(tip.DeleteTool(&owner, 1));
  EXPECT_EQ(tip.ToolCount(), 1);
}

TEST(TooltipWindow, WholeWidgetToolsAndAnOwnerThatGoesFirst) {
  auto owner = std::make_unique<QWidget>();
  auto* child = new QWidget(owner.get());
  child->resize(50, 20);
  owner->show();
  TooltipWindow tip;
  ASSERT_TRUE(tip.Create(true));
  EXPECT_EQ(tip.SetMaxWidth(200), -1);
  EXPECT_EQ(tip.SetMaxWidth(-1), 200);
  ASSERT_TRUE(tip.AddWindowTool(child, Sys("播放")));
  AskForTip(child, QPoint(49, 19));
  EXPECT_EQ(tip.ShownText(), QString::fromUtf8("播放"));
  owner.reset();  // the owner and its child are destroyed before the tooltip
  EXPECT_TRUE(tip.AddTool(nullptr, QRect(), "", 1) == false);
  EXPECT_TRUE(tip.Destroy());
}

}  // namespace
}  // namespace vexo
