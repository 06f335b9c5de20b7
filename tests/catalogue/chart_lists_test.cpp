// The chart buttons against canned chart answers on loopback.
#include <gtest/gtest.h>

#include <QTimer>

#include "canned_service.h"
#include "catalogue/chart_lists.h"
#include "catalogue_fixture.h"
#include "song_answers.h"

namespace vexo::test {
namespace {

std::string ChartPath() {
  return std::string("/ajax/") + kUpstreamChartHost + "/ttpod";
}

class ChartListsTest : public CatalogueFixture {
 protected:
  ChartListsTest() {
    UseService(service.HostPort());
    // The answer depends on the chart id only through the request; both
    // charts the tests click are told apart by their songs.
    service.Answer(ChartPath(), ChartAnswer(NumberedSongs("热歌", 50, 1000)));
  }
  CannedService service;
};

TEST_F(ChartListsTest, AClickAppendsTheWholeChartOnceAndDisablesItsButton) {
  超级列表框1.InsertRow();
  ClickChartButton(view, state, Chart::kHot);
  ASSERT_TRUE(WaitForRequests());

  EXPECT_EQ(service.Targets(), std::vector<std::string>{ChartPath() + "?id=111&page=1&size=50"});
  EXPECT_EQ(state.ChartUrl,
            "http://" + service.HostPort() + ChartPath() + "?id=111&page=1&size=50");
  ASSERT_EQ(超级列表框1.RowCount(), 51);
  EXPECT_EQ(Cell(1, 0), "2");
  EXPECT_EQ(Cell(50, 0), "51");
  // \u escapes and \/ are decoded on the way.
  EXPECT_EQ(Cell(1, 1), "热歌 1");
  EXPECT_EQ(Cell(1, 4), "http://files.test/热歌/1.mp3");
  EXPECT_TRUE(按钮4.IsDisabled());
  EXPECT_FALSE(按钮5.IsDisabled() || 按钮6.IsDisabled() || 按钮7.IsDisabled());

  ClickChartButton(view, state, Chart::kHot);  // works once per run
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(service.Targets().size(), 1u);
  EXPECT_EQ(超级列表框1.RowCount(), 51);
}

TEST_F(ChartListsTest, EachButtonAsksForItsOwnChart) {
  const std::pair<Chart, Button*> buttons[] = {{Chart::kHot, &按钮4},
                                               {Chart::kNew, &按钮5},
                                               {Chart::kOld, &按钮6},
                                               {Chart::kHotSearches, &按钮7}};
  state.rowDelayMs = 0;
  for (auto [chart, button] : buttons) {
    EXPECT_EQ(&ChartButton(view, chart), button);
    ClickChartButton(view, state, chart);
    ASSERT_TRUE(WaitForRequests());
    EXPECT_TRUE(button->IsDisabled());
  }
  const auto targets = service.Targets();
  ASSERT_EQ(targets.size(), 4u);
  EXPECT_EQ(targets[1], ChartPath() + "?id=112&page=1&size=50");
  EXPECT_EQ(targets[2], ChartPath() + "?id=943&page=1&size=50");
  EXPECT_EQ(targets[3], ChartPath() + "?id=969&page=1&size=50");
  ASSERT_EQ(超级列表框1.RowCount(), 200);
  EXPECT_EQ(Cell(199, 0), "200");
}

TEST_F(ChartListsTest, AChartWhoseAnswerArrivesDuringAnotherAppendFollowsItWhole) {
  // 新歌榜 is clicked once the first row of 热歌榜 is in: its answer arrives
  // while 热歌榜 is still being appended row by row.
  QTimer clickWhenAppending;
  clickWhenAppending.setInterval(1);
  QObject::connect(&clickWhenAppending, &QTimer::timeout, [&] {
    if (超级列表框1.RowCount() == 0) return;
    clickWhenAppending.stop();
    service.Answer(ChartPath(), ChartAnswer(NumberedSongs("新歌", 30, 5000)));
    ClickChartButton(view, state, Chart::kNew);
  });
  clickWhenAppending.start();
  ClickChartButton(view, state, Chart::kHot);
  ASSERT_TRUE(WaitForRequests());

  ASSERT_EQ(超级列表框1.RowCount(), 80);
  for (int row = 0; row < 80; ++row) {
    EXPECT_EQ(Cell(row, 0), std::to_string(row + 1));
    EXPECT_EQ(Cell(row, 1),
              row < 50 ? "热歌 " + std::to_string(row + 1) : "新歌 " + std::to_string(row - 49));
  }
  EXPECT_TRUE(按钮4.IsDisabled() && 按钮5.IsDisabled());
}

TEST_F(ChartListsTest, AChartThatBroughtNoSongsCanBeClickedAgain) {
  // Not a chart: an answer the unescape step refuses.
  service.Answer(ChartPath(), ChartAnswer(NumberedSongs("s", 2)) + "\\");
  ClickChartButton(view, state, Chart::kOld);
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(超级列表框1.RowCount(), 0);
  EXPECT_TRUE(state.ResponseText.empty());
  EXPECT_FALSE(按钮6.IsDisabled());

  // No answer at all.
  const std::string working = service.HostPort();
  UseService(ClosedHostPort());
  ClickChartButton(view, state, Chart::kHotSearches);
  EXPECT_TRUE(按钮7.IsDisabled());  // while the request is under way
  ASSERT_TRUE(WaitForRequests());
  EXPECT_FALSE(按钮7.IsDisabled());
  EXPECT_EQ(超级列表框1.RowCount(), 0);

  // The retry loads the chart, and then the button stays disabled.
  UseService(working);
  service.Answer(ChartPath(), ChartAnswer(NumberedSongs("热搜", 3)));
  ClickChartButton(view, state, Chart::kHotSearches);
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(超级列表框1.RowCount(), 3);
  EXPECT_TRUE(按钮7.IsDisabled());
}

}  // namespace
}  // namespace vexo::test
