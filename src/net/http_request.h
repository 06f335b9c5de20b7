#pragma once
// The request routine every song, lyric and picture arrives through: one
// synchronous HTTP or HTTPS request, its whole body returned.
#include <string_view>

#include "net/http_request_plan.h"
#include "platform/text.h"

namespace vexo {

// The buffer the raw response headers are read into, their terminating NUL
// included: headers of this length or longer do not fit, and the received
// headers then stay this many spaces.
inline constexpr std::size_t kResponseHeaderCapacity = 5000;
// A body is UTF-8 when "utf-8" starts before this 1-based byte position (or
// the response headers mention it).
inline constexpr std::size_t kUtf8DetectionWindow = 500;
// Redirects followed at most per request.
inline constexpr long kMaxRedirects = 10;

// The body as a system code page text, converted from UTF-8 when the response
// is UTF-8, ending at its first NUL. Empty on failure or for an empty body.
Text HttpRequestText(std::string_view url);
Text HttpRequestText(std::string_view url, HttpRequestOptions& options);

// The raw body bytes. Empty on failure or for an empty body.
ByteSet HttpRequestBytes(std::string_view url);
ByteSet HttpRequestBytes(std::string_view url, HttpRequestOptions& options);

// True when the body or the response headers say the body is UTF-8.
bool IsUtf8Response(const ByteSet& body, std::string_view receivedHeaders);

}  // namespace vexo
