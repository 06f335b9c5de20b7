// The folder scanner reading arbitrary bytes as a music file of a user's
// folder (TagLib), in the format its name's extension picks: the file is
// refused with a reason or becomes a song with UTF-8 texts, and its embedded
// lyrics and picture read as the service serves them, never a crash.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "service/audio_formats.h"
#include "service/embedded_media.h"
#include "service/folder_scanner.h"
#include "service/utf8.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxNameBytes = 64;
constexpr const char* kDefaultExtension = ".mp3";

// The scanned folder; each input removes its file again.
const fs::path& ScanFolder() {
  static const vexo::fuzz::ScratchFolder folder("vexo-fuzz-music");
  return folder.Path();
}

// The file's name from the input's first text: anything but "/" and NUL,
// which no file name may hold, ending in a music format's extension (".mp3"
// added when it ends in none).
std::string FileName(std::string_view text) {
  std::string name(text.substr(0, kMaxNameBytes));
  std::replace(name.begin(), name.end(), '/', '_');
  if (name.empty() || name == "." || name == "..") name = "song";
  if (!vexo::service::IsMusicFile(name)) name += kDefaultExtension;
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Up to the first NUL: the file name; after it: the file's bytes.
  const std::string_view input = vexo::fuzz::Bytes(data, size);
  const std::size_t nul = input.find('\0');
  if (nul == std::string_view::npos) return 0;
  const std::string_view bytes = input.substr(nul + 1);

  const fs::path& folder = ScanFolder();
  const fs::path file = folder / FileName(input.substr(0, nul));
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));

  std::vector<std::string> warnings;
  const auto found = vexo::service::FindMusicFiles(folder, warnings);
  FUZZ_CHECK(found.size() == 1);
  vexo::service::Song song;
  std::string problem;
  if (vexo::service::ReadSongFile(found[0], song, problem)) {
    FUZZ_CHECK(vexo::service::IsValidUtf8(song.name) && !song.name.empty());
    FUZZ_CHECK(vexo::service::IsValidUtf8(song.singer) && !song.singer.empty());
    FUZZ_CHECK(vexo::service::IsValidUtf8(song.album));
    FUZZ_CHECK(song.duration_seconds >= 0 && song.bit_rate > 0);
    FUZZ_CHECK(vexo::service::AudioFormatFor(song.format) != nullptr);
  } else {
    FUZZ_CHECK(!problem.empty());
  }
  // What the lyrics and picture endpoints would serve from the file.
  if (const auto lines = vexo::service::ReadEmbeddedLyrics(found[0])) {
    FUZZ_CHECK(vexo::service::HasTimeTag(*lines));
    for (const auto& line : *lines)
      FUZZ_CHECK(vexo::service::IsValidUtf8(line));
  }
  if (const auto picture = vexo::service::ReadEmbeddedPicture(found[0])) {
    FUZZ_CHECK(picture->bytes.size() <= vexo::service::kMaxEmbeddedPictureBytes);
    FUZZ_CHECK(picture->extension == "jpg" || picture->extension == "png");
  }
  std::error_code ec;
  fs::remove(file, ec);
  return 0;
}
