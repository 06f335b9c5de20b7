#include "net/http_request.h"

#include <algorithm>
#include <optional>
#include <string>

#include "net/charset_conversion.h"
#include "net/http_headers.h"
#include "net/text_search.h"

namespace vexo {
namespace {

constexpr std::string_view kUtf8Marker = "utf-8";

// Gathers the body in memory (text and byte answers: pictures, charts).
class BodyBuffer final : public HttpBodySink {
 public:
  bool Begin(long, std::string_view) override { return true; }
  bool Write(const std::uint8_t* data, std::size_t size) override {
    bytes.insert(bytes.end(), data, data + size);
    return true;
  }
  ByteSet bytes;
};

// Fills the output parameters from a complete transfer.
void FillOutputs(const HttpRequestPlan& plan, const TransferOutcome& outcome,
                 HttpRequestOptions& options) {
  options.extraHeaders = plan.headers;
  Text headers = outcome.headers.substr(0, outcome.headers.find('\0'));
  if (headers.size() >= kResponseHeaderCapacity) headers.assign(kResponseHeaderCapacity, ' ');
  options.receivedHeaders = headers;

  ResponseHeaderFacts facts = ScanResponseHeaders(headers);
  options.receivedCookies = facts.receivedCookies;
  options.location = facts.location;
  if (options.cookies) MergeCookies(*options.cookies, options.receivedCookies);
  if (options.location.empty()) options.location = headers;
}

// Runs the request into `sink`; the outputs are filled only when the whole
// answer arrived.
TransferOutcome Request(std::string_view url, HttpRequestOptions& options, HttpBodySink& sink,
                        const TransferLimits& limits) {
  const HttpRequestPlan plan = PlanHttpRequest(url, options);
  TransferOutcome outcome = PerformTransfer(plan, options, sink, limits);
  if (outcome.complete) FillOutputs(plan, outcome, options);
  return outcome;
}

// The whole body, or none when the request failed in any way.
std::optional<ByteSet> RequestBody(std::string_view url, HttpRequestOptions& options,
                                   const TransferLimits& limits) {
  BodyBuffer body;
  if (!Request(url, options, body, limits).complete) return std::nullopt;
  return std::move(body.bytes);
}

TransferLimits LimitsOf(const HttpRequestOptions& options, std::chrono::milliseconds deadline,
                        std::size_t bodyLimit) {
  return {options.deadline.value_or(deadline), options.bodyLimit.value_or(bodyLimit)};
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
  std::optional<ByteSet> body =
      RequestBody(url, options, LimitsOf(options, kTextRequestDeadline, kTextAnswerLimit));
  if (!body) return {};
  ByteSet bytes =
      IsUtf8Response(*body, options.receivedHeaders) ? ConvertCharset(*body) : std::move(*body);
  auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), nul);
}

ByteSet HttpRequestBytes(std::string_view url) {
  HttpRequestOptions options;
  return HttpRequestBytes(url, options);
}

ByteSet HttpRequestBytes(std::string_view url, HttpRequestOptions& options) {
  std::optional<ByteSet> body = RequestBody(url, options, LimitsOf(options, {}, 0));
  return body ? std::move(*body) : ByteSet();
}

HttpTransferResult HttpRequestToSink(std::string_view url, HttpRequestOptions& options,
                                     HttpBodySink& sink) {
  TransferLimits limits = LimitsOf(options, {}, 0);
  limits.readBufferBytes = kStreamReadBufferBytes;
  const TransferOutcome outcome = Request(url, options, sink, limits);
  return {outcome.answered, outcome.status, outcome.complete};
}

}  // namespace vexo
