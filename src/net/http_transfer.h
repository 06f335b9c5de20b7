#pragma once
// One request over libcurl as the request routine plans it, its body handed
// to a sink piece by piece as it arrives, under the limits of its kind.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "net/http_request_plan.h"

namespace vexo {

// Redirects followed at most per request.
inline constexpr long kMaxRedirects = 10;

// Where a response body goes as it arrives.
class HttpBodySink {
 public:
  virtual ~HttpBodySink() = default;
  // Before the first byte of the body, with the status and the content type
  // (empty when none was given) of the response it belongs to; false refuses
  // the body and ends the transfer there.
  virtual bool Begin(long status, std::string_view contentType) = 0;
  // The next piece of the body; false ends the transfer there.
  virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
};

// What a transfer may cost besides the time-outs of the options; zero: no
// limit.
struct TransferLimits {
  std::chrono::milliseconds deadline{0};  // the whole request, connecting included
  std::size_t bodyLimit = 0;              // bytes of body; more fails, read no further
  long readBufferBytes = 0;               // libcurl's receive buffer; 0: its default
};

// How a transfer ended.
struct TransferOutcome {
  bool answered = false;  // a response arrived: its status line and headers were read
  bool complete = false;  // the body arrived whole (no cut, no limit, no refusal)
  long status = 0;        // the status of the last response
  std::string headers;    // its raw header lines, each ending in CR LF
};

// Performs the planned request. A body shorter than its announced length, a
// connection broken while reading, a deadline or body limit reached and a
// sink that refused all leave `complete` false. A chain of redirects that
// ends at the hop limit is complete with the last response.
TransferOutcome PerformTransfer(const HttpRequestPlan& plan, const HttpRequestOptions& options,
                                HttpBodySink& sink, const TransferLimits& limits);

}  // namespace vexo
