#pragma once
// The parameters of a request and everything computed from them before it is
// sent: verb, agent, proxy rule, host, port, path, request flags and the
// completed headers.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace vexo {

inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; R73VX; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";
inline constexpr std::string_view kHttpProtocolVersion = "HTTP/1.1";
inline constexpr std::string_view kProxyListPrefix = "http=";

// Request flags, as the platform's Internet interface names them.
inline constexpr std::uint32_t kFlagReload = 0x80000000;  // never answer from a cache
inline constexpr std::uint32_t kFlagNeedFile = 0x10;      // the whole body is wanted
inline constexpr std::uint32_t kFlagNoCookies = 0x80000;  // bypass the cookie store
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x200000;
inline constexpr std::uint32_t kFlagSecure = 0x800000;
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x4000;

// How the Internet session is opened.
inline constexpr int kAccessDirect = 1;
inline constexpr int kAccessProxy = 3;

// Default time-outs: connecting, and a transfer during which nothing arrives.
inline constexpr std::chrono::milliseconds kDefaultConnectTimeout{60000};
inline constexpr std::chrono::milliseconds kDefaultIdleTimeout{30000};

// The optional parameters of a request. Fields marked "out" are written by the
// request; "in/out" fields are read and rewritten.
struct HttpRequestOptions {
  int method = 0;               // 1: POST; anything else: GET. A body is sent unless 0.
  Text postText;                // body when postBytes is empty; its bytes go unchanged
  std::optional<Text> cookies;  // in/out; given: only these cookies, merged with the received
  Text receivedCookies;         // out: the cookies the response set
  Text extraHeaders;            // in/out: lines joined by CR LF; out: the headers sent
  Text location;                // out: the redirect target, else the raw headers
  bool forbidRedirect = false;  // do not follow redirects
  ByteSet postBytes;            // body, taking precedence over postText
  std::optional<Text> proxy;    // host:port for http traffic, used whenever given
  Text receivedHeaders;         // out: the raw headers of the last response, CR LF lines

  // Not parameters of the request itself: how long connecting may take, and
  // how long a transfer may receive nothing before it fails.
  std::chrono::milliseconds connectTimeout = kDefaultConnectTimeout;
  std::chrono::milliseconds idleTimeout = kDefaultIdleTimeout;
  // How long the whole request may take, and how long its body may be; not
  // given: the rule of the request's form (a text request has both limits,
  // the other forms none).
  std::optional<std::chrono::milliseconds> deadline;
  std::optional<std::size_t> bodyLimit;
};

struct HttpRequestPlan {
  Text verb;
  Text agent;
  int accessType = kAccessDirect;
  Text proxyList;  // "http=" + proxy when the proxy is given
  Text host;
  int port = 0;
  Text path;
  std::uint32_t flags = 0;
  Text headers;  // the completed extra headers
};

// Computes the request without sending anything.
HttpRequestPlan PlanHttpRequest(std::string_view url, const HttpRequestOptions& options);

}  // namespace vexo
