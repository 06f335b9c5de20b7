#include "service/library_source.h"

#include <cstdlib>

#include "platform/program_folder.h"
#include "service/catalogue_manifest.h"
#include "service/folder_scanner.h"
#include "service/service_constants.h"

namespace vexo::service {

namespace fs = std::filesystem;

LibrarySource LibrarySource::FromEnvironment() {
  const char* folder = std::getenv(kLibraryEnv);
  if (folder && *folder) return Folder(folder);
  return Demo();
}

fs::path LibrarySource::DefaultDemoFolder() {
  const auto program = ProgramFolder();
  if (program.empty()) return {};
  return (program / ".." / "share" / "vexo" / "demo").lexically_normal();
}

std::shared_ptr<Catalogue> LoadCatalogue(const LibrarySource& source,
                                         std::vector<std::string>& warnings,
                                         const std::atomic<bool>* cancel) {
  LibraryContents contents;
  std::error_code ec;
  if (source.folder.empty() || !fs::is_directory(source.folder, ec)) {
    warnings.push_back("library folder not found: " + source.folder.string());
  } else if (fs::is_regular_file(source.folder / std::string(kManifestFileName), ec)) {
    if (!ReadManifest(source.folder, contents, warnings)) {
      warnings.push_back("cannot read the catalogue file in " + source.folder.string());
    }
  } else {
    contents = ScanMusicFolder(source.folder, warnings, cancel);
  }
  return std::make_shared<Catalogue>(std::move(contents.songs), std::move(contents.pictures),
                                     &warnings);
}

}  // namespace vexo::service
