#include "service/library_source.h"

#include <cstdlib>

#include "platform/program_folder.h"
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

}  // namespace vexo::service
