#include "platform/program_folder.h"

#include <system_error>

namespace vexo {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path();
}

}  // namespace vexo
