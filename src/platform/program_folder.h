#pragma once
// The folder that holds the running program's executable file.
#include <filesystem>

namespace vexo {

// Without a trailing separator; empty when it cannot be determined.
std::filesystem::path ProgramFolder();

}  // namespace vexo
