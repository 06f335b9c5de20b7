// Song and picture files as the player fetches and seeks through them, and
// the requests the server must refuse without stopping.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "raw_http.h"
#include "service/catalogue_server.h"
#include "test_library.h"

namespace vexo::service {
namespace {

using testing::Get;

class ServerFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CatalogueServer>();
    ASSERT_TRUE(server_->Start("127.0.0.1", 0, LibrarySource::Folder(testing::SmallLibrary())));
    ASSERT_TRUE(server_->WaitUntilLoaded(std::chrono::seconds(30)));
    std::ifstream in(testing::SmallLibrary() / "501.mp3", std::ios::binary);
    song_ = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_GT(song_.size(), 1000u);
  }
  static void TearDownTestSuite() { server_.reset(); }
  static int Port() { return server_->Port(); }
  static testing::RawReply Song(const std::string& range) {
    return Get(Port(), "/song/501.mp3", range.empty() ? "" : "Range: " + range + "\r\n");
  }
  // The server still answers an ordinary request.
  static void ExpectStillServing() {
    EXPECT_EQ(Get(Port(), "/suggest.do?q=a&size=5&callback=cb").status, 200);
  }

  static std::unique_ptr<CatalogueServer> server_;
  static std::string song_;
};

std::unique_ptr<CatalogueServer> ServerFiles::server_;
std::string ServerFiles::song_;

TEST_F(ServerFiles, WholeSongWithTypeAndLength) {
  const auto reply = Song("");
  ASSERT_EQ(reply.status, 200);
  EXPECT_EQ(reply.Header("content-type"), "audio/mpeg");
  EXPECT_EQ(reply.Header("content-length"), std::to_string(song_.size()));
  EXPECT_EQ(reply.Header("accept-ranges"), "bytes");
  EXPECT_EQ(reply.body, song_);
}

TEST_F(ServerFiles, RangesServeTheRightBytes) {
  const auto size = song_.size();
  struct Case {
    std::string range;
    std::size_t first, length;
  };
  for (const auto& c : {Case{"bytes=100-199", 100, 100}, Case{"bytes=1000-", 1000, size - 1000},
                        Case{"bytes=-10", size - 10, 10}, Case{"bytes=0-0", 0, 1},
                        Case{"bytes=500-99999999", 500, size - 500}}) {
    const auto reply = Song(c.range);
    ASSERT_EQ(reply.status, 206) << c.range;
    EXPECT_EQ(reply.Header("content-range"), "bytes " + std::to_string(c.first) + "-" +
                                                 std::to_string(c.first + c.length - 1) + "/" +
                                                 std::to_string(size))
        << c.range;
    EXPECT_EQ(reply.Header("content-length"), std::to_string(c.length));
    EXPECT_EQ(reply.body, song_.substr(c.first, c.length)) << c.range;
  }
}

TEST_F(ServerFiles, RangesPastTheEndAre416) {
  for (const auto& range :
       std::vector<std::string>{"bytes=" + std::to_string(song_.size()) + "-", "bytes=-0"}) {
    const auto reply = Song(range);
    EXPECT_EQ(reply.status, 416) << range;
    EXPECT_EQ(reply.Header("content-range"), "bytes */" + std::to_string(song_.size()));
  }
  ExpectStillServing();
}

TEST_F(ServerFiles, FilesAreReachedOnlyByCatalogueId) {
  for (const std::string target :
       {"/song/../../etc/passwd", "/song/%2e%2e/%2e%2e/etc/passwd", "/song/..%2f..%2fetc%2fpasswd",
        "/song/999.mp3", "/song/501.mp3/../../../etc/passwd", "/picture/7.png", "/etc/passwd",
        "/song/501", "/picture/-1.png", "/song/99999999999999999999.mp3"}) {
    const auto reply = Get(Port(), target);
    EXPECT_EQ(reply.status, 404) << target;
    EXPECT_EQ(reply.body.find("root:"), std::string::npos) << target;
  }
  ExpectStillServing();
}

TEST_F(ServerFiles, MalformedRequestsGet4xxAndTheServerGoesOn) {
  struct Case {
    std::string target;
    int status;
  };
  for (const auto& c : {
           Case{"/s/song_with_out?q=%zz&callback=cb", 400},
           Case{"/s/song_with_out?q=%E6%99&callback=cb", 400},  // cut UTF-8 sequence
           Case{"/s/song_with_out?q=%C0%AF&callback=cb", 400},  // overlong "/"
           Case{"/s/song_with_out?q=a%00b&callback=cb", 400},   // NUL byte
           Case{"/s/song_with_out?q=%4&callback=cb", 400},      // short escape
           Case{"/suggest.do?q=a&callback=alert(1)", 400},
           Case{"/suggest.do?q=a&callback=a%3Cscript%3E", 400},
           Case{"/lrc/down?song_id=501&callback=" + std::string(200, 'x'), 400},
           Case{"/pic/down?artist=a&callback=x%22y", 400},
           Case{"/suggest.do?q=a&size=lots&callback=cb", 400},
           Case{"/ajax/x/ttpod?id=111&size=1e3", 400},
           Case{"/nothing/here", 404},
       }) {
    EXPECT_EQ(Get(Port(), c.target).status, c.status) << c.target;
  }
  ExpectStillServing();
}

TEST_F(ServerFiles, OversizeRequestsAreBounded) {
  const std::string long_query = "/s/song_with_out?callback=cb&q=" + std::string(20 * 1024, 'a');
  EXPECT_EQ(Get(Port(), long_query).status, 414);
  EXPECT_EQ(Get(Port(), "/suggest.do?q=a", "X-Filler: " + std::string(9000, 'b') + "\r\n").status,
            431);
  std::string many;
  for (int i = 0; i < 20; ++i)
    many += "X-Filler-" + std::to_string(i) + ": " + std::string(500, 'c') + "\r\n";
  EXPECT_EQ(Get(Port(), "/suggest.do?q=a", many).status, 431);
  EXPECT_EQ(testing::SendRaw(Port(), "GARBAGE\r\n\r\n").status, 400);
  ExpectStillServing();
}

TEST_F(ServerFiles, ConcurrentRequestsAreAllServed) {
  constexpr int kThreads = 12;
  constexpr int kRequestsEach = 10;
  std::vector<std::thread> threads;
  std::vector<int> good(kThreads, 0);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &good] {
      for (int i = 0; i < kRequestsEach; ++i) {
        const auto reply = i % 2 ? Get(Port(), "/song/501.mp3", "Range: bytes=0-99\r\n")
                                 : Get(Port(), "/s/song_with_out?q=rain&callback=cb");
        if (reply.status == (i % 2 ? 206 : 200)) ++good[static_cast<std::size_t>(t)];
      }
    });
  }
  for (auto& thread : threads)
    thread.join();
  for (int t = 0; t < kThreads; ++t)
    EXPECT_EQ(good[static_cast<std::size_t>(t)], kRequestsEach);
}

}  // namespace
}  // namespace vexo::service
