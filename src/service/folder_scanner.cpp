#include "service/folder_scanner.h"

#include <fileref.h>
#include <tag.h>

#include <algorithm>
#include <chrono>
#include <ctime>

#include "service/audio_formats.h"
#include "service/embedded_media.h"
#include "service/legacy_text.h"
#include "service/service_constants.h"
#include "service/tag_texts.h"
#include "service/utf8.h"

namespace vexo::service {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kIdRange = 2'000'000'000;
constexpr std::string_view kNameSeparator = " - ";
constexpr const char* kPictureExtensions[] = {".jpg", ".jpeg", ".png"};
constexpr const char* kGenericPictureStem = "artist";
constexpr const char* kCoverPictureStem = "cover";
constexpr const char* kFolderPictureStem = "folder";

}  // namespace

std::vector<fs::path> FindMusicFiles(const fs::path& folder, std::vector<std::string>& warnings,
                                     const std::atomic<bool>* cancel) {
  std::vector<fs::path> files;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) {
    warnings.push_back("cannot read folder " + folder.string() + ": " + ec.message());
    return files;
  }
  for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) {
      // A failed step leaves the iterator at its end: name the folder.
      warnings.push_back("cannot read all of " + folder.string() + ": " + ec.message());
      break;
    }
    if (cancel && cancel->load()) break;
    std::error_code type_ec;
    if (it->is_regular_file(type_ec) && IsMusicFile(it->path())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string DateOf(const fs::path& file) {
  std::error_code ec;
  const auto written = fs::last_write_time(file, ec);
  if (ec) return {};
  const auto seconds =
      std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::file_clock::to_sys(written));
  const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
  std::tm tm{};
  if (!gmtime_r(&t, &tm)) return {};
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &tm);
  return text;
}

namespace {

fs::path FirstExisting(const std::vector<fs::path>& candidates) {
  for (const auto& candidate : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return {};
}

// Title and singer from the file name when the tags lack them.
void NamesFromFileName(const fs::path& file, Song& song) {
  const std::string sanitized = FileNameText(file.stem().string());
  const std::string stem(TrimWhite(sanitized));
  const auto separator = stem.find(kNameSeparator);
  std::string singer;
  std::string title = stem;
  if (separator != std::string::npos) {
    singer = std::string(TrimWhite(std::string_view(stem).substr(0, separator)));
    title =
        std::string(TrimWhite(std::string_view(stem).substr(separator + kNameSeparator.size())));
  }
  if (song.name.empty()) song.name = title.empty() ? stem : title;
  if (song.name.empty()) song.name = kUnknownTitle;
  if (song.singer.empty()) song.singer = singer.empty() ? std::string(kUnknownSinger) : singer;
}

// A singer name that can stand as a file name in a folder.
bool UsableAsFileName(std::string_view singer) {
  return !singer.empty() && singer != "." && singer != ".." &&
         singer.find('/') == std::string_view::npos && singer.find('\\') == std::string_view::npos;
}

}  // namespace

bool ReadSongFile(const fs::path& file, Song& song, std::string& problem) {
  song.format = FormatOfFile(file);
  // The type comes from the extension, else from the content (an Opus stream
  // in an ".ogg" file).
  TagLib::FileRef ref(file.c_str(), true, TagLib::AudioProperties::Fast);
  const auto* properties = !ref.isNull() && ref.file()->isValid() ? ref.audioProperties() : nullptr;
  if (!properties || properties->lengthInMilliseconds() <= 0 || properties->bitrate() <= 0) {
    problem = "not a readable " + song.format + " file (no length or bit rate)";
    return false;
  }
  song.duration_seconds = (properties->lengthInMilliseconds() + 500) / 1000;
  song.bit_rate = properties->bitrate();
  auto texts = ReadTagTexts(*ref.file());
  song.name = std::move(texts.title);
  song.singer = std::move(texts.artist);
  song.album = std::move(texts.album);
  if (const auto* tag = ref.tag()) song.year = static_cast<int>(tag->year());
  song.embedded_lyrics = !EmbeddedLyricLines(*ref.file()).empty();
  song.embedded_picture = EmbeddedFrontCover(*ref.file()).has_value();
  NamesFromFileName(file, song);
  return true;
}

fs::path LyricsFileFor(const fs::path& file) {
  const auto dir = file.parent_path();
  return FirstExisting(
      {dir / (file.stem().string() + ".lrc"), dir / (file.filename().string() + ".lrc")});
}

namespace {

// The first of "<stem><ext>" in `dir`, stems in order, each with every
// picture extension.
fs::path PictureNamed(const fs::path& dir, std::initializer_list<std::string> stems) {
  std::vector<fs::path> candidates;
  for (const auto& stem : stems) {
    for (const char* ext : kPictureExtensions)
      candidates.push_back(dir / (stem + ext));
  }
  return FirstExisting(candidates);
}

}  // namespace

fs::path SingerPictureIn(const fs::path& dir, const std::string& singer) {
  if (!UsableAsFileName(singer)) return {};
  return PictureNamed(dir, {singer});
}

fs::path ArtistPictureIn(const fs::path& dir) {
  return PictureNamed(dir, {kGenericPictureStem});
}

fs::path AlbumPictureIn(const fs::path& dir) {
  return PictureNamed(dir, {kCoverPictureStem, kFolderPictureStem});
}

std::int64_t SongIdForPath(const fs::path& relative) {
  // FNV-1a over the path's generic form.
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : relative.generic_string()) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return static_cast<std::int64_t>(hash % kIdRange) + 1;
}

std::int64_t NextSongId(std::int64_t id) {
  return id % kIdRange + 1;
}

}  // namespace vexo::service
