#pragma once
// The paths the service answers and the addresses it hands out for its files.
// Files are reached by catalogue id only, never by a path from a request.
#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::service {

// Route patterns (regular expressions over the decoded path).
inline constexpr const char* kChartRoute = R"(/ajax/[^/]+/ttpod)";
inline constexpr const char* kSearchRoute = "/s/song_with_out";
inline constexpr const char* kSuggestRoute = "/suggest.do";
inline constexpr const char* kLyricsRoute = "/lrc/down";
inline constexpr const char* kPictureLookupRoute = "/pic/down";
inline constexpr const char* kSongFileRoute = R"(/song/(\d{1,18})\.mp3)";
inline constexpr const char* kPictureFileRoute = R"(/picture/(\d{1,9})\.(jpg|jpeg|png))";

// "http://host:port/song/<id>.mp3" for `base_url` "http://host:port".
std::string SongFileUrl(std::string_view base_url, std::int64_t id);
// "http://host:port/picture/<index>.<ext>", the extension of `file_name`.
std::string PictureFileUrl(std::string_view base_url, std::size_t index,
                           std::string_view file_extension);

// Content type of a picture by its file extension (".jpg", ".png" ...).
const char* PictureContentType(std::string_view file_extension);

}  // namespace vexo::service
