#pragma once
// The kinds of audio file a music folder is scanned for: every format that
// both the tag reader (TagLib) and the player's media engine (libmpv) handle
// and that people keep music in. Each is served with its own content type,
// and its file extension names it in song addresses and answers.
#include <filesystem>
#include <string>
#include <string_view>

namespace vexo::service {

struct AudioFormat {
  std::string_view extension;  // lower case, without the dot: "flac"
  std::string_view content_type;
};

// The format of files ending in `extension` ("flac", ".FLAC" ...); nullptr
// when it is no music format the service lists.
const AudioFormat* AudioFormatFor(std::string_view extension);

// True when `file`'s extension names a music format.
bool IsMusicFile(const std::filesystem::path& file);

// The format name of `file`: its extension lower-cased without the dot when
// that is a music format, else "mp3" (the generated libraries' format).
std::string FormatOfFile(const std::filesystem::path& file);

// The content type a song of `format` is served with.
std::string_view ContentTypeOfFormat(std::string_view format);

}  // namespace vexo::service
