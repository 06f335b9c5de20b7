// JSONP callback names, over arbitrary texts: only a bounded name that cannot
// break out of the script statement wraps an answer.
#include <string>

#include "fuzz_support.h"
#include "service/service_constants.h"
#include "service/text_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view callback = vexo::fuzz::Bytes(data, size);
  if (!vexo::service::IsValidCallback(callback)) return 0;
  FUZZ_CHECK(callback.size() <= vexo::service::kMaxCallbackLength);
  // Nothing that ends the call, starts another statement, a comment, a
  // string or markup, and nothing outside ASCII.
  FUZZ_CHECK(callback.find_first_of("()[]{};,=+-*/\\\"'`<>&|!?:%#@~^ \t\r\n\v\f") ==
             std::string_view::npos);
  for (const char c : callback)
    FUZZ_CHECK(c > ' ' && static_cast<unsigned char>(c) < 0x7F);

  const std::string json = "{\"code\":1}";
  const auto reply = vexo::service::JsonpReply(callback, json);
  FUZZ_CHECK(reply.status == 200);
  FUZZ_CHECK(reply.body == (callback.empty() ? json : std::string(callback) + "(" + json + ")"));
  return 0;
}
