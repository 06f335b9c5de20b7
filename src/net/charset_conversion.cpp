#include "net/charset_conversion.h"

#include <string_view>

#include "net/text_search.h"

namespace vexo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8Name(const std::string& charset) {
  return AsciiLower(charset) == "utf-8" || AsciiLower(charset) == "utf8";
}

}  // namespace

ByteSet ConvertCharset(const ByteSet& bytes, const std::string& from, const std::string& to,
                       std::optional<long> start) {
  std::string_view in(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (IsUtf8Name(from) && in.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    in.remove_prefix(kUtf8ByteOrderMark.size());
  }
  std::string out;
  if (!ConvertBytes(in, from.c_str(), to.c_str(), out)) return {};

  std::size_t offset = 0;
  if (start && *start > 0) offset = static_cast<std::size_t>(*start);
  if (offset >= out.size()) return {};
  return ByteSet(out.begin() + static_cast<std::ptrdiff_t>(offset), out.end());
}

}  // namespace vexo
