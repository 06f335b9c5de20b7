// The window keeps working while chart, search and suggestion requests wait
// on the network, and while a worker's message box waits for the user.
#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "../support/paint_counter.h"
#include "canned_service.h"
#include "catalogue/chart_lists.h"
#include "catalogue/search_box.h"
#include "catalogue_fixture.h"
#include "loopback_server.h"
#include "platform/controls/message_box.h"
#include "platform/system_text.h"
#include "song_answers.h"

namespace vexo::test {
namespace {

// Painting a window hands image work to Qt's pooled threads, whose hand-over
// ThreadSanitizer cannot see; under it the window stays hidden.
#if defined(__SANITIZE_THREAD__)
constexpr bool kPaintsWindows = false;
#else
constexpr bool kPaintsWindows = true;
#endif

using ResponsiveWindow = CatalogueFixture;

TEST_F(ResponsiveWindow, RepaintsAndTakesClicksWhileAChartRequestHangs) {
  // A service that accepts the connection and never answers.
  auto silent = std::make_unique<testing::RawServer>("", true);
  UseService("127.0.0.1:" + std::to_string(silent->Port()));
  if (kPaintsWindows) window.ShowCentred();
  ClickChartButton(view, state, Chart::kHot);
  // The click has returned with its request still waiting.
  EXPECT_EQ(state.requestsInFlight, 1);
  EXPECT_TRUE(按钮4.IsDisabled());

  if (kPaintsWindows) {
    PaintCounter counter;
    超级列表框1.Widget()->installEventFilter(&counter);
    超级列表框1.Widget()->update();
    EXPECT_TRUE(WaitUntil([&] { return counter.paints > 0; }));
  }
  int ticks = 0;
  QTimer ticking;
  QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
  ticking.start(1);
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 10; }));
  bool clicked = false;
  按钮5.onClick = [&] { clicked = true; };
  QTest::mouseClick(按钮5.Widget(), Qt::LeftButton);
  EXPECT_TRUE(clicked);
  // Typing asks for suggestions, which wait as well.
  编辑框1.onContentChanged = [this] { RequestSuggestions(view, state); };
  编辑框1.SetText(Sys("晴"));
  EXPECT_EQ(state.requestsInFlight, 2);
  EXPECT_EQ(超级列表框1.RowCount(), 0);

  // The service goes away: both requests fail, and the chart can be retried.
  silent.reset();
  ASSERT_TRUE(WaitForRequests());
  EXPECT_FALSE(按钮4.IsDisabled());
  EXPECT_FALSE(列表框1.IsVisible());
  EXPECT_EQ(超级列表框1.RowCount(), 0);
}

TEST_F(ResponsiveWindow, AChartAppendsRowByRowWhileAWorkersBoxWaitsForTheUser) {
  CannedService service;
  service.Answer(std::string("/ajax/") + kUpstreamChartHost + "/ttpod",
                 ChartAnswer(NumberedSongs("热歌", 50)));
  UseService(service.HostPort());
  QTimer safety;  // a failing test ends instead of hanging on the box
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] {
    if (QMessageBox* box = OpenMessageBox()) box->reject();
  });
  safety.start(20000);

  std::atomic<int> answer{-1};
  std::thread worker([&] { answer = ShowMessage(Sys("下载成功")); });
  ASSERT_TRUE(WaitUntil([] { return OpenMessageBox() != nullptr; }));
  ClickChartButton(view, state, Chart::kHot);
  ASSERT_TRUE(
      WaitUntil([&] { return 超级列表框1.RowCount() == 50 && state.requestsInFlight == 0; }));
  EXPECT_NE(OpenMessageBox(), nullptr) << "the rows came only once the box was closed";
  EXPECT_EQ(answer.load(), -1);
  EXPECT_EQ(Cell(49, 0), "50");

  AnswerNextMessageBox(QMessageBox::Ok);
  ASSERT_TRUE(WaitUntil([&] { return answer.load() != -1; }));
  worker.join();
  EXPECT_EQ(answer.load(), 0);
}

}  // namespace
}  // namespace vexo::test
