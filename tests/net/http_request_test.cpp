#include "net/http_request.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "loopback_server.h"
#include "platform/codepage.h"

namespace vexo {
namespace {

using testing::LoopbackServer;
using testing::RawServer;

std::string Str(const ByteSet& b) {
  return std::string(b.begin(), b.end());
}

std::string RawResponse(const std::string& headers, const std::string& body) {
  return "HTTP/1.1 200 OK\r\n" + headers + "Content-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

TEST(HttpRequest, DefaultCallSendsExactlyTheDefaultHeaderLines) {
  RawServer server(RawResponse("Content-Type: text/plain\r\n", "hello"));
  std::string url = server.Url("/list?type=1&q=%E4%B8%AD");
  HttpRequestOptions options;
  EXPECT_EQ(HttpRequestText(url, options), "hello");
  std::string expected =
      "GET /list?type=1&q=%E4%B8%AD HTTP/1.1\r\n"
      "Host: 127.0.0.1:" +
      std::to_string(server.Port()) +
      "\r\n"
      "User-Agent: " +
      std::string(kDefaultUserAgent) +
      "\r\n"
      "Referer: " +
      url +
      "\r\n"
      "Accept: */*\r\n"
      "Accept-Language: zh-cn\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n\r\n";
  EXPECT_EQ(server.FirstRequest(), expected);
  EXPECT_EQ(options.extraHeaders, "Referer: " + url +
                                      "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                                      "Content-Type: application/x-www-form-urlencoded");
  // No Location header: the location output holds the raw headers.
  EXPECT_EQ(options.receivedHeaders.substr(0, 17), "HTTP/1.1 200 OK\r\n");
  EXPECT_EQ(options.receivedHeaders.substr(options.receivedHeaders.size() - 4), "\r\n\r\n");
  EXPECT_EQ(options.location, options.receivedHeaders);
}

class HttpServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& http = server_.Http();
    http.Get("/echo", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("echo", "text/plain");
    });
    http.Get("/Path", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("upper", "text/plain");
    });
    http.Post("/form", [](const httplib::Request& req, httplib::Response& res) {
      res.set_content("got " + req.body, "text/plain");
    });
    http.Get("/form", [](const httplib::Request& req, httplib::Response& res) {
      res.set_content("get " + req.body, "text/plain");
    });
    http.Get("/r1", [](const httplib::Request&, httplib::Response& res) {
      res.set_redirect("/r2");
      res.set_content("moved once", "text/plain");
    });
    http.Get("/r2", [this](const httplib::Request&, httplib::Response& res) {
      res.set_redirect(server_.Url("/final"));
    });
    http.Get("/final", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("arrived", "text/plain");
    });
    http.Get("/loop",
             [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/loop"); });
    // Each test keeps its cookies under a path of its own (/jar/<name>), so
    // the process-wide cookie store carries nothing from one test to another.
    http.Get(R"(/jar/\w+/set)", [](const httplib::Request& req, httplib::Response& res) {
      res.set_header("Set-Cookie", req.get_param_value("c"));
      res.set_content("set", "text/plain");
    });
    http.Get(R"(/jar/\w+/echo)", [](const httplib::Request& req, httplib::Response& res) {
      res.set_content(req.get_header_value("Cookie"), "text/plain");
    });
    http.Get("/jar/many", [](const httplib::Request&, httplib::Response& res) {
      res.headers.emplace("Set-Cookie", "b=3; Path=/jar/many");
      res.headers.emplace("Set-Cookie", "c=4; Path=/jar/many; HttpOnly");
      res.headers.emplace("Set-Cookie", "d=5");
      res.set_content("many", "text/plain");
    });
    http.Get("/jar/delete", [](const httplib::Request&, httplib::Response& res) {
      res.set_header("Set-Cookie", "a=deleted; Path=/jar/many");
      res.set_content("gone", "text/plain");
    });
    http.Get("/big-headers", [](const httplib::Request&, httplib::Response& res) {
      res.set_header("X-Filler", std::string(kResponseHeaderCapacity, 'f'));
      res.set_header("Set-Cookie", "big=1; Path=/jar/big");
      res.set_content("\xE6\xA0\x87 only the headers name the charset",
                      "text/plain; charset=utf-8");
    });
    http.Get("/utf8", [](const httplib::Request& req, httplib::Response& res) {
      std::size_t at = std::stoul(req.get_param_value("at"));  // 1-based marker position
      res.set_content(std::string(at - 1, 'a') + "utf-8 标准", "text/plain");
    });
    http.Get("/utf8-header", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("标准", "text/html; charset=UTF-8");
    });
    http.Get("/nul", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string("before\0after", 12), "application/octet-stream");
    });
    server_.Start();
  }

  std::string Url(const std::string& path) const { return server_.Url(path); }
  LoopbackServer server_;
};

TEST_F(HttpServerTest, SchemeAndHostInCapitalsAndExplicitPorts) {
  std::string port = std::to_string(server_.Port());
  EXPECT_EQ(HttpRequestText("HTTP://127.0.0.1:" + port + "/Path?Q=A"), "upper");
  EXPECT_EQ(HttpRequestText("127.0.0.1:" + port + "/echo?x=1"), "echo");  // no scheme: http
  auto requests = server_.Requests(2);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].target, "/Path?Q=A");
  EXPECT_EQ(requests[0].Header("Host"), "127.0.0.1:" + port);
  EXPECT_EQ(requests[0].Header("Referer"), "HTTP://127.0.0.1:" + port + "/Path?Q=A");
  EXPECT_EQ(requests[1].target, "/echo?x=1");
}

TEST_F(HttpServerTest, ExtraHeadersKeepTheirRefererAndAgent) {
  HttpRequestOptions options;
  options.extraHeaders = "Referer: http://elsewhere/\r\nUser-Agent: VexoTest/1";
  EXPECT_EQ(HttpRequestText(Url("/echo"), options), "echo");
  auto request = server_.Requests(1).at(0);
  EXPECT_EQ(request.Header("Referer"), "http://elsewhere/");
  EXPECT_EQ(request.Header("User-Agent"), "VexoTest/1");
  EXPECT_EQ(request.headers.count("User-Agent"), 1u);
  EXPECT_EQ(request.Header("Accept-Language"), "zh-cn");
  EXPECT_EQ(options.extraHeaders,
            "Referer: http://elsewhere/\r\nUser-Agent: VexoTest/1\r\nAccept: */*\r\n"
            "Accept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
}

TEST_F(HttpServerTest, BodiesAreSentForEveryMethodButZero) {
  HttpRequestOptions post;
  post.method = 1;
  post.postText = "a=1&b=\xD6\xD0";  // system code page bytes go unchanged
  EXPECT_EQ(HttpRequestText(Url("/form"), post), "got a=1&b=\xD6\xD0");

  HttpRequestOptions bytes;
  bytes.method = 1;
  bytes.postText = "ignored";
  bytes.postBytes = {'r', 'a', 'w', 0, '!'};
  EXPECT_EQ(Str(HttpRequestBytes(Url("/form"), bytes)), std::string("got raw\0!", 9));

  auto requests = server_.Requests(2);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
}

TEST(HttpRequestBody, AnyOtherMethodSendsItsBodyWithGet) {
  RawServer server(RawResponse("", "ok"));
  HttpRequestOptions getWithBody;
  getWithBody.method = 2;
  getWithBody.postText = "q=1";
  EXPECT_EQ(HttpRequestText(server.Url("/form"), getWithBody), "ok");
  std::string request = server.FirstRequest();
  EXPECT_EQ(request.substr(0, 20), "GET /form HTTP/1.1\r\n");
  EXPECT_NE(request.find("\r\nContent-Length: 3\r\n"), std::string::npos);
  EXPECT_EQ(request.substr(request.size() - 7), "\r\n\r\nq=1");
}

TEST_F(HttpServerTest, RedirectsAreFollowedUnlessForbidden) {
  HttpRequestOptions follow;
  EXPECT_EQ(HttpRequestText(Url("/r1"), follow), "arrived");
  EXPECT_EQ(follow.receivedHeaders.substr(0, 15), "HTTP/1.1 200 OK");
  EXPECT_EQ(follow.location, follow.receivedHeaders);  // the last response has no Location

  HttpRequestOptions stay;
  stay.forbidRedirect = true;
  EXPECT_EQ(HttpRequestText(Url("/r1"), stay), "moved once");
  EXPECT_EQ(stay.location, "/r2");
  EXPECT_EQ(stay.receivedHeaders.substr(0, 12), "HTTP/1.1 302");

  // An endless chain ends at the hop limit instead of running forever.
  HttpRequestOptions loop;
  EXPECT_EQ(HttpRequestText(Url("/loop"), loop), "");
  EXPECT_EQ(loop.location, "/loop");
  std::size_t expected = 3u + 1u + kMaxRedirects + 1u;
  EXPECT_EQ(server_.Requests(expected).size(), expected);
}

TEST_F(HttpServerTest, ProcessCookieStoreKeepsCookiesUnlessCookiesAreGiven) {
  HttpRequestText(Url("/jar/store/set?c=kept%3D1%3B%20Path%3D%2Fjar%2Fstore"));
  EXPECT_EQ(HttpRequestText(Url("/jar/store/echo")), "kept=1");

  HttpRequestOptions own;
  own.cookies = "mine=2";
  EXPECT_EQ(HttpRequestText(Url("/jar/store/echo"), own), "mine=2");

  HttpRequestOptions none;
  none.cookies = Text();  // given empty: no cookies at all
  EXPECT_EQ(HttpRequestText(Url("/jar/store/echo"), none), "");
  EXPECT_EQ(none.cookies, Text());

  // With cookies given, what the response sets stays out of the store.
  HttpRequestOptions isolated;
  isolated.cookies = Text();
  HttpRequestText(Url("/jar/store/set?c=private%3D9%3B%20Path%3D%2Fjar%2Fstore"), isolated);
  EXPECT_EQ(*isolated.cookies, "private=9");
  EXPECT_EQ(HttpRequestText(Url("/jar/store/echo")), "kept=1");
}

TEST_F(HttpServerTest, ReceivedCookiesMergeIntoGivenCookies) {
  HttpRequestOptions options;
  options.cookies = "a=1; b=2";
  EXPECT_EQ(HttpRequestText(Url("/jar/many"), options), "many");
  EXPECT_EQ(options.receivedCookies, "b=3; c=4; d=5");
  EXPECT_EQ(*options.cookies, "b=3; c=4; d=5; a=1");
  EXPECT_EQ(server_.Requests(1).at(0).Header("Cookie"), "a=1; b=2");

  HttpRequestText(Url("/jar/delete"), options);
  EXPECT_EQ(*options.cookies, "b=3; c=4; d=5");
}

TEST_F(HttpServerTest, OversizedHeadersLeaveSpacesAndTellNothing) {
  HttpRequestOptions options;
  options.cookies = "a=1";
  Text text = HttpRequestText(Url("/big-headers"), options);
  EXPECT_EQ(options.receivedHeaders, std::string(kResponseHeaderCapacity, ' '));
  EXPECT_EQ(options.location, options.receivedHeaders);
  EXPECT_EQ(options.receivedCookies, "");
  EXPECT_EQ(*options.cookies, "a=1");
  // The charset in the unread headers cannot mark the body as UTF-8.
  EXPECT_EQ(text, "\xE6\xA0\x87 only the headers name the charset");
}

TEST_F(HttpServerTest, Utf8IsDetectedInTheFirstBytesOrTheHeaders) {
  EXPECT_EQ(HttpRequestText(Url("/utf8?at=499")), std::string(498, 'a') + "utf-8 \xB1\xEA\xD7\xBC");
  EXPECT_EQ(HttpRequestText(Url("/utf8?at=500")), std::string(499, 'a') + "utf-8 标准");
  EXPECT_EQ(HttpRequestText(Url("/utf8-header")), "\xB1\xEA\xD7\xBC");
  EXPECT_EQ(Str(HttpRequestBytes(Url("/utf8-header"))), "标准");
}

TEST_F(HttpServerTest, TextEndsAtTheFirstNulWhileBytesKeepEverything) {
  EXPECT_EQ(HttpRequestText(Url("/nul")), "before");
  EXPECT_EQ(Str(HttpRequestBytes(Url("/nul"))), std::string("before\0after", 12));
}

TEST_F(HttpServerTest, ConcurrentRequestsFromManyThreads) {
  HttpRequestText(Url("/jar/threads/set?c=shared%3D7%3B%20Path%3D%2Fjar%2Fthreads"));
  std::vector<std::future<Text>> results;
  for (int i = 0; i < 8; ++i) {
    results.push_back(std::async(std::launch::async, [this, i] {
      return HttpRequestText(Url(i % 2 ? "/jar/threads/echo" : "/echo"));
    }));
  }
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(results[i].get(), i % 2 ? "shared=7" : "echo");
}

TEST(HttpRequestProxy, HttpTrafficGoesThroughAGivenProxy) {
  RawServer proxy(RawResponse("", "via proxy"));
  HttpRequestOptions options;
  options.proxy = "127.0.0.1:" + std::to_string(proxy.Port());
  EXPECT_EQ(HttpRequestText("http://music.example.invalid/list?x=1", options), "via proxy");
  std::string request = proxy.FirstRequest();
  EXPECT_EQ(request.substr(0, request.find("\r\n")),
            "GET http://music.example.invalid/list?x=1 HTTP/1.1");
}

TEST(HttpRequestFailure, ASilentServerFailsWithinTheTimeOuts) {
  RawServer server("", true);
  HttpRequestOptions options;
  options.idleTimeout = std::chrono::seconds(1);
  options.extraHeaders = "X-Keep: 1";
  auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(HttpRequestBytes(server.Url("/never"), options).empty());
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  EXPECT_EQ(options.extraHeaders, "X-Keep: 1");  // a failure touches no output
  EXPECT_EQ(options.location, "");
}

// Servers that misbehave on purpose: every text request is bounded in time
// and size, and a broken answer is no answer.
TEST(HttpRequestLimits, ATricklingAnswerFailsAtTheDeadline) {
  // Two bytes every 200 ms never trips the idle time-out.
  testing::RawServer trickling(
      testing::RawBehaviour{.response = RawResponse("", std::string(1000, 'x')),
                            .trickleBytes = 2,
                            .trickleIntervalMs = 200});
  HttpRequestOptions options;
  options.deadline = std::chrono::milliseconds(1500);
  options.extraHeaders = "X-Keep: 1";
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpRequestText(trickling.Url("/chart"), options), "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(options.extraHeaders, "X-Keep: 1");  // a failure touches no output
  EXPECT_EQ(options.receivedHeaders, "");
  EXPECT_GT(trickling.BytesSent(), 0u);
}

TEST(HttpRequestLimits, AnAnswerCutOffMidBodyIsAFailedRequestForBothForms) {
  const std::string body = "\"song_id\":1,\"song_name\":\"a\"";
  // Shorter than announced.
  testing::RawServer shortBody(
      "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nConnection: "
      "close\r\n\r\n" +
      body);
  // Chunked, broken off inside a chunk.
  testing::RawServer cutChunk(
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
      "400\r\n" +
      body);
  for (const testing::RawServer* server : {&shortBody, &cutChunk}) {
    HttpRequestOptions text;
    EXPECT_EQ(HttpRequestText(server->Url("/chart"), text), "");
    EXPECT_EQ(text.receivedHeaders, "");
    HttpRequestOptions bytes;
    EXPECT_TRUE(HttpRequestBytes(server->Url("/picture.png"), bytes).empty());
  }
  // Without an announced length the end of the connection ends the body.
  testing::RawServer unannounced("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body);
  EXPECT_EQ(HttpRequestText(unannounced.Url("/chart")), body);
}

TEST(HttpRequestLimits, AnAnswerOverTheSizeLimitFailsAndIsReadNoFurther) {
  constexpr std::size_t kOversized = 4 * kTextAnswerLimit;
  const std::string head = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
  // Announced: refused before its body is read.
  testing::RawServer announced(head + "Content-Length: " + std::to_string(kOversized) + "\r\n\r\n" +
                               std::string(kOversized, 'a'));
  EXPECT_EQ(HttpRequestText(announced.Url("/chart")), "");
  EXPECT_LT(announced.BytesSent(), kOversized);
  // Unannounced: read up to the limit, then the transfer ends.
  testing::RawServer endless(testing::RawBehaviour{
      .response = head + "\r\n" + std::string(kOversized, 'b'), .trickleBytes = 1 << 20});
  EXPECT_EQ(HttpRequestText(endless.Url("/chart")), "");
  EXPECT_LT(endless.BytesSent(), kOversized);
  // Just under the limit is an answer; a byte request has no limit of its own.
  const std::string underLimit(kTextAnswerLimit - 100, 'c');
  testing::RawServer large(RawResponse("", underLimit));
  EXPECT_EQ(HttpRequestText(large.Url("/chart")).size(), underLimit.size());
  testing::RawServer largeBytes(RawResponse("", std::string(kTextAnswerLimit + 100, 'd')));
  EXPECT_EQ(HttpRequestBytes(largeBytes.Url("/song.mp3")).size(), kTextAnswerLimit + 100);
}

TEST(HttpRequestFailure, NoServerGivesEmptyResults) {
  int port;
  {
    RawServer closed("");
    port = closed.Port();
  }
  HttpRequestOptions options;
  options.cookies = "a=1";
  EXPECT_EQ(HttpRequestText("http://127.0.0.1:" + std::to_string(port) + "/", options), "");
  EXPECT_EQ(*options.cookies, "a=1");
  EXPECT_EQ(options.receivedHeaders, "");
  EXPECT_EQ(HttpRequestText("http:///no-host"), "");
  // A plain http server cannot answer an https request.
  LoopbackServer plain;
  plain.Http().Get("/", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("plain", "text/plain");
  });
  plain.Start();
  EXPECT_TRUE(HttpRequestBytes("https://127.0.0.1:" + std::to_string(plain.Port()) + "/").empty());
}

}  // namespace
}  // namespace vexo
