#pragma once
// The file a downloaded song is saved as.
#include <QString>
#include <filesystem>
#include <optional>

#include "platform/text.h"

namespace vexo {

// "<folder>/<name>_<id>.mp3", the name and identifier taken unchanged and
// turned into the file system's encoding. Nothing when the file could land
// outside `folder` or has no name of its own: an empty folder, an empty name
// or "..", or a name or identifier holding a path separator ("/" or "\") or a
// NUL.
std::optional<QString> DownloadTarget(const std::filesystem::path& folder, const Text& name,
                                      const Text& id);

}  // namespace vexo
