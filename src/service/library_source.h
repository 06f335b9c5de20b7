#pragma once
// Where the service's library comes from.
#include <filesystem>
#include <string>

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

}  // namespace vexo::service
