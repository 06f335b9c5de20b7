// Header texts of requests and answers: the response headers scanned for
// cookies and redirects, cookies merged, header values, request headers
// completed and the request planned from an address, over arbitrary texts.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "net/http_headers.h"
#include "net/http_request_plan.h"
#include "net/url_parts.h"

namespace {

std::vector<std::string_view> Entries(std::string_view cookies) {
  std::vector<std::string_view> entries;
  while (!cookies.empty()) {
    const auto separator = cookies.find("; ");
    entries.push_back(cookies.substr(0, separator));
    if (separator == std::string_view::npos) break;
    cookies.remove_prefix(separator + 2);
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the raw response headers, the cookie text, the address and the
  // extra request headers.
  const auto texts = vexo::fuzz::Texts(data, size, 4);
  const vexo::ResponseHeaderFacts facts = vexo::ScanResponseHeaders(texts[0]);
  // A value never runs on into the next header line.
  FUZZ_CHECK(facts.location.find("\r\n") == vexo::Text::npos);
  (void)vexo::HeaderValue(texts[0]);

  vexo::Text cookies(texts[1]);
  vexo::MergeCookies(cookies, facts.receivedCookies);
  if (vexo::fuzz::IsAscii(texts[0]) && vexo::fuzz::IsAscii(texts[1])) {
    // The merged text holds distinct, non-empty, live entries without spaces.
    const auto entries = Entries(cookies);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      FUZZ_CHECK(!entries[i].empty());
      FUZZ_CHECK(entries[i].find(' ') == std::string_view::npos);
      FUZZ_CHECK(!entries[i].ends_with(vexo::kDeletedCookieSuffix));
      FUZZ_CHECK(std::find(entries.begin(), entries.begin() + static_cast<long>(i), entries[i]) ==
                 entries.begin() + static_cast<long>(i));
    }
    // Merging nothing more changes nothing.
    vexo::Text again = cookies;
    vexo::MergeCookies(again, "");
    FUZZ_CHECK(again == cookies);
  }

  vexo::HttpRequestOptions options;
  options.extraHeaders = vexo::Text(texts[3]);
  if (!texts[1].empty()) options.cookies = vexo::Text(texts[1]);
  const vexo::HttpRequestPlan plan = vexo::PlanHttpRequest(texts[2], options);
  FUZZ_CHECK(plan.path.starts_with("/"));
  FUZZ_CHECK(plan.port >= 0);
  // The host ends at the first "/" after it. (In a text with broken
  // characters a "/" can be the second byte of one and does not count.)
  if (vexo::fuzz::IsWholeText(texts[2])) FUZZ_CHECK(plan.host.find('/') == vexo::Text::npos);
  (void)vexo::UrlHost(texts[2]);
  return 0;
}
