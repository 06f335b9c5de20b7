#include "service/catalogue_manifest.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "service/service_constants.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr std::string_view kHeader =
    "# vexo catalogue: song id name singer album year added "
    "duration bitrate plays searches audio lyrics | picture singer file";
constexpr std::string_view kSongTag = "song";
constexpr std::string_view kPictureTag = "picture";
constexpr std::size_t kSongFields = 13;
constexpr std::size_t kPictureFields = 3;

std::string Field(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return out;
}

std::string RelativeField(const std::filesystem::path& file, const std::filesystem::path& folder) {
  if (file.empty()) return {};
  return Field(file.lexically_relative(folder).generic_string());
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end;
}

// `relative` resolved inside `folder`; empty when it would leave the folder.
std::filesystem::path Inside(const std::filesystem::path& folder, std::string_view relative) {
  const std::filesystem::path path{std::string(relative)};
  if (path.empty() || path.is_absolute() || path.has_root_name()) return {};
  for (const auto& part : path) {
    if (part == "..") return {};
  }
  return folder / path;
}

bool ReadSong(const std::vector<std::string_view>& f, const std::filesystem::path& folder,
              Song& song, std::string& problem) {
  if (f.size() != kSongFields) {
    problem = "expected " + std::to_string(kSongFields) + " fields";
    return false;
  }
  if (!ParseNumber(f[1], song.id) || !ParseNumber(f[5], song.year) ||
      !ParseNumber(f[7], song.duration_seconds) || !ParseNumber(f[8], song.bit_rate) ||
      !ParseNumber(f[9], song.plays) || !ParseNumber(f[10], song.searches)) {
    problem = "malformed number";
    return false;
  }
  song.name = SanitizeUtf8(f[2]);
  song.singer = SanitizeUtf8(f[3]);
  song.album = SanitizeUtf8(f[4]);
  song.added = SanitizeUtf8(f[6]);
  song.audio_file = Inside(folder, f[11]);
  std::error_code ec;
  if (song.audio_file.empty() || !std::filesystem::is_regular_file(song.audio_file, ec)) {
    problem = "audio file missing or outside the library: " + std::string(f[11]);
    return false;
  }
  if (!f[12].empty()) {
    song.lyrics_file = Inside(folder, f[12]);
    if (song.lyrics_file.empty()) {
      problem = "lyrics file outside the library: " + std::string(f[12]);
      return false;
    }
  }
  return true;
}

}  // namespace

std::string WriteManifest(const LibraryContents& contents, const std::filesystem::path& folder) {
  std::ostringstream out;
  out << kHeader << '\n';
  for (const auto& s : contents.songs) {
    out << kSongTag << '\t' << s.id << '\t' << Field(s.name) << '\t' << Field(s.singer) << '\t'
        << Field(s.album) << '\t' << s.year << '\t' << Field(s.added) << '\t' << s.duration_seconds
        << '\t' << s.bit_rate << '\t' << s.plays << '\t' << s.searches << '\t'
        << RelativeField(s.audio_file, folder) << '\t' << RelativeField(s.lyrics_file, folder)
        << '\n';
  }
  for (const auto& p : contents.pictures) {
    out << kPictureTag << '\t' << Field(p.singer) << '\t' << RelativeField(p.file, folder) << '\n';
  }
  return out.str();
}

bool ReadManifest(const std::filesystem::path& folder, LibraryContents& contents,
                  std::vector<std::string>& warnings) {
  const auto file = folder / std::string(kManifestFileName);
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const auto fields = SplitTabs(line);
    std::string problem;
    if (fields[0] == kSongTag) {
      Song song;
      if (ReadSong(fields, folder, song, problem)) {
        contents.songs.push_back(std::move(song));
        continue;
      }
    } else if (fields[0] == kPictureTag && fields.size() == kPictureFields) {
      auto path = Inside(folder, fields[2]);
      std::error_code ec;
      if (!path.empty() && std::filesystem::is_regular_file(path, ec)) {
        contents.pictures.push_back({SanitizeUtf8(fields[1]), std::move(path)});
        continue;
      }
      problem = "picture file missing or outside the library";
    } else {
      problem = "unknown line";
    }
    warnings.push_back(file.string() + ":" + std::to_string(number) + ": " + problem);
  }
  return true;
}

}  // namespace vexo::service
