#pragma once
// Header texts of a request and its response: the completed request headers,
// the values of header lines, the cookies received and their merge into a
// cookie text.
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace vexo {

inline constexpr std::string_view kHeaderLineBreak = "\r\n";
inline constexpr std::string_view kDeletedCookieSuffix = "=deleted";

// The lines of raw headers. They end at every CR LF byte pair: the headers
// are bytes, not yet a text of the system code page, and a value holding
// other encodings (a UTF-8 file name, say) must not carry its last byte over
// the line break into the next header. An empty last line is dropped.
std::vector<Text> HeaderLines(std::string_view rawHeaders);

// Everything after the first colon of the line, without surrounding spaces;
// empty when the line has no colon.
Text HeaderValue(std::string_view line);

// The extra request headers completed with the Referer (the requested address
// itself), Accept, Accept-Language and Content-Type lines the text does not
// hold yet, in this order, and a Cookie line when `cookies` is not empty.
Text CompleteRequestHeaders(std::string_view extraHeaders, std::string_view url,
                            std::string_view cookies);

// What the response headers say: the cookies they set ("name=value" entries
// joined by "; ") and the redirect target (the value of the last line that
// holds "Location:"; empty when none does).
struct ResponseHeaderFacts {
  Text receivedCookies;
  Text location;
};
ResponseHeaderFacts ScanResponseHeaders(std::string_view rawHeaders);

// Merges received cookies into a cookie text: received entries first, in
// their order, then the old entries whose names were not received; entries
// ending in "=deleted", empty entries and exact repeats are dropped.
void MergeCookies(Text& cookies, std::string_view received);

}  // namespace vexo
