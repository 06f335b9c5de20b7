#include "net/http_request_plan.h"

#include "net/http_headers.h"
#include "net/text_between.h"
#include "net/text_search.h"
#include "net/url_parts.h"

namespace vexo {
namespace {

constexpr std::string_view kUserAgentHeader = "User-Agent:";
constexpr int kMethodPost = 1;

// The agent named by a User-Agent line of the extra headers (the rest of that
// line, also when it is the last one), else the default.
Text RequestAgent(std::string_view extraHeaders) {
  std::size_t at = FindText(extraHeaders, kUserAgentHeader, 0, true);
  if (at == kNotFound) return Text(kDefaultUserAgent);
  std::size_t valueStart = at + kUserAgentHeader.size();
  std::size_t lineEnd = FindText(extraHeaders, kHeaderLineBreak, valueStart);
  if (lineEnd == kNotFound) lineEnd = extraHeaders.size();
  return TrimSpaces(extraHeaders.substr(valueStart, lineEnd - valueStart));
}

}  // namespace

HttpRequestPlan PlanHttpRequest(std::string_view url, const HttpRequestOptions& options) {
  HttpRequestPlan plan;
  plan.verb = options.method == kMethodPost ? "POST" : "GET";
  plan.agent = RequestAgent(options.extraHeaders);
  if (options.proxy) {
    plan.accessType = kAccessProxy;
    plan.proxyList = Text(kProxyListPrefix).append(*options.proxy);
  }
  plan.host = UrlHost(url);
  plan.port = UrlPort(url);
  plan.path = UrlPath(url);

  plan.flags = kFlagReload | kFlagNeedFile;
  if (options.cookies) plan.flags |= kFlagNoCookies;
  if (options.forbidRedirect) plan.flags |= kFlagNoAutoRedirect;
  plan.flags |= IsSecureUrl(url) ? kFlagSecure : kFlagIgnoreRedirectToHttps;

  plan.headers =
      CompleteRequestHeaders(options.extraHeaders, url, options.cookies.value_or(Text()));
  return plan;
}

}  // namespace vexo
