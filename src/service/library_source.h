#pragma once
// Where the service's library comes from, and loading it.
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "service/catalogue.h"

namespace vexo::service {

struct LibrarySource {
  // A music folder, or a generated library (a folder holding the prepared
  // catalogue file vexo-catalogue.tsv, such as the demo library).
  std::filesystem::path folder;

  static LibrarySource Demo() { return {DefaultDemoFolder()}; }
  static LibrarySource Folder(std::filesystem::path dir) { return {std::move(dir)}; }
  // VEXO_LIBRARY when it is set and not empty, else the demo library.
  static LibrarySource FromEnvironment();

  // The demo library generated at build time: <program folder>/../share/vexo/demo.
  static std::filesystem::path DefaultDemoFolder();
};

// Loads the library of `source`: from its prepared catalogue file when the
// folder has one, else by scanning the folder for MP3 files. Problems with
// single entries land in `warnings`; a folder that cannot be read gives an
// empty catalogue and a warning.
std::shared_ptr<Catalogue> LoadCatalogue(const LibrarySource& source,
                                         std::vector<std::string>& warnings,
                                         const std::atomic<bool>* cancel = nullptr);

}  // namespace vexo::service
