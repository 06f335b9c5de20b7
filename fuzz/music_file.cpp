// The folder scanner reading arbitrary bytes as a music file of a user's
// folder (TagLib): the file is refused with a reason or becomes a song with
// UTF-8 texts, never a crash.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "service/folder_scanner.h"
#include "service/utf8.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxNameBytes = 64;

// The scanned folder; each input removes its file again.
const fs::path& ScanFolder() {
  static const vexo::fuzz::ScratchFolder folder("vexo-fuzz-music");
  return folder.Path();
}

// The file's name (without ".mp3") from the input's first text: anything but
// "/" and NUL, which no file name may hold.
std::string FileStem(std::string_view text) {
  std::string stem(text.substr(0, kMaxNameBytes));
  std::replace(stem.begin(), stem.end(), '/', '_');
  return stem.empty() ? "song" : stem;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Up to the first NUL: the file name; after it: the file's bytes.
  const std::string_view input = vexo::fuzz::Bytes(data, size);
  const std::size_t nul = input.find('\0');
  if (nul == std::string_view::npos) return 0;
  const std::string_view bytes = input.substr(nul + 1);

  const fs::path& folder = ScanFolder();
  const fs::path file = folder / (FileStem(input.substr(0, nul)) + ".mp3");
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
  } else {
    FUZZ_CHECK(!problem.empty());
  }
  std::error_code ec;
  fs::remove(file, ec);
  return 0;
}
