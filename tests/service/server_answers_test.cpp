// The text endpoints against a real server on a loopback port, read the way
// the player reads them.
#include <gtest/gtest.h>

#include <memory>

#include "player_view.h"
#include "raw_http.h"
#include "service/catalogue_server.h"
#include "test_library.h"

namespace vexo::service {
namespace {

using testing::Get;
using testing::MatchSongRows;
using testing::TextBetween;

constexpr auto kLoadLimit = std::chrono::seconds(30);
// The player's own request forms.
constexpr const char* kSuggestCallback = "jQuery18308304068592842668_1425372762077";
constexpr const char* kLyricsCallback = "jQuery18308304068592842668_1425372762082";
constexpr const char* kPictureCallback = "jQuery18308304068592842668_1425372762078";

class ServerAnswers : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CatalogueServer>();
    ASSERT_TRUE(server_->Start("127.0.0.1", 0, LibrarySource::Folder(testing::SmallLibrary()),
                               {.warning_log = [](const std::string& w) { ADD_FAILURE() << w; }}));
    ASSERT_TRUE(server_->WaitUntilLoaded(kLoadLimit));
  }
  static void TearDownTestSuite() { server_.reset(); }

  static int Port() { return server_->Port(); }
  static std::string Base() { return "http://127.0.0.1:" + std::to_string(Port()); }

  static testing::RawReply Chart(int id, const std::string& rest = "&page=1&size=50") {
    return Get(Port(), "/ajax/api.dongting.com/ttpod?id=" + std::to_string(id) + rest);
  }
  static std::vector<std::string> ChartIds(int id) {
    std::vector<std::string> ids;
    for (const auto& row : MatchSongRows(testing::DecodeChartAnswer(Chart(id).body))) {
      ids.push_back(row.id);
    }
    return ids;
  }

  static std::unique_ptr<CatalogueServer> server_;
};

std::unique_ptr<CatalogueServer> ServerAnswers::server_;

TEST_F(ServerAnswers, ChartIsOneEscapedLineThatTheSongPatternCutsIntoRows) {
  const auto reply = Chart(111);
  ASSERT_EQ(reply.status, 200);
  EXPECT_NE(reply.Header("content-type").find("charset=utf-8"), std::string::npos);
  EXPECT_EQ(reply.body.find('\n'), std::string::npos);
  for (const unsigned char c : reply.body)
    ASSERT_LT(c, 0x80) << "non-ASCII byte in the chart";
  EXPECT_EQ(reply.body.find("http://"), std::string::npos) << "slashes must be written \\/";

  const auto rows = MatchSongRows(testing::DecodeChartAnswer(reply.body));
  ASSERT_EQ(rows.size(), 4u);
  // Hot chart: most played first.
  EXPECT_EQ(rows[0].id, "502");
  EXPECT_EQ(rows[0].name, "晴天娃娃");
  EXPECT_EQ(rows[0].singer, "Rain Band");
  EXPECT_EQ(rows[0].url, Base() + "/song/502.mp3");
  EXPECT_EQ(rows[1].id, "501");
  EXPECT_EQ(rows[1].singer, "测试歌手");
  // The odd name survives the player's decoding whole: quote, backslash,
  // percent sign, apostrophe, a character beyond U+FFFF and a slash.
  EXPECT_EQ(rows[3].id, "503");
  EXPECT_EQ(rows[3].name, testing::kOddName);
}

TEST_F(ServerAnswers, EachChartOrdersTheLibraryItsOwnWay) {
  EXPECT_EQ(ChartIds(112), (std::vector<std::string>{"503", "501", "502", "504"}));  // newest
  EXPECT_EQ(ChartIds(943), (std::vector<std::string>{"504", "502", "501", "503"}));  // oldest
  // Hot searches: by search count; 503 and 502 keep theirs from the library.
  const auto searched = ChartIds(969);
  ASSERT_EQ(searched.size(), 4u);
  EXPECT_EQ(searched[0], "502");
}

TEST_F(ServerAnswers, ChartPagingAndUnknownCharts) {
  const auto second = MatchSongRows(testing::DecodeChartAnswer(Chart(111, "&page=2&size=3").body));
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].id, "503");
  EXPECT_TRUE(MatchSongRows(testing::DecodeChartAnswer(Chart(111, "&page=9&size=3").body)).empty());
  // A size beyond the limit is held to it rather than refused.
  EXPECT_EQ(Chart(111, "&page=1&size=100000").status, 200);

  const auto unknown = Chart(5);
  EXPECT_EQ(unknown.status, 200);
  EXPECT_NE(unknown.body.find("\"data\":[]"), std::string::npos);
  EXPECT_EQ(Get(Port(), "/ajax/x/ttpod?id=hot").status, 400);
  EXPECT_EQ(Get(Port(), "/ajax/x/ttpod").status, 400);
  EXPECT_EQ(Get(Port(), "/ajax/x/ttpod?id=111&page=-1").status, 400);
  EXPECT_EQ(Get(Port(), "/ajax/a/b/ttpod?id=111").status, 404);
}

TEST_F(ServerAnswers, SearchIsPlainJsonpRankedBestFirst) {
  // 晴天 as the player encodes it.
  const auto reply =
      Get(Port(), "/s/song_with_out?q=%E6%99%B4%E5%A4%A9&page=1&size=10&callback=jsonp_search");
  ASSERT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body.rfind("jsonp_search(", 0), 0u);
  EXPECT_EQ(reply.body.back(), ')');
  EXPECT_EQ(reply.body.find("\\u"), std::string::npos);
  const auto rows = MatchSongRows(reply.body);
  ASSERT_EQ(rows.size(), 2u);
  // The exact name comes before the more played song it only begins.
  EXPECT_EQ(rows[0].id, "501");
  EXPECT_EQ(rows[0].name, "晴天");
  EXPECT_EQ(rows[0].singer, "测试歌手");
  EXPECT_EQ(rows[0].url, Base() + "/song/501.mp3");
  EXPECT_EQ(rows[1].id, "502");
}

TEST_F(ServerAnswers, SearchMatchesSingersAndIgnoresLetterCase) {
  const auto rows =
      MatchSongRows(Get(Port(), "/s/song_with_out?q=rain&page=1&size=10&callback=cb").body);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].id, "504");  // name contains "Rain"; singers come after
  EXPECT_EQ(Get(Port(), "/s/song_with_out?q=%20&page=1&size=1&callback=jsonp_search").body,
            "jsonp_search({\"code\":1,\"q\":\" \",\"page\":1,\"size\":1,\"total\":0,\"data\":[]})");
  EXPECT_TRUE(MatchSongRows(Get(Port(), "/s/song_with_out?q=&callback=cb").body).empty());
  EXPECT_TRUE(MatchSongRows(Get(Port(), "/s/song_with_out?q=nothing&callback=cb").body).empty());
}

TEST_F(ServerAnswers, SuggestionsCarryThePlayersMarkers) {
  const std::string suffix = std::string("&size=5&callback=") + kSuggestCallback;
  const auto some = Get(Port(), "/suggest.do?q=%E6%99%B4" + suffix);  // 晴
  ASSERT_EQ(some.status, 200);
  EXPECT_EQ(some.body.find("\"data\":[]})"), std::string::npos);
  EXPECT_EQ(TextBetween(some.body, "\"data\":[\"", "\",\""), "晴天娃娃");  // more played first

  // Names before singers only by popularity; a text that merely contains
  // the query comes after every text that starts with it.
  const auto rain = Get(Port(), "/suggest.do?q=RAIN" + suffix).body;
  EXPECT_LT(rain.find("Rain Band"), rain.find("Blue Rain"));

  for (const std::string q : {"zzz", "", "%20"}) {
    const auto none = Get(Port(), "/suggest.do?q=" + q + suffix);
    ASSERT_EQ(none.status, 200);
    EXPECT_TRUE(none.body.ends_with("\"data\":[]})")) << none.body;
  }
}

TEST_F(ServerAnswers, LyricsAnswerHoldsTheLrcBetweenTheMarkers) {
  const std::string tail = std::string("&code=e3c7a91&callback=") + kLyricsCallback;
  const auto reply = Get(Port(), "/lrc/down?lrcid=&artist=x&title=y&song_id=501" + tail);
  ASSERT_EQ(reply.status, 200);
  const auto lyrics = TextBetween(reply.body, "{\"lrc\":", "好音质,天天动听!");
  ASSERT_FALSE(lyrics.empty());
  EXPECT_EQ(lyrics.find("\\u"), std::string::npos);
  EXPECT_NE(lyrics.find("[ti:晴天]\\n[ar:测试歌手]"), std::string::npos);
  EXPECT_NE(lyrics.find("]第一行歌词\\n"), std::string::npos);
  EXPECT_TRUE(lyrics.ends_with("\\n")) << "the slogan follows the last line";

  // Without an id that is known, by singer and title (letter case ignored).
  const auto by_title =
      Get(Port(),
          "/lrc/down?lrcid=&artist=%E6%B5%8B%E8%AF%95%E6%AD%8C%E6%89%8B&title=blue%20rain"
          "&song_id=" +
              tail);
  EXPECT_NE(by_title.body.find("[ti:Blue Rain]"), std::string::npos);

  for (const std::string song : {"503", "999", ""}) {
    const auto none = Get(Port(), "/lrc/down?lrcid=&artist=&title=&song_id=" + song + tail);
    EXPECT_EQ(none.status, 200);
    EXPECT_EQ(none.body.find("{\"lrc\":"), std::string::npos) << song;
  }
}

TEST_F(ServerAnswers, PictureAnswerGivesAnAddressThatServesTheImage) {
  const std::string tail =
      std::string("&rand=&code=-2000&callback=") + kPictureCallback + "&_=1425373053634";
  const auto reply = Get(Port(), "/pic/down?artist=%E6%B5%8B%E8%AF%95%E6%AD%8C%E6%89%8B" + tail);
  const auto address = TextBetween(reply.body, "{\"singerPic\":\"", "\"}}");
  ASSERT_TRUE(address.starts_with(Base() + "/picture/")) << reply.body;
  const auto picture = Get(Port(), address.substr(Base().size()));
  EXPECT_EQ(picture.status, 200);
  EXPECT_EQ(picture.Header("content-type"), "image/png");
  EXPECT_TRUE(picture.body.starts_with("\x89PNG"));

  for (const std::string artist : {"Rain%20Band", "", "nobody"}) {
    const auto none = Get(Port(), "/pic/down?artist=" + artist + tail);
    EXPECT_NE(none.body.find("{\"singerPic\":\"\"}}"), std::string::npos) << artist;
  }
}

TEST_F(ServerAnswers, AbsoluteAddressesFollowTheHostHeader) {
  const auto chart = Get(Port(), "/ajax/x/ttpod?id=111&page=1&size=1", {}, "music.example:8080");
  const auto rows = MatchSongRows(testing::DecodeChartAnswer(chart.body));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].url, "http://music.example:8080/song/502.mp3");
  const auto picture = Get(
      Port(), "/pic/down?artist=%E6%B5%8B%E8%AF%95%E6%AD%8C%E6%89%8B&callback=cb", {}, "[::1]:9");
  EXPECT_NE(picture.body.find("\"http://[::1]:9/picture/"), std::string::npos);
  // A Host that could smuggle text into an answer is refused.
  EXPECT_EQ(Get(Port(), "/ajax/x/ttpod?id=111", {}, "evil\"host").status, 400);
  EXPECT_EQ(Get(Port(), "/ajax/x/ttpod?id=111", {}, "a/b").status, 400);
  EXPECT_EQ(
      testing::SendRaw(Port(), "GET /ajax/x/ttpod?id=111 HTTP/1.1\r\nConnection: close\r\n\r\n")
          .status,
      400);
}

}  // namespace
}  // namespace vexo::service
