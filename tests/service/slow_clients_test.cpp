// The service against slow and greedy clients: connections that trickle
// their request heads, one address holding many connections, and requests
// with methods or bodies the service does not take. Each is answered or let
// go on its own while a normal client beside them is served.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

#include "raw_http.h"
#include "service/catalogue_server.h"
#include "service/connection_caps.h"
#include "service/http_server.h"
#include "service/service_constants.h"
#include "test_library.h"

namespace vexo::service {
namespace {

using namespace std::chrono_literals;
using testing::Connect;
using testing::ReadReply;
using testing::SendAll;

constexpr auto kLoadLimit = 30s;
// An answer the server gives at once arrives well within this; one that
// waits for a read to time out does not.
constexpr auto kPromptly = 2s;
constexpr int kSlowAddresses = 4;
constexpr int kSlowEach = 50;
constexpr const char* kSuggest = "/suggest.do?q=%E6%99%B4&size=5&callback=cb";

class SlowClients : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CatalogueServer>();
    ASSERT_TRUE(server_->Start("127.0.0.1", 0, LibrarySource::Folder(testing::SmallLibrary())));
    ASSERT_TRUE(server_->WaitUntilLoaded(kLoadLimit));
  }
  static void TearDownTestSuite() { server_.reset(); }
  void TearDown() override {
    for (const int fd : open_)
      ::close(fd);
  }

  static int Port() { return server_->Port(); }
  int Open(const std::string& source = {}) {
    const int fd = Connect(Port(), source);
    EXPECT_GE(fd, 0) << source;
    if (fd >= 0) open_.push_back(fd);
    return fd;
  }

  static std::unique_ptr<CatalogueServer> server_;
  std::vector<int> open_;
};

std::unique_ptr<CatalogueServer> SlowClients::server_;

TEST_F(SlowClients, TricklingHeadsKeepNobodyWaitingAndAreLetGoAtTheDeadline) {
  std::vector<int> slow;
  for (int a = 0; a < kSlowAddresses; ++a) {
    for (int i = 0; i < kSlowEach; ++i) {
      const int fd = Open("127.0.0." + std::to_string(a + 2));
      ASSERT_GE(fd, 0);
      ASSERT_TRUE(SendAll(fd, "GET /s/song_with_out?q="));
      slow.push_back(fd);
    }
  }
  for (const int fd : slow)
    SendAll(fd, "a");  // one more byte each, as a trickle goes
  for (int i = 0; i < 20; ++i) {
    const auto reply = testing::Get(Port(), kSuggest);
    ASSERT_EQ(reply.status, 200) << "request " << i << " beside " << slow.size() << " slow heads";
    EXPECT_NE(reply.body.find("晴天"), std::string::npos);
  }
  // None of the slow heads is ever complete: each connection is ended once
  // the head deadline has passed.
  for (const int fd : slow)
    ASSERT_TRUE(testing::EndsWithin(fd, kHeadDeadline + 10s));
  EXPECT_EQ(testing::Get(Port(), kSuggest).status, 200);
}

TEST_F(SlowClients, OneAddressGetsItsShareAndThenAnImmediate503) {
  const std::string greedy = "127.0.0.9";
  std::vector<int> held;
  for (std::size_t i = 0; i < kMaxConnectionsPerAddress; ++i)
    held.push_back(Open(greedy));
  // Each held connection is served while it has its place.
  ASSERT_TRUE(SendAll(held[0], "GET " + std::string(kSuggest) + " HTTP/1.1\r\nHost: h\r\n\r\n"));
  EXPECT_EQ(ReadReply(held[0], 10s).status, 200);

  const int over = Open(greedy);
  SendAll(over, "GET " + std::string(kSuggest) + " HTTP/1.1\r\nHost: h\r\n\r\n");
  const auto refused = ReadReply(over, kPromptly);
  EXPECT_EQ(refused.status, 503);
  EXPECT_EQ(refused.Header("retry-after"), std::to_string(kRetryAfterSeconds));
  // Another address is served meanwhile.
  EXPECT_EQ(testing::Get(Port(), kSuggest).status, 200);

  // A place given back is a place again.
  ::shutdown(held.back(), SHUT_RDWR);
  EXPECT_TRUE(testing::WaitFor(
      [&] {
        const int fd = Connect(Port(), greedy);
        SendAll(fd, "GET " + std::string(kSuggest) +
                        " HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
        const auto reply = ReadReply(fd, 10s);
        ::close(fd);
        return reply.status == 200;
      },
      10s));
}

TEST_F(SlowClients, MethodsAndBodiesTheServiceDoesNotTakeAreRefusedAtOnce) {
  struct Case {
    std::string head;
    int status;
  };
  for (const auto& c : {
           Case{"POST /s/song_with_out?q=a HTTP/1.1\r\nHost: h\r\n\r\n", 405},
           Case{"PUT /song/501.mp3 HTTP/1.1\r\nHost: h\r\n\r\n", 405},
           Case{"PATCH /suggest.do HTTP/1.1\r\nHost: h\r\n\r\n", 405},
           Case{"DELETE /song/501.mp3 HTTP/1.1\r\nHost: h\r\n\r\n", 405},
           // A body announced but never sent is not waited for.
           Case{"POST /suggest.do HTTP/1.1\r\nHost: h\r\nContent-Length: 100\r\n\r\n", 405},
           Case{"GET /suggest.do?q=a HTTP/1.1\r\nHost: h\r\nTransfer-Encoding: chunked\r\n\r\n",
                411},
           Case{"GET /suggest.do?q=a HTTP/1.1\r\nHost: h\r\nContent-Length: 5\r\n\r\nhello", 413},
       }) {
    const int fd = Open();
    ASSERT_TRUE(SendAll(fd, c.head));
    const auto reply = ReadReply(fd, kPromptly);
    EXPECT_EQ(reply.status, c.status) << c.head;
    if (c.status == 405) {
      EXPECT_EQ(reply.Header("allow"), "GET, HEAD");
    }
    EXPECT_EQ(reply.Header("connection"), "close") << c.head;
  }
  // A HEAD request is answered with the length and no body, on a connection
  // that stays open for the next request.
  const int fd = Open();
  ASSERT_TRUE(SendAll(fd, "HEAD /song/501.mp3 HTTP/1.1\r\nHost: h\r\n\r\n"));
  const auto head = ReadReply(fd, 1s);  // no body follows: the read waits it out
  EXPECT_EQ(head.status, 200);
  EXPECT_GT(std::stoul(head.Header("content-length")), 0u);
  EXPECT_TRUE(head.body.empty());
  ASSERT_TRUE(SendAll(fd, "GET " + std::string(kSuggest) + " HTTP/1.1\r\nHost: h\r\n\r\n"));
  EXPECT_EQ(ReadReply(fd, 10s).status, 200);
}

TEST(HttpServerStop, AnAnswerStillBeingWorkedOutIsSentBeforeTheServerStops) {
  // Left to leak if Stop() never returns, so the thread that runs it stays
  // valid while the test fails.
  auto* server = new HttpServer;
  ASSERT_TRUE(server->Bind("127.0.0.1", 0));
  const int port = server->Port();
  std::mutex mutex;
  std::condition_variable changed;
  bool working = false;
  bool release = false;
  server->Start(
      [&](const HttpRequest&) {
        std::unique_lock lock(mutex);
        working = true;
        changed.notify_all();
        changed.wait(lock, [&] { return release; });
        HttpResponse response;
        response.body = "late answer";
        return response;
      },
      nullptr);
  auto reply = std::async(std::launch::async, [&] { return testing::Get(port, "/slow"); });
  {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, 10s, [&] { return working; }));
  }
  auto stopped = std::async(std::launch::async, [server] { server->Stop(); });
  // Once nothing accepts any more, the event loop has nothing of its own
  // left to do while the answer is still being worked out.
  ASSERT_TRUE(testing::WaitFor([&] { return Connect(port) < 0; }, 10s));
  {
    std::lock_guard lock(mutex);
    release = true;
  }
  changed.notify_all();
  EXPECT_EQ(reply.get().body, "late answer");
  ASSERT_EQ(stopped.wait_for(20s), std::future_status::ready) << "Stop() did not return";
  delete server;
}

TEST(ConnectionCapsCount, TotalAndPerAddressPlacesAreKeptAndGivenBack) {
  ConnectionCaps caps(3, 2);
  EXPECT_TRUE(caps.Admit("a"));
  EXPECT_TRUE(caps.Admit("a"));
  EXPECT_FALSE(caps.Admit("a"));
  EXPECT_TRUE(caps.Admit("b"));
  EXPECT_FALSE(caps.Admit("c"));  // all three places taken
  EXPECT_EQ(caps.Open(), 3u);
  caps.Release("a");
  EXPECT_TRUE(caps.Admit("c"));
  caps.Release("unknown");  // nothing to give back
  EXPECT_EQ(caps.Open(), 3u);
}

}  // namespace
}  // namespace vexo::service
