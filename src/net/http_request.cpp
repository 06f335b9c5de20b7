#include "net/http_request.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "net/charset_conversion.h"
#include "net/curl_session.h"
#include "net/http_headers.h"
#include "net/text_search.h"

namespace vexo {
namespace {

constexpr std::string_view kUtf8Marker = "utf-8";
constexpr std::string_view kStatusLinePrefix = "HTTP/";
constexpr int kMaxPort = 65535;

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// What came back: the body and the raw headers of the last response.
struct Exchange {
  ByteSet body;
  std::string headers;
};

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
  auto* body = static_cast<ByteSet*>(target);
  body->insert(body->end(), data, data + size * count);
  return size * count;
}

// Keeps the header lines of the last response only, each ending in CR LF.
size_t AppendHeaderLine(char* data, size_t size, size_t count, void* target) {
  auto* headers = static_cast<std::string*>(target);
  std::string_view line(data, size * count);
  if (line.starts_with(kStatusLinePrefix)) headers->clear();
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
    line.remove_suffix(1);
  headers->append(line).append(kHeaderLineBreak);
  return size * count;
}

// The path as a URL may carry it: spaces, control bytes and bytes above ASCII
// percent-encoded, everything else as given.
std::string PathForUrl(std::string_view path) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : path) {
    auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) {
      out.push_back('%');
      out.push_back(kHexDigits[b >> 4]);
      out.push_back(kHexDigits[b & 0x0F]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

long WholeSecondsAtLeastOne(std::chrono::milliseconds ms) {
  return std::max<long>(1, static_cast<long>((ms.count() + 999) / 1000));
}

// Performs the planned request; none when no response arrived at all (no
// connection, a refused certificate, a transfer that went silent).
std::optional<Exchange> Perform(const HttpRequestPlan& plan, const HttpRequestOptions& options) {
  CURLSH* cookieStore = SharedCookieStore();  // also sets libcurl up once
  if (plan.host.empty() || plan.port < 0 || plan.port > kMaxPort) return std::nullopt;
  std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
  if (!easy) return std::nullopt;
  CURL* h = easy.get();
  const bool secure = (plan.flags & kFlagSecure) != 0;

  // Port 0 stands for the scheme's own port.
  std::string url = (secure ? "https://" : "http://") + plan.host;
  if (plan.port != 0) url += ":" + std::to_string(plan.port);
  url += PathForUrl(plan.path);
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_USERAGENT, plan.agent.c_str());
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);

  // Nothing is cached here; a reload also means a connection of its own.
  if (plan.flags & kFlagReload) {
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
  }
  if (!(plan.flags & kFlagNoCookies) && cookieStore != nullptr) {
    curl_easy_setopt(h, CURLOPT_SHARE, cookieStore);
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");  // cookie engine on, nothing read from disk
  }
  if (!(plan.flags & kFlagNoAutoRedirect)) {
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    // An https request never continues over plain http; an http one may move
    // to https.
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR,
                     (plan.flags & kFlagIgnoreRedirectToHttps) ? "http,https" : "https");
  }
  // The proxy list names a proxy for http traffic only; everything else, and
  // every request without a proxy, goes direct (the environment's proxy
  // settings are not used).
  std::string proxy;
  if (plan.accessType == kAccessProxy && !secure) {
    std::string_view named = std::string_view(plan.proxyList).substr(kProxyListPrefix.size());
    if (!named.empty()) proxy = "http://" + std::string(named);
  }
  curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());

  std::unique_ptr<curl_slist, ListDeleter> headerList;
  auto addHeader = [&headerList](const std::string& line) {
    curl_slist* grown = curl_slist_append(headerList.get(), line.c_str());
    if (grown != nullptr) {
      (void)headerList.release();
      headerList.reset(grown);
    }
  };
  std::size_t start = 0;
  while (start <= plan.headers.size()) {
    std::size_t end = plan.headers.find(kHeaderLineBreak, start);
    if (end == std::string::npos) end = plan.headers.size();
    if (end > start) addHeader(plan.headers.substr(start, end - start));
    start = end + kHeaderLineBreak.size();
  }
  addHeader("Expect:");  // send a body at once, never wait for 100 Continue
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headerList.get());

  ByteSet body;
  if (options.method != 0) {
    body = !options.postBytes.empty() ? options.postBytes
                                      : ByteSet(options.postText.begin(), options.postText.end());
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.data());
  }
  curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, plan.verb == "POST" ? nullptr : plan.verb.c_str());

  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count()));
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, WholeSecondsAtLeastOne(options.idleTimeout));

  Exchange exchange;
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, AppendBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &exchange.body);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, AppendHeaderLine);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &exchange.headers);

  CURLcode rc = curl_easy_perform(h);
  if (rc == CURLE_OPERATION_TIMEDOUT || exchange.headers.empty()) return std::nullopt;
  // A connection broken while reading, or an error status, is no failure: the
  // body read so far is the result.
  return exchange;
}

// Runs the request and fills the output parameters.
std::optional<Exchange> Request(std::string_view url, HttpRequestOptions& options) {
  HttpRequestPlan plan = PlanHttpRequest(url, options);
  std::optional<Exchange> exchange = Perform(plan, options);
  if (!exchange) return std::nullopt;

  options.extraHeaders = plan.headers;
  Text headers = exchange->headers.substr(0, exchange->headers.find('\0'));
  if (headers.size() >= kResponseHeaderCapacity) headers.assign(kResponseHeaderCapacity, ' ');
  options.receivedHeaders = headers;

  ResponseHeaderFacts facts = ScanResponseHeaders(headers);
  options.receivedCookies = facts.receivedCookies;
  options.location = facts.location;
  if (options.cookies) MergeCookies(*options.cookies, options.receivedCookies);
  if (options.location.empty()) options.location = headers;
  return exchange;
}

}  // namespace

bool IsUtf8Response(const ByteSet& body, std::string_view receivedHeaders) {
  std::string_view bytes(reinterpret_cast<const char*>(body.data()), body.size());
  std::size_t window = kUtf8DetectionWindow - 1 + kUtf8Marker.size() - 1;
  if (bytes.substr(0, window).find(kUtf8Marker) != std::string_view::npos) return true;
  return FindText(receivedHeaders, kUtf8Marker, 0, true) != kNotFound;
}

Text HttpRequestText(std::string_view url) {
  HttpRequestOptions options;
  return HttpRequestText(url, options);
}

Text HttpRequestText(std::string_view url, HttpRequestOptions& options) {
  std::optional<Exchange> exchange = Request(url, options);
  if (!exchange) return {};
  ByteSet bytes = IsUtf8Response(exchange->body, options.receivedHeaders)
                      ? ConvertCharset(exchange->body)
                      : std::move(exchange->body);
  auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), nul);
}

ByteSet HttpRequestBytes(std::string_view url) {
  HttpRequestOptions options;
  return HttpRequestBytes(url, options);
}

ByteSet HttpRequestBytes(std::string_view url, HttpRequestOptions& options) {
  std::optional<Exchange> exchange = Request(url, options);
  if (!exchange) return {};
  return std::move(exchange->body);
}

}  // namespace vexo
