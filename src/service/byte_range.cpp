#include "service/byte_range.h"

#include <charconv>

#include "service/utf8.h"

namespace vexo::service {

namespace {

bool ParseOffset(std::string_view text, std::uint64_t& value) {
  text = TrimWhite(text);
  if (text.empty()) return false;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end;
}

}  // namespace

RangeKind ResolveRange(std::string_view header, std::uint64_t size, ByteRange& range) {
  range = {0, size};
  constexpr std::string_view kUnit = "bytes=";
  header = TrimWhite(header);
  if (!header.starts_with(kUnit)) return RangeKind::kWhole;
  const auto entry = TrimWhite(header.substr(kUnit.size()));
  if (entry.find(',') != std::string_view::npos) return RangeKind::kWhole;
  const auto dash = entry.find('-');
  if (dash == std::string_view::npos) return RangeKind::kWhole;
  const auto first_text = entry.substr(0, dash);
  const auto last_text = entry.substr(dash + 1);

  std::uint64_t first = 0;
  std::uint64_t last = 0;
  if (TrimWhite(first_text).empty()) {
    // "-n": the last n bytes.
    if (!ParseOffset(last_text, last)) return RangeKind::kWhole;
    if (last == 0 || size == 0) return RangeKind::kUnsatisfiable;
    const auto length = last < size ? last : size;
    range = {size - length, length};
    return RangeKind::kPartial;
  }
  if (!ParseOffset(first_text, first)) return RangeKind::kWhole;
  if (TrimWhite(last_text).empty()) {
    last = size == 0 ? 0 : size - 1;
  } else if (!ParseOffset(last_text, last) || last < first) {
    return RangeKind::kWhole;
  }
  if (first >= size) return RangeKind::kUnsatisfiable;
  if (last >= size) last = size - 1;
  range = {first, last - first + 1};
  return RangeKind::kPartial;
}

}  // namespace vexo::service
