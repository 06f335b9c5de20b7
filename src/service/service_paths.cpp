#include "service/service_paths.h"

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

}  // namespace

std::string SongFileUrl(std::string_view base_url, std::int64_t id) {
  std::string url(base_url);
  url += "/song/";
  url += std::to_string(id);
  url += ".mp3";
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
