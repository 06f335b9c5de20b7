#include "extras/download_target.h"

#include <QFileInfo>
#include <string_view>
#include <system_error>

#include "extras/extras_constants.h"
#include "platform/codepage.h"

namespace vexo {

namespace {

constexpr std::string_view kParentFolder = "..";
constexpr std::string_view kForbiddenInName{"/\\\0", 3};

bool StaysInFolder(std::string_view part) {
  return part.find_first_of(kForbiddenInName) == std::string_view::npos;
}

}  // namespace

std::optional<QString> DownloadTarget(const std::filesystem::path& folder, const Text& name,
                                      const Text& id) {
  if (folder.empty() || name.empty() || name == kParentFolder) return std::nullopt;
  if (!StaysInFolder(name) || !StaysInFolder(id)) return std::nullopt;
  // The checks above hold for the converted form too: the system code page's
  // multi-byte characters never turn into "/", "\" or NUL in UTF-8.
  std::string file = SystemToUtf8(name);
  file += kDownloadNameJoiner;
  file += SystemToUtf8(id);
  file += kDownloadExtension;
  if (!StaysInFolder(file)) return std::nullopt;
  QString path = QString::fromStdU16String(folder.u16string());
  path += QLatin1Char('/');
  path += QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
  return path;
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
