// The service's percent-decoding of query components, over arbitrary texts.
#include <string>

#include "fuzz_support.h"
#include "service/query_string.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// Every byte as an escape.
std::string EscapeAll(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view encoded = vexo::fuzz::Bytes(data, size);
  for (const bool plus_is_space : {false, true}) {
    const auto decoded = vexo::service::PercentDecode(encoded, plus_is_space);
    if (!decoded) {
      FUZZ_CHECK(encoded.find('%') != std::string_view::npos);
      continue;
    }
    FUZZ_CHECK(decoded->size() <= encoded.size());
    if (encoded.find_first_of("%+") == std::string_view::npos) FUZZ_CHECK(*decoded == encoded);
  }
  // Whatever the bytes, their escapes decode back to them.
  const auto round_trip = vexo::service::PercentDecode(EscapeAll(encoded), true);
  FUZZ_CHECK(round_trip && *round_trip == encoded);
  return 0;
}
