// The service's reading of a song's LRC file, over arbitrary file contents:
// every line comes out as UTF-8 without its line break.
#include "fuzz_support.h"
#include "service/lrc_text.h"
#include "service/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = vexo::service::LyricLinesFromBytes(vexo::fuzz::Bytes(data, size));
  for (const auto& line : lines) {
    FUZZ_CHECK(vexo::service::IsValidUtf8(line));
    FUZZ_CHECK(line.find('\n') == std::string::npos);
  }
  // Blank lines at the end are dropped.
  FUZZ_CHECK(lines.empty() || !vexo::service::TrimWhite(lines.back()).empty());
  return 0;
}
