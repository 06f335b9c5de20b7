#pragma once
// Lyrics and pictures kept inside a music file: ID3v2 USLT and SYLT frames
// and APIC pictures (MP3, WAV, AIFF), Vorbis comments LYRICS and
// UNSYNCEDLYRICS with FLAC PICTURE blocks (FLAC, Ogg Vorbis, Opus), MP4's
// ©lyr and covr atoms, APE's Lyrics and Cover Art (Front) (APE, WavPack, MP3),
// WMA's WM/Lyrics and WM/Picture. They are read from the file when asked for,
// never copied elsewhere.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TagLib {
class File;
}  // namespace TagLib

namespace vexo::service {

// Pictures larger than this are ignored.
inline constexpr std::size_t kMaxEmbeddedPictureBytes = 8 * 1024 * 1024;

struct EmbeddedPicture {
  std::string bytes;
  std::string_view extension;  // "jpg" or "png", from the picture's own bytes
};

// The file's lyrics as LRC lines (UTF-8): the first lyrics text it holds that
// has at least one time tag, SYLT's timed lines written as LRC lines. Empty
// when it has none: lyrics without any time cannot be followed.
std::vector<std::string> EmbeddedLyricLines(TagLib::File& file);

// The file's front cover (a picture marked as such, else one marked "other";
// any picture of MP4's covr), when it is a JPEG or PNG picture of at most
// kMaxEmbeddedPictureBytes.
std::optional<EmbeddedPicture> EmbeddedFrontCover(TagLib::File& file);

// The same, read from the music file at `file`; nothing when it cannot be
// read or holds none.
std::optional<std::vector<std::string>> ReadEmbeddedLyrics(const std::filesystem::path& file);
std::optional<EmbeddedPicture> ReadEmbeddedPicture(const std::filesystem::path& file);

// The lines of a lyrics text: CR LF, CR and LF all end a line; blank lines
// at the end are dropped.
std::vector<std::string> SplitLyricText(std::string_view text);

// True when some line holds an LRC time tag ("[mm:ss").
bool HasTimeTag(const std::vector<std::string>& lines);

// An LRC time tag "[mm:ss.xx]" for `milliseconds`.
std::string LrcTimeTag(unsigned milliseconds);

}  // namespace vexo::service
