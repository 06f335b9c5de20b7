#pragma once
// The paths the service answers and the addresses it hands out for its files.
// Files are reached by catalogue id only, never by a path from a request.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexo::service {

// Paths of the text endpoints (decoded).
inline constexpr std::string_view kSearchRoute = "/s/song_with_out";
inline constexpr std::string_view kSuggestRoute = "/suggest.do";
inline constexpr std::string_view kLyricsRoute = "/lrc/down";
inline constexpr std::string_view kPictureLookupRoute = "/pic/down";

// "/ajax/<one segment>/ttpod": a chart.
bool IsChartPath(std::string_view path);
// "/song/<1 to 18 digits>.<ext>", ext a music format's extension in lower
// case: the song's id (the file is served by id, in its own format).
std::optional<std::int64_t> SongFileId(std::string_view path);
// "/picture/<1 to 9 digits>.jpg|jpeg|png": the picture's index.
std::optional<std::size_t> PictureFileIndex(std::string_view path);

// "http://host:port/song/<id>.<format>" for `base_url` "http://host:port".
std::string SongFileUrl(std::string_view base_url, std::int64_t id, std::string_view format);
// "http://host:port/picture/<index>.<ext>", the extension of `file_name`.
std::string PictureFileUrl(std::string_view base_url, std::size_t index,
                           std::string_view file_extension);

// Content type of a picture by its file extension (".jpg", ".png" ...).
const char* PictureContentType(std::string_view file_extension);

}  // namespace vexo::service
