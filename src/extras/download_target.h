#pragma once
// The file a downloaded song is saved as.
#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>

#include "extras/extras_constants.h"
#include "platform/text.h"

namespace vexo {

// "<folder>/<name>_<id><extension>", the name and identifier taken unchanged
// and turned into the file system's encoding. Nothing when the file could
// land outside `folder` or has no name of its own: an empty folder, an empty
// name or "..", or a name or identifier holding a path separator ("/" or
// "\") or a NUL.
std::optional<QString> DownloadTarget(const std::filesystem::path& folder, const Text& name,
                                      const Text& id,
                                      std::string_view extension = kDownloadExtension);

// The extension a downloaded song is saved with: the one its response's
// content type names ("audio/flac" -> ".flac"), else the one its address
// ends in when that is a music format (an Ogg stream is Vorbis ".ogg" or
// Opus ".opus"), else ".mp3". Never taken from the song's name.
std::string_view SongFileExtension(std::string_view contentType, std::string_view url);

// The folder songs are saved in: the program's folder, as the player always
// saves them, while it can be written there; otherwise (a player installed
// under a system folder) the user's download folder, made when missing.
std::filesystem::path DownloadFolder(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userDownloads);

}  // namespace vexo
