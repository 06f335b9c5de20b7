#include "net/url_parts.h"

#include <gtest/gtest.h>

namespace vexo {
namespace {

TEST(UrlParts, HostPortAndPathOfOrdinaryAddresses) {
  EXPECT_EQ(UrlHost("http://Music.Example.COM/list?q=1"), "music.example.com");
  EXPECT_EQ(UrlPort("http://music.example.com/list?q=1"), 80);
  EXPECT_EQ(UrlPath("http://music.example.com/list?q=1&Q=A"), "/list?q=1&Q=A");

  EXPECT_EQ(UrlHost("HTTPS://WWW.EXAMPLE.COM"), "www.example.com");
  EXPECT_EQ(UrlPort("HTTPS://WWW.EXAMPLE.COM"), 443);
  EXPECT_EQ(UrlPath("HTTPS://WWW.EXAMPLE.COM"), "/");

  EXPECT_EQ(UrlHost("http://127.0.0.1:8080/a/b"), "127.0.0.1");
  EXPECT_EQ(UrlPort("http://127.0.0.1:8080/a/b"), 8080);
  EXPECT_EQ(UrlPath("http://127.0.0.1:8080/a/b"), "/a/b");
  EXPECT_EQ(UrlPort("https://h:8443"), 8443);
}

TEST(UrlParts, AddressesWithoutSchemeAreHttp) {
  EXPECT_EQ(UrlHost("Example.com/x"), "example.com");
  EXPECT_EQ(UrlPort("example.com/x"), 80);
  EXPECT_EQ(UrlPath("example.com/x"), "/x");
  // An http address in the query does not make the host.
  EXPECT_EQ(UrlHost("example.com/go?to=http://other.org/"), "example.com");
  EXPECT_EQ(UrlPath("example.com/go?to=http://other.org/"), "/go?to=http://other.org/");
}

TEST(UrlParts, PathStartsAfterTheHostEvenWhenTheHostAppearsEarlier) {
  // The host "t" also occurs inside "http"; the path still begins after it.
  EXPECT_EQ(UrlPath("http://t/x"), "/x");
  EXPECT_EQ(UrlPath("http://ttp/x"), "/x");
}

TEST(UrlParts, PortTextWithoutDigitsIsZero) {
  EXPECT_EQ(UrlPort("http://host:/x"), 0);
  EXPECT_EQ(UrlPort("http://host:abc/x"), 0);
}

}  // namespace
}  // namespace vexo
