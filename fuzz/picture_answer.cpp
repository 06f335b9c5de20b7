// The singer picture answer: the picture's address cut out between its
// markers, and the request that address leads to, over arbitrary answers.
#include <string_view>

#include "extras/picture_answer.h"
#include "fuzz_support.h"
#include "net/http_request_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the answer, then the singer.
  const auto texts = vexo::fuzz::Texts(data, size, 2);
  const vexo::Text address = vexo::PictureAddressOf(texts[0]);
  FUZZ_CHECK(address.empty() || texts[0].find(address) != std::string_view::npos);
  if (!address.empty()) {
    // The address is fetched as given: whatever it says, the request is a
    // well-formed one.
    const vexo::HttpRequestPlan plan = vexo::PlanHttpRequest(address, {});
    FUZZ_CHECK(plan.path.starts_with("/"));
    FUZZ_CHECK(plan.port >= 0);
  }
  const vexo::Text lookup = vexo::PictureLookupUrl("http://127.0.0.1:1", texts[1]);
  FUZZ_CHECK(lookup.find_first_of(" \r\n\"") == vexo::Text::npos);
  return 0;
}
