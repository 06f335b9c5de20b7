#pragma once
// Fixed values of the lyrics, singer picture and download workers: window
// heights, timer intervals, the service's request pieces and answer markers,
// and the texts the player shows. Texts are UTF-8 here; Sys() gives their
// system code page form.
#include <string_view>

namespace vexo {

// The song list's column with the song identifier (the others are in
// playback/player_view.h).
inline constexpr int kSongColumnId = 3;

// Main window heights: the lyrics strip below the song list is cut off at 622
// pixels and shows at 652.
inline constexpr int kPlainWindowHeight = 622;
inline constexpr int kLyricsWindowHeight = 652;

// The lyrics timer: ticks twice a second while lyrics are shown, 0 stops it.
inline constexpr int kLyricsTimerIntervalMs = 500;
inline constexpr int kLyricsTimerStopped = 0;
// A matched lyric line goes on the label this long after its tick.
inline constexpr int kLyricShowDelayMs = 1000;

// The lyrics request, after the service's scheme and host.
inline constexpr std::string_view kLyricsPath = "/lrc/down?lrcid=&artist=";
inline constexpr std::string_view kLyricsTitleParam = "&title=";
inline constexpr std::string_view kLyricsSongIdParam = "&song_id=";
inline constexpr std::string_view kLyricsQueryTail =
    "&code=e3c7a91&callback=jQuery18308304068592842668_1425372762082";

// The lyrics answer: the lyric text follows the start marker; the slogan
// stands after the last wanted line and is swapped for the player's own before
// the text is cut out; lines are separated by the two characters \ and n.
inline constexpr std::string_view kLyricsStartMarker = "{\"lrc\":";
inline constexpr std::string_view kLyricsSloganUtf8 = "好音质,天天动听!";
inline constexpr std::string_view kLyricsEndMarkerUtf8 = "Vexo_播放器,好音质";
inline constexpr std::string_view kLyricLineSeparator = "\\n";

// The lyric label's song heading: name, " - ", singer; without lyrics the
// no-lyrics note follows.
inline constexpr std::string_view kHeadingJoiner = " - ";
inline constexpr std::string_view kNoLyricsNoteUtf8 = " 暂无歌词";

// A lyric line is its time tags, each closed by "]", and its text; a text of
// only "?" is never shown.
inline constexpr std::string_view kTimeTagEnd = "]";
inline constexpr std::string_view kHiddenLyricText = "?";

// The singer picture lookup, after the service's scheme and host, and the
// markers around the picture's address in its answer.
inline constexpr std::string_view kPicturePath = "/pic/down?artist=";
inline constexpr std::string_view kPictureQueryTail =
    "&rand=&code=-2000&callback=jQuery18308304068592842668_1425372762078&_=1425373053634";
inline constexpr std::string_view kPictureStartMarker = "{\"singerPic\":\"";
inline constexpr std::string_view kPictureEndMarker = "\"}}";

// The scheme put before a service address given as "host:port".
inline constexpr std::string_view kDefaultScheme = "http://";

// The downloaded song's file: <program folder>/<song name>_<id><extension>,
// the extension the song's own format's (".mp3" when the answer tells none).
inline constexpr std::string_view kDownloadNameJoiner = "_";
inline constexpr std::string_view kDownloadExtension = ".mp3";
// The lock that keeps two downloads from writing one file: <file>.lock.
inline constexpr std::string_view kDownloadLockSuffix = ".lock";

// The download's result messages.
inline constexpr std::string_view kDownloadSucceededUtf8 = "下载成功";
inline constexpr std::string_view kDownloadFailedUtf8 = "下载失败";

}  // namespace vexo
