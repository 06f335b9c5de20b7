#include "net/http_headers.h"

#include <algorithm>
#include <vector>

#include "net/text_between.h"
#include "net/text_search.h"

namespace vexo {
namespace {

constexpr std::string_view kCookieSeparator = "; ";

// The pieces of `text` between the separators, in order; an empty last piece
// is dropped.
std::vector<Text> SplitText(std::string_view text, std::string_view separator) {
  std::vector<Text> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t hit = FindText(text, separator, start);
    if (hit == kNotFound) {
      if (start < text.size()) pieces.emplace_back(text.substr(start));
      break;
    }
    pieces.emplace_back(text.substr(start, hit - start));
    start = hit + separator.size();
  }
  return pieces;
}

Text CookieName(std::string_view entry) {
  std::size_t eq = FindText(entry, "=");
  return TrimSpaces(eq == kNotFound ? entry : entry.substr(0, eq));
}

// Appends "\r\n" + line (or just the line to an empty text).
void AppendHeaderLine(Text& headers, std::string_view line) {
  if (!headers.empty()) headers.append(kHeaderLineBreak);
  headers.append(line);
}

}  // namespace

std::vector<Text> HeaderLines(std::string_view rawHeaders) {
  std::vector<Text> lines;
  std::size_t start = 0;
  while (start < rawHeaders.size()) {
    std::size_t end = rawHeaders.find(kHeaderLineBreak, start);
    if (end == std::string_view::npos) end = rawHeaders.size();
    lines.emplace_back(rawHeaders.substr(start, end - start));
    start = end + kHeaderLineBreak.size();
  }
  return lines;
}

Text HeaderValue(std::string_view line) {
  std::size_t colon = FindText(line, ":");
  if (colon == kNotFound) return {};
  return TrimSpaces(line.substr(colon + 1));
}

Text CompleteRequestHeaders(std::string_view extraHeaders, std::string_view url,
                            std::string_view cookies) {
  Text headers(extraHeaders);
  if (FindText(headers, "Referer:") == kNotFound) {
    AppendHeaderLine(headers, Text("Referer: ").append(url));
  }
  if (FindText(headers, "Accept:") == kNotFound) AppendHeaderLine(headers, "Accept: */*");
  if (FindText(headers, "Accept-Language:") == kNotFound) {
    AppendHeaderLine(headers, "Accept-Language: zh-cn");
  }
  if (FindText(headers, "Content-Type:") == kNotFound) {
    AppendHeaderLine(headers, "Content-Type: application/x-www-form-urlencoded");
  }
  if (!cookies.empty()) AppendHeaderLine(headers, Text("Cookie: ").append(cookies));
  return headers;
}

ResponseHeaderFacts ScanResponseHeaders(std::string_view rawHeaders) {
  ResponseHeaderFacts facts;
  std::vector<Text> received;
  for (const Text& line : HeaderLines(rawHeaders)) {
    if (FindText(line, "Location:") != kNotFound) facts.location = HeaderValue(line);
    if (FindText(line, "Set-Cookie") != kNotFound) {
      // name=value is what stands before the first ";"; a cookie without
      // attributes has no ";" and is the whole value.
      Text cookie = TextBetween(line, "Set-Cookie:", ";");
      if (cookie.empty() && FindText(line, ";") == kNotFound) cookie = HeaderValue(line);
      cookie = TrimSpaces(cookie);
      if (!cookie.empty()) received.push_back(cookie);
    }
  }
  for (const Text& cookie : received)
    facts.receivedCookies.append(cookie).append(kCookieSeparator);
  if (!facts.receivedCookies.empty()) {
    facts.receivedCookies.resize(facts.receivedCookies.size() - kCookieSeparator.size());
  }
  return facts;
}

void MergeCookies(Text& cookies, std::string_view received) {
  std::vector<Text> entries = SplitText(RemoveSpaces(received), ";");
  std::vector<Text> receivedNames;
  for (const Text& entry : entries)
    receivedNames.push_back(CookieName(entry));
  for (const Text& old : SplitText(RemoveSpaces(cookies), ";")) {
    if (std::find(receivedNames.begin(), receivedNames.end(), CookieName(old)) ==
        receivedNames.end()) {
      entries.push_back(old);
    }
  }

  std::vector<Text> kept;
  for (const Text& entry : entries) {
    if (entry.empty() || entry.ends_with(kDeletedCookieSuffix)) continue;
    if (std::find(kept.begin(), kept.end(), entry) != kept.end()) continue;
    kept.push_back(entry);
  }
  Text merged;
  for (const Text& entry : kept) {
    if (!merged.empty()) merged.append(kCookieSeparator);
    merged.append(entry);
  }
  cookies = merged;
}

}  // namespace vexo
