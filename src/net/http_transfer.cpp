#include "net/http_transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "net/curl_library.h"
#include "net/curl_session.h"
#include "net/http_headers.h"

namespace vexo {
namespace {

constexpr std::string_view kStatusLinePrefix = "HTTP/";
constexpr int kMaxPort = 65535;

struct EasyDeleter {
  const CurlLibrary* curl;
  void operator()(CURL* easy) const { curl->easy_cleanup(easy); }
};
struct ListDeleter {
  const CurlLibrary* curl;
  void operator()(curl_slist* list) const { curl->slist_free_all(list); }
};

// What the body callback needs: the sink, the limit and how far it got.
struct BodyTarget {
  const CurlLibrary* curl;
  CURL* easy;
  HttpBodySink* sink;
  std::size_t limit;
  std::size_t received = 0;
  bool begun = false;
  bool stopped = false;  // the sink refused, or the limit was reached
};

size_t TakeBody(char* data, size_t size, size_t count, void* target) {
  auto* body = static_cast<BodyTarget*>(target);
  const size_t bytes = size * count;
  if (!body->begun) {
    body->begun = true;
    long status = 0;
    body->curl->easy_getinfo(body->easy, CURLINFO_RESPONSE_CODE, &status);
    const char* type = nullptr;
    body->curl->easy_getinfo(body->easy, CURLINFO_CONTENT_TYPE, &type);
    if (!body->sink->Begin(status, type != nullptr ? std::string_view(type) : std::string_view())) {
      body->stopped = true;
      return 0;
    }
  }
  if (body->limit != 0 && bytes > body->limit - body->received) {
    body->stopped = true;
    return 0;  // larger than allowed: read no further
  }
  body->received += bytes;
  if (!body->sink->Write(reinterpret_cast<const std::uint8_t*>(data), bytes)) {
    body->stopped = true;
    return 0;
  }
  return bytes;
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

}  // namespace

TransferOutcome PerformTransfer(const HttpRequestPlan& plan, const HttpRequestOptions& options,
                                HttpBodySink& sink, const TransferLimits& limits) {
  TransferOutcome outcome;
  const CurlLibrary* curl = NetworkLibrary();
  if (curl == nullptr) return outcome;
  CURLSH* cookieStore = SharedCookieStore();
  if (plan.host.empty() || plan.port < 0 || plan.port > kMaxPort) return outcome;
  std::unique_ptr<CURL, EasyDeleter> easy(curl->easy_init(), EasyDeleter{curl});
  if (!easy) return outcome;
  CURL* h = easy.get();
  const bool secure = (plan.flags & kFlagSecure) != 0;

  // Port 0 stands for the scheme's own port.
  std::string url = (secure ? "https://" : "http://") + plan.host;
  if (plan.port != 0) url += ":" + std::to_string(plan.port);
  url += PathForUrl(plan.path);
  curl->easy_setopt(h, CURLOPT_URL, url.c_str());
  curl->easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl->easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
  curl->easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl->easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl->easy_setopt(h, CURLOPT_USERAGENT, plan.agent.c_str());
  curl->easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl->easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);

  // Nothing is cached here; a reload also means a connection of its own.
  if (plan.flags & kFlagReload) {
    curl->easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
    curl->easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
  }
  if (!(plan.flags & kFlagNoCookies) && cookieStore != nullptr) {
    curl->easy_setopt(h, CURLOPT_SHARE, cookieStore);
    curl->easy_setopt(h, CURLOPT_COOKIEFILE, "");  // cookie engine on, nothing read from disk
  }
  if (!(plan.flags & kFlagNoAutoRedirect)) {
    curl->easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl->easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    // An https request never continues over plain http; an http one may move
    // to https.
    curl->easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR,
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
  curl->easy_setopt(h, CURLOPT_PROXY, proxy.c_str());

  std::unique_ptr<curl_slist, ListDeleter> headerList(nullptr, ListDeleter{curl});
  auto addHeader = [&headerList, curl](const std::string& line) {
    curl_slist* grown = curl->slist_append(headerList.get(), line.c_str());
    if (grown != nullptr) {
      (void)headerList.release();
      headerList.reset(grown);
    }
  };
  for (const Text& line : HeaderLines(plan.headers)) {
    if (!line.empty()) addHeader(line);
  }
  addHeader("Expect:");  // send a body at once, never wait for 100 Continue
  curl->easy_setopt(h, CURLOPT_HTTPHEADER, headerList.get());

  ByteSet requestBody;
  if (options.method != 0) {
    requestBody = !options.postBytes.empty()
                      ? options.postBytes
                      : ByteSet(options.postText.begin(), options.postText.end());
    curl->easy_setopt(h, CURLOPT_POST, 1L);
    curl->easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(requestBody.size()));
    curl->easy_setopt(h, CURLOPT_POSTFIELDS, requestBody.data());
  }
  curl->easy_setopt(h, CURLOPT_CUSTOMREQUEST, plan.verb == "POST" ? nullptr : plan.verb.c_str());

  curl->easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                    static_cast<long>(options.connectTimeout.count()));
  curl->easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl->easy_setopt(h, CURLOPT_LOW_SPEED_TIME, WholeSecondsAtLeastOne(options.idleTimeout));
  if (limits.deadline.count() > 0) {
    curl->easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.deadline.count()));
  }
  if (limits.bodyLimit != 0) {
    // An answer announced larger than allowed fails before its body is read.
    curl->easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.bodyLimit));
  }
  if (limits.readBufferBytes > 0) curl->easy_setopt(h, CURLOPT_BUFFERSIZE, limits.readBufferBytes);

  BodyTarget body{curl, h, &sink, limits.bodyLimit};
  curl->easy_setopt(h, CURLOPT_WRITEFUNCTION, TakeBody);
  curl->easy_setopt(h, CURLOPT_WRITEDATA, &body);
  curl->easy_setopt(h, CURLOPT_HEADERFUNCTION, AppendHeaderLine);
  curl->easy_setopt(h, CURLOPT_HEADERDATA, &outcome.headers);

  const CURLcode rc = curl->easy_perform(h);
  outcome.answered = !outcome.headers.empty();
  curl->easy_getinfo(h, CURLINFO_RESPONSE_CODE, &outcome.status);
  // A chain of redirects that ends at the hop limit leaves the last response
  // as the answer, as a platform that gives up following would.
  outcome.complete =
      outcome.answered && !body.stopped && (rc == CURLE_OK || rc == CURLE_TOO_MANY_REDIRECTS);
  return outcome;
}

}  // namespace vexo
