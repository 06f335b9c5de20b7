#include "service/service_paths.h"

#include "service/audio_formats.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

// The picture route's extension for a file's extension.
std::string_view RouteExtension(std::string_view file_extension) {
  const auto folded = FoldCase(file_extension);
  if (folded == ".png") return "png";
  if (folded == ".jpeg") return "jpeg";
  return "jpg";
}

constexpr std::size_t kMaxSongIdDigits = 18;
constexpr std::size_t kMaxPictureDigits = 9;

// The number made of `text`, all of it 1 to `max_digits` decimal digits.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t max_digits) {
  if (text.empty() || text.size() > max_digits) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool IsChartPath(std::string_view path) {
  constexpr std::string_view kStart = "/ajax/";
  constexpr std::string_view kEnd = "/ttpod";
  if (!path.starts_with(kStart) || !path.ends_with(kEnd)) return false;
  if (path.size() <= kStart.size() + kEnd.size()) return false;
  const auto segment = path.substr(kStart.size(), path.size() - kStart.size() - kEnd.size());
  return segment.find('/') == std::string_view::npos;
}

std::optional<std::int64_t> SongFileId(std::string_view path) {
  constexpr std::string_view kStart = "/song/";
  if (!path.starts_with(kStart)) return std::nullopt;
  const auto rest = path.substr(kStart.size());
  const auto dot = rest.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const auto extension = rest.substr(dot + 1);
  if (!AudioFormatFor(extension) || FoldCase(extension) != extension) return std::nullopt;
  return Digits(rest.substr(0, dot), kMaxSongIdDigits);
}

std::optional<std::size_t> PictureFileIndex(std::string_view path) {
  constexpr std::string_view kStart = "/picture/";
  if (!path.starts_with(kStart)) return std::nullopt;
  const auto rest = path.substr(kStart.size());
  const auto dot = rest.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const auto extension = rest.substr(dot + 1);
  if (extension != "jpg" && extension != "jpeg" && extension != "png") return std::nullopt;
  const auto index = Digits(rest.substr(0, dot), kMaxPictureDigits);
  if (!index) return std::nullopt;
  return static_cast<std::size_t>(*index);
}

std::string SongFileUrl(std::string_view base_url, std::int64_t id, std::string_view format) {
  std::string url(base_url);
  url += "/song/";
  url += std::to_string(id);
  url += '.';
  url += format;
  return url;
}

std::string PictureFileUrl(std::string_view base_url, std::size_t index,
                           std::string_view file_extension) {
  std::string url(base_url);
  url += "/picture/";
  url += std::to_string(index);
  url += '.';
  url += RouteExtension(file_extension);
  return url;
}

const char* PictureContentType(std::string_view file_extension) {
  return RouteExtension(file_extension) == "png" ? "image/png" : "image/jpeg";
}

}  // namespace vexo::service
