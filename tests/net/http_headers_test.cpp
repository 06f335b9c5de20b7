#include "net/http_headers.h"

#include <gtest/gtest.h>

#include "net/http_request_plan.h"

namespace vexo {
namespace {

TEST(RequestHeaders, OnlyMissingLinesAreAdded) {
  EXPECT_EQ(CompleteRequestHeaders("X-A: 1\r\nAccept: text/html\r\nContent-Type: text/plain",
                                   "http://h/", "a=1; b=2"),
            "X-A: 1\r\nAccept: text/html\r\nContent-Type: text/plain\r\nReferer: http://h/\r\n"
            "Accept-Language: zh-cn\r\nCookie: a=1; b=2");
}

TEST(RequestPlan, FlagsFollowSchemeCookiesAndRedirectRule) {
  HttpRequestOptions options;
  HttpRequestPlan http = PlanHttpRequest("http://h/p?q=1", options);
  EXPECT_EQ(http.flags, kFlagReload | kFlagNeedFile | kFlagIgnoreRedirectToHttps);
  EXPECT_EQ(http.flags, 0x80004010u);
  EXPECT_EQ(http.verb, "GET");
  EXPECT_EQ(http.agent, kDefaultUserAgent);
  EXPECT_EQ(http.accessType, kAccessDirect);
  EXPECT_EQ(http.proxyList, "");

  HttpRequestPlan https = PlanHttpRequest("HTTPS://WWW.EXAMPLE.COM", options);
  EXPECT_EQ(https.flags, kFlagReload | kFlagNeedFile | kFlagSecure);
  EXPECT_EQ(https.host, "www.example.com");
  EXPECT_EQ(https.port, 443);
  EXPECT_EQ(https.path, "/");

  options.cookies = Text();  // given, even though empty
  options.forbidRedirect = true;
  options.method = 2;
  HttpRequestPlan both = PlanHttpRequest("http://h/", options);
  EXPECT_EQ(both.flags & (kFlagNoCookies | kFlagNoAutoRedirect),
            kFlagNoCookies | kFlagNoAutoRedirect);
  EXPECT_EQ(both.verb, "GET");
  EXPECT_EQ(both.headers.find("Cookie:"), Text::npos);
  options.method = 1;
  EXPECT_EQ(PlanHttpRequest("http://h/", options).verb, "POST");
}

TEST(RequestPlan, ProxyIsUsedWheneverGiven) {
  HttpRequestOptions options;
  options.proxy = Text();
  EXPECT_EQ(PlanHttpRequest("http://h/", options).accessType, kAccessProxy);
  EXPECT_EQ(PlanHttpRequest("http://h/", options).proxyList, "http=");
  options.proxy = "proxy.lan:3128";
  EXPECT_EQ(PlanHttpRequest("http://h/", options).proxyList, "http=proxy.lan:3128");
}

TEST(RequestPlan, AgentComesFromAUserAgentLine) {
  HttpRequestOptions options;
  options.extraHeaders = "user-agent:  Vexo/1 \r\nX-A: 1";
  EXPECT_EQ(PlanHttpRequest("http://h/", options).agent, "Vexo/1");
  // As the last line the agent is still that line's value, nothing more.
  options.extraHeaders = "X-A: 1\r\nUser-Agent: Vexo/2";
  HttpRequestPlan plan = PlanHttpRequest("http://h/", options);
  EXPECT_EQ(plan.agent, "Vexo/2");
  EXPECT_EQ(plan.headers.substr(0, options.extraHeaders.size()), options.extraHeaders);
}

TEST(ResponseHeaders, LocationAndCookiesAreScanned) {
  ResponseHeaderFacts facts = ScanResponseHeaders(
      "HTTP/1.1 302 Found\r\nLocation: http://a/1\r\nSet-Cookie: b=3; Path=/\r\n"
      "Content-Location: /2\r\nSet-Cookie: c=4\r\nSet-Cookie: ; Path=/\r\n\r\n");
  EXPECT_EQ(facts.location, "/2");  // a later line holding "Location:" wins
  EXPECT_EQ(facts.receivedCookies, "b=3; c=4");
  EXPECT_EQ(ScanResponseHeaders("HTTP/1.1 200 OK\r\n\r\n").location, "");
  EXPECT_EQ(ScanResponseHeaders("Location:  http://a:81/x \xA1\xA1\r\n").location, "http://a:81/x");
  EXPECT_EQ(HeaderValue("no colon"), "");
  EXPECT_EQ(ScanResponseHeaders("HTTP/1.1 200 OK\r\nset-cookie: x=1\r\n").receivedCookies, "");
}

TEST(ResponseHeaders, EveryLineEndsAtItsLineBreakWhateverBytesComeBeforeIt) {
  // A UTF-8 value whose last byte reads as the first byte of a Chinese
  // character, and a lone such byte: neither takes the CR LF after it, so the
  // next line is still a header of its own.
  ResponseHeaderFacts facts = ScanResponseHeaders(
      "HTTP/1.1 302 Found\r\nContent-Disposition: filename=\xE6\x99\xB4\r\n"
      "Location: http://a/1\r\nX-Name: \x91\r\nSet-Cookie: c=4\r\n\r\n");
  EXPECT_EQ(facts.location, "http://a/1");
  EXPECT_EQ(facts.receivedCookies, "c=4");
}

TEST(MergeCookies, ReceivedFirstThenUnchangedOldOnes) {
  Text cookies = "a=1; b=2";
  MergeCookies(cookies, "b=3; c=4");
  EXPECT_EQ(cookies, "b=3; c=4; a=1");

  cookies = "a=1; b=2";
  MergeCookies(cookies, "b=deleted");
  EXPECT_EQ(cookies, "a=1");

  cookies = "a=1;a=1; flag";
  MergeCookies(cookies, "");
  EXPECT_EQ(cookies, "a=1; flag");

  cookies = "";
  MergeCookies(cookies, "x = 1 ; y=2;");
  EXPECT_EQ(cookies, "x=1; y=2");
}

}  // namespace
}  // namespace vexo
