// The catalogue client against the real catalogue service serving the demo
// library on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "catalogue/chart_lists.h"
#include "catalogue/search_box.h"
#include "catalogue_fixture.h"
#include "net/http_request.h"
#include "platform/system_text.h"
#include "service/catalogue_server.h"

namespace vexo::test {
namespace {

class RealServiceTest : public CatalogueFixture {
 protected:
  RealServiceTest() {
    EXPECT_TRUE(server.Start("127.0.0.1", 0, service::LibrarySource::Demo()));
    EXPECT_TRUE(server.WaitUntilLoaded(std::chrono::seconds(30)));
    UseService(server.Address());
    state.rowDelayMs = 0;
  }
  ~RealServiceTest() override { server.Stop(); }

  service::CatalogueServer server;
};

TEST_F(RealServiceTest, EveryChartListsTheLibraryWithPlayableRows) {
  const int songs = static_cast<int>(server.SongCount());
  ASSERT_GT(songs, 0);
  for (Chart chart : {Chart::kHot, Chart::kNew, Chart::kOld, Chart::kHotSearches}) {
    ClickChartButton(view, state, chart);
    ASSERT_TRUE(WaitForRequests());
  }
  ASSERT_EQ(超级列表框1.RowCount(), 4 * songs);

  std::set<std::string> ids;
  const std::string songBase = "http://" + server.Address() + "/song/";
  for (int row = 0; row < 4 * songs; ++row) {
    EXPECT_EQ(Cell(row, 0), std::to_string(row + 1));
    EXPECT_FALSE(Cell(row, 1).empty());
    EXPECT_FALSE(Cell(row, 2).empty());
    // The URL is the record's own song file.
    EXPECT_EQ(Cell(row, 4), songBase + Cell(row, 3) + ".mp3");
    ids.insert(Cell(row, 3));
  }
  EXPECT_EQ(ids.size(), static_cast<std::size_t>(songs));

  // The row's URL serves an MP3 file.
  const ByteSet file = HttpRequestBytes(超级列表框1.Cell(0, 4));
  ASSERT_GT(file.size(), 3u);
  const bool id3 = file[0] == 'I' && file[1] == 'D' && file[2] == '3';
  const bool frame = file[0] == 0xFF && (file[1] & 0xE0) == 0xE0;
  EXPECT_TRUE(id3 || frame);
}

TEST_F(RealServiceTest, SearchAndSuggestionsFindADemoSong) {
  编辑框1.onContentChanged = [this] { RequestSuggestions(view, state); };
  编辑框1.SetText(Sys("小"));
  ASSERT_TRUE(WaitForRequests());
  EXPECT_TRUE(列表框1.IsVisible());
  EXPECT_EQ(SystemToUtf8(列表框1.ItemText(0)), "小星星");

  编辑框1.SetText(Sys("没有这首歌"));
  ASSERT_TRUE(WaitForRequests());
  EXPECT_FALSE(列表框1.IsVisible());

  编辑框1.SetText(Sys("茉莉花"));
  SearchSongs(view, state);
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(超级列表框1.RowCount(), 1);
  EXPECT_EQ(Cell(0, 1), "茉莉花");
  EXPECT_EQ(Cell(0, 2), "林晓月");
  EXPECT_EQ(Cell(0, 3), "10001");
}

}  // namespace
}  // namespace vexo::test
