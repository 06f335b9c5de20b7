#pragma once
// The request routine every song, lyric and picture arrives through: one
// synchronous HTTP or HTTPS request, its whole body returned, or streamed to a
// sink as it arrives.
#include <chrono>
#include <string_view>

#include "net/http_request_plan.h"
#include "net/http_transfer.h"
#include "platform/text.h"

namespace vexo {

// The buffer the raw response headers are read into, their terminating NUL
// included: headers of this length or longer do not fit, and the received
// headers then stay this many spaces.
inline constexpr std::size_t kResponseHeaderCapacity = 5000;
// A body is UTF-8 when "utf-8" starts before this 1-based byte position (or
// the response headers mention it).
inline constexpr std::size_t kUtf8DetectionWindow = 500;

// A text request (chart, search, suggestions, lyrics, the picture lookup)
// fails when it has not ended after this long, however slowly its answer
// trickles in...
inline constexpr std::chrono::milliseconds kTextRequestDeadline{15000};
// ...or when its answer is longer than this (a chart of 50 songs is about
// 30 KB); the rest of such an answer is never read.
inline constexpr std::size_t kTextAnswerLimit = 8 * 1024 * 1024;

// libcurl's receive buffer for bodies streamed to a sink (songs).
inline constexpr long kStreamReadBufferBytes = 128 * 1024;

// The body as a system code page text, converted from UTF-8 when the response
// is UTF-8, ending at its first NUL. Empty on failure or for an empty body.
// Besides no answer at all, a failure is: a body cut short of its announced
// length or broken off while reading, no end within the options' deadline
// (kTextRequestDeadline unless given), and a body longer than the options'
// limit (kTextAnswerLimit unless given). A failure touches no output.
Text HttpRequestText(std::string_view url);
Text HttpRequestText(std::string_view url, HttpRequestOptions& options);

// The raw body bytes. Empty on failure (as for text, but with no deadline or
// size limit unless the options give one) or for an empty body.
ByteSet HttpRequestBytes(std::string_view url);
ByteSet HttpRequestBytes(std::string_view url, HttpRequestOptions& options);

// How a streamed request ended.
struct HttpTransferResult {
  bool answered = false;  // a response arrived
  long status = 0;        // the HTTP status of the last response
  bool complete = false;  // its whole body reached the sink
  // A 2xx answer whose body arrived whole.
  bool Succeeded() const { return answered && complete && status >= 200 && status < 300; }
};

// The request with its body handed to `sink` piece by piece as it arrives,
// never held whole in memory; no deadline and no size limit unless the
// options give them (the idle time-out still ends a transfer that stalls).
// The output parameters are filled as for the other forms once the transfer
// is complete.
HttpTransferResult HttpRequestToSink(std::string_view url, HttpRequestOptions& options,
                                     HttpBodySink& sink);

// True when the body or the response headers say the body is UTF-8.
bool IsUtf8Response(const ByteSet& body, std::string_view receivedHeaders);

}  // namespace vexo
