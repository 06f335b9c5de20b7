// A listener's own music folder served whole: every format listed with its
// true names and served in its own type, legacy GBK tags decoded (and found
// by search) while real Latin-1 stays, lyrics and pictures kept inside the
// files served, and the singer-picture order.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "listener_folder.h"
#include "player_view.h"
#include "raw_http.h"
#include "service/catalogue_server.h"
#include "service/embedded_media.h"
#include "service/utf8.h"
#include "test_library.h"

namespace vexo::service {
namespace {

using testing::Get;
using testing::ListenerSong;

constexpr const char* kChartAll = "/ajax/x/ttpod?id=111&page=1&size=100";

std::string Encoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : text) {
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  return out;
}

class ListenerService : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CatalogueServer>();
    ServerOptions options;
    options.warning_log = [](const std::string& warning) { warnings_.push_back(warning); };
    options.watch_folder = false;
    ASSERT_TRUE(
        server_->Start("127.0.0.1", 0, LibrarySource::Folder(testing::ListenerFolder()), options));
    ASSERT_TRUE(server_->WaitUntilLoaded(std::chrono::seconds(60)));
    const auto chart = Get(server_->Port(), kChartAll);
    ASSERT_EQ(chart.status, 200);
    for (auto& row : testing::MatchSongRows(testing::DecodeChartAnswer(chart.body)))
      rows_[row.name] = row;
  }
  static void TearDownTestSuite() { server_.reset(); }
  static int Port() { return server_->Port(); }

  // The lyric lines of the song named `name`; empty when it has none.
  static std::vector<std::string> Lyrics(const std::string& name) {
    const auto reply =
        Get(Port(), "/lrc/down?artist=&title=&song_id=" + rows_.at(name).id + "&callback=cb");
    EXPECT_EQ(reply.status, 200);
    auto text = testing::TextBetween(reply.body, "{\"lrc\":\"", "好音质");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\\n", start)) != std::string::npos;
         start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  // The picture address the service gives for `singer`.
  static std::string PictureAddress(const std::string& singer) {
    const auto reply = Get(Port(), "/pic/down?artist=" + Encoded(singer) + "&callback=cb");
    return testing::TextBetween(reply.body, "{\"singerPic\":\"", "\"}}");
  }

  static std::unique_ptr<CatalogueServer> server_;
  static std::vector<std::string> warnings_;
  static std::map<std::string, testing::SongRow> rows_;
};

std::unique_ptr<CatalogueServer> ListenerService::server_;
std::vector<std::string> ListenerService::warnings_;
std::map<std::string, testing::SongRow> ListenerService::rows_;

TEST_F(ListenerService, EveryFormatIsListedWithItsNamesAndServedInItsOwnType) {
  const std::map<std::string, std::string> types{{"mp3", "audio/mpeg"},  {"flac", "audio/flac"},
                                                 {"ogg", "audio/ogg"},   {"opus", "audio/ogg"},
                                                 {"m4a", "audio/mp4"},   {"wav", "audio/wav"},
                                                 {"aiff", "audio/aiff"}, {"wv", "audio/x-wavpack"},
                                                 {"ape", "audio/x-ape"}, {"wma", "audio/x-ms-wma"}};
  EXPECT_TRUE(warnings_.empty()) << warnings_.front();
  ASSERT_EQ(rows_.size(), testing::ListenerSongs().size());
  const auto chart = Get(Port(), kChartAll).body;
  for (const ListenerSong& song : testing::ListenerSongs()) {
    SCOPED_TRACE(song.name);
    ASSERT_EQ(rows_.count(song.name), 1u);
    const auto& row = rows_.at(song.name);
    EXPECT_EQ(row.singer, song.singer);
    EXPECT_TRUE(row.url.ends_with("/song/" + row.id + "." + song.format)) << row.url;
    EXPECT_NE(chart.find("\"format\":\"" + song.format + "\""), std::string::npos);
    const auto file = Get(Port(), row.url.substr(row.url.find("/song/")));
    ASSERT_EQ(file.status, 200);
    EXPECT_EQ(file.Header("content-type"), types.at(song.format));
    std::ifstream in(testing::ListenerFolder() / song.file, std::ios::binary);
    EXPECT_EQ(file.body, std::string(std::istreambuf_iterator<char>(in), {}));
  }
  // An address with an extension no format has is refused; one with another
  // format's extension still serves the song by its id.
  const auto& flac = rows_.at("红豆");
  EXPECT_EQ(Get(Port(), "/song/" + flac.id + ".exe").status, 404);
  EXPECT_EQ(Get(Port(), "/song/" + flac.id + ".mp3").Header("content-type"), "audio/flac");
}

TEST_F(ListenerService, GbkTagsAndNamesReadInChineseAndSearchFindsThem) {
  // ID3v1 and ID3v2.3 Latin-1 frames holding GBK bytes, a GBK file name.
  for (const char* name : {"青花瓷", "稻香", "吻别"})
    EXPECT_EQ(rows_.count(name), 1u) << name;
  EXPECT_EQ(rows_.at("吻别").singer, "张学友");
  const auto found = Get(
      Port(), "/s/song_with_out?q=" + Encoded("青花") + "&page=1&size=10&callback=jsonp_search");
  const auto rows = testing::MatchSongRows(found.body);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].singer, "周杰伦");
  // Real Latin-1 stays Latin-1.
  EXPECT_EQ(rows_.count("Café"), 1u);
  EXPECT_EQ(rows_.at("Café").singer, "Plain Band");
}

TEST_F(ListenerService, EmbeddedTimedLyricsAreServedUnlessASidecarWinsOrTheyHaveNoTimes) {
  const std::vector<std::string> timed{"[00:00.50]第一句", "[00:01.00]第二句"};
  EXPECT_EQ(Lyrics("十年"), timed);    // USLT, UTF-16
  EXPECT_EQ(Lyrics("稻香"), timed);    // USLT marked Latin-1, GBK bytes
  EXPECT_EQ(Lyrics("红豆"), timed);    // FLAC LYRICS comment
  EXPECT_EQ(Lyrics("小幸运"), timed);  // MP4 ©lyr
  EXPECT_EQ(Lyrics("月亮代表我的心"),  // SYLT turned into LRC lines
            (std::vector<std::string>{"[00:00.50]月亮", "[01:01.25]代表"}));
  EXPECT_EQ(Lyrics("光年之外"), std::vector<std::string>{"[00:00.10]旁边的歌词"});
  EXPECT_TRUE(Lyrics("后来").empty());  // no time tag anywhere
}

TEST_F(ListenerService, EmbeddedCoversAreServedAsSingerPictures) {
  for (const auto& [singer, bytes] :
       {std::pair<std::string, std::size_t>{"陈奕迅", 2048}, {"王菲", 1024}, {"田馥甄", 512}}) {
    SCOPED_TRACE(singer);
    const auto address = PictureAddress(singer);
    ASSERT_TRUE(address.ends_with(".jpg")) << address;
    const auto picture = Get(Port(), address.substr(address.find("/picture/")));
    ASSERT_EQ(picture.status, 200);
    EXPECT_EQ(picture.Header("content-type"), "image/jpeg");
    EXPECT_EQ(picture.body, testing::FakeJpeg(bytes));
    const auto part =
        Get(Port(), address.substr(address.find("/picture/")), "Range: bytes=4-9\r\n");
    EXPECT_EQ(part.status, 206);
    EXPECT_EQ(part.body, "jjjjjj");
  }
  EXPECT_EQ(PictureAddress("刘若英"), "");
}

// The picture order: named after the singer, "artist.*", an embedded
// cover, then "cover.*" / "folder.*" beside one of their songs.
TEST(SingerPictureOrder, NamedThenArtistThenEmbeddedThenAlbumPicture) {
  namespace fs = std::filesystem;
  const auto folder = testing::MakeTempFolder("vexo-picture-order");
  const auto write = [](const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  };
  // Singer A: a cover beside one song, an embedded cover in another, and a
  // picture named after them in a third folder: the named picture wins.
  write(folder / "a1" / "cover.jpg", testing::FakeJpeg(10));
  testing::WriteTaggedMp3(folder / "a1" / "1.mp3", "a1", "A");
  testing::WriteTaggedMp3(folder / "a2" / "2.mp3", "a2", "A", testing::FakeJpeg(20));
  testing::WriteTaggedMp3(folder / "a3" / "3.mp3", "a3", "A");
  write(folder / "a3" / "A.png", "\x89PNG\r\n\x1A\nA");
  // Singer B: an embedded cover beats a folder picture.
  write(folder / "b1" / "folder.png", "\x89PNG\r\n\x1A\nB");
  testing::WriteTaggedMp3(folder / "b1" / "1.mp3", "b1", "B");
  testing::WriteTaggedMp3(folder / "b2" / "2.mp3", "b2", "B", testing::FakeJpeg(30));
  // Singer C: only a cover beside the song; singer D: a picture over the
  // size limit is ignored.
  write(folder / "c" / "cover.jpg", testing::FakeJpeg(40));
  testing::WriteTaggedMp3(folder / "c" / "1.mp3", "c", "C");
  testing::WriteTaggedMp3(folder / "d" / "1.mp3", "d", "D",
                          testing::FakeJpeg(kMaxEmbeddedPictureBytes + 1));

  CatalogueServer server;
  ASSERT_TRUE(server.Start("127.0.0.1", 0, LibrarySource::Folder(folder)));
  ASSERT_TRUE(server.WaitUntilLoaded(std::chrono::seconds(30)));
  const auto picture = [&](const std::string& singer) {
    const auto reply = Get(server.Port(), "/pic/down?artist=" + singer + "&callback=cb");
    const auto address = testing::TextBetween(reply.body, "{\"singerPic\":\"", "\"}}");
    if (address.empty()) return std::string("<none>");
    return Get(server.Port(), address.substr(address.find("/picture/"))).body;
  };
  EXPECT_EQ(picture("A"), "\x89PNG\r\n\x1A\nA");
  EXPECT_EQ(picture("B"), testing::FakeJpeg(30));
  EXPECT_EQ(picture("C"), testing::FakeJpeg(40));
  EXPECT_EQ(picture("D"), "<none>");
}

}  // namespace
}  // namespace vexo::service
