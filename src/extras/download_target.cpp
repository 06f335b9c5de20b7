#include "extras/download_target.h"

#include <QFileInfo>
#include <string_view>
#include <system_error>

#include "extras/extras_constants.h"
#include "net/text_search.h"
#include "platform/codepage.h"

namespace vexo {

namespace {

constexpr std::string_view kParentFolder = "..";
constexpr std::string_view kForbiddenInName{"/\\\0", 3};

// The music formats a song may come in, by content type and by the
// extension of its file. An Ogg type names no single extension.
struct SongFormat {
  std::string_view contentType;
  std::string_view extension;
};
constexpr SongFormat kSongFormats[] = {{"audio/mpeg", ".mp3"},
                                       {"audio/mp3", ".mp3"},
                                       {"audio/flac", ".flac"},
                                       {"audio/x-flac", ".flac"},
                                       {"audio/mp4", ".m4a"},
                                       {"audio/x-m4a", ".m4a"},
                                       {"audio/wav", ".wav"},
                                       {"audio/x-wav", ".wav"},
                                       {"audio/wave", ".wav"},
                                       {"audio/aiff", ".aiff"},
                                       {"audio/x-aiff", ".aiff"},
                                       {"audio/x-wavpack", ".wv"},
                                       {"audio/x-ape", ".ape"},
                                       {"audio/ape", ".ape"},
                                       {"audio/x-ms-wma", ".wma"},
                                       {"audio/opus", ".opus"},
                                       {"", ".ogg"},
                                       {"", ".oga"},
                                       {"", ".opus"},
                                       {"", ".aif"}};
constexpr std::string_view kOggType = "audio/ogg";
constexpr std::string_view kOggExtension = ".ogg";

// The type without its parameters ("audio/flac; charset=x" -> "audio/flac").
std::string BareType(std::string_view contentType) {
  contentType = contentType.substr(0, contentType.find(';'));
  while (!contentType.empty() && contentType.back() == ' ')
    contentType.remove_suffix(1);
  return AsciiLower(contentType);
}

// The extension of the address's path (before any query), lower-cased,
// when it is a music format's.
std::string_view UrlExtension(std::string_view url) {
  url = url.substr(0, url.find_first_of("?#"));
  const auto slash = url.rfind('/');
  const auto dot = url.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  const auto extension = AsciiLower(url.substr(dot));
  for (const auto& format : kSongFormats) {
    if (format.extension == extension) return format.extension;
  }
  return {};
}

bool StaysInFolder(std::string_view part) {
  return part.find_first_of(kForbiddenInName) == std::string_view::npos;
}

}  // namespace

std::optional<QString> DownloadTarget(const std::filesystem::path& folder, const Text& name,
                                      const Text& id, std::string_view extension) {
  if (folder.empty() || name.empty() || name == kParentFolder) return std::nullopt;
  if (!StaysInFolder(name) || !StaysInFolder(id)) return std::nullopt;
  // The checks above hold for the converted form too: the system code page's
  // multi-byte characters never turn into "/", "\" or NUL in UTF-8.
  std::string file = SystemToUtf8(name);
  file += kDownloadNameJoiner;
  file += SystemToUtf8(id);
  file += extension;
  if (!StaysInFolder(file)) return std::nullopt;
  QString path = QString::fromStdU16String(folder.u16string());
  path += QLatin1Char('/');
  path += QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
  return path;
}

std::string_view SongFileExtension(std::string_view contentType, std::string_view url) {
  const auto type = BareType(contentType);
  if (!type.empty()) {
    for (const auto& format : kSongFormats) {
      if (format.contentType == type) return format.extension;
    }
  }
  if (const auto fromUrl = UrlExtension(url); !fromUrl.empty()) return fromUrl;
  return type == kOggType ? kOggExtension : kDownloadExtension;
}

std::filesystem::path DownloadFolder(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userDownloads) {
  const QFileInfo program(QString::fromStdU16String(programFolder.u16string()));
  if (program.isDir() && program.isWritable()) return programFolder;
  if (userDownloads.empty()) return programFolder;  // the save then fails as it would have
  std::error_code ignored;
  std::filesystem::create_directories(userDownloads, ignored);
  return userDownloads;
}

}  // namespace vexo
