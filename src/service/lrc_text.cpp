#include "service/lrc_text.h"

#include <fstream>
#include <iterator>

#include "platform/codepage.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

// An LRC file is a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxLyricsBytes = 1024 * 1024;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

std::string ToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  std::string converted;
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    const char* charset = bytes.starts_with(kUtf16LeMark) ? "UTF-16LE" : "UTF-16BE";
    if (ConvertBytes(bytes.substr(2), charset, "UTF-8", converted)) return SanitizeUtf8(converted);
    return {};
  }
  if (IsValidUtf8(bytes)) return std::string(bytes);
  if (ConvertBytes(bytes, kSystemCharset, "UTF-8", converted)) return SanitizeUtf8(converted);
  return SanitizeUtf8(bytes);
}

}  // namespace

std::vector<std::string> LyricLinesFromBytes(std::string_view bytes) {
  const std::string text = ToUtf8(bytes);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  while (!lines.empty() && TrimWhite(lines.back()).empty())
    lines.pop_back();
  return lines;
}

std::optional<std::vector<std::string>> ReadLyricLines(const std::filesystem::path& file) {
  if (file.empty()) return std::nullopt;
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec || size > kMaxLyricsBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto lines = LyricLinesFromBytes(bytes);
  if (lines.empty()) return std::nullopt;
  return lines;
}

}  // namespace vexo::service
