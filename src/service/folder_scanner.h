#pragma once
// A user's music folder as a library: MP3 files found recursively, their tags
// read with TagLib, sidecar LRC files and singer pictures beside them.
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "service/catalogue_manifest.h"

namespace vexo::service {

// Scans `folder`. A file that cannot be read as MP3 is skipped and described
// in `warnings`. Title, singer and year come from the tags; a missing title
// or singer is taken from the file name ("singer - title.mp3", else the whole
// name as the title). Lyrics: "<name>.lrc" or "<name>.mp3.lrc" beside the
// file. Pictures: "<singer>.jpg|.jpeg|.png", else "artist.jpg|.jpeg|.png", in
// the folder of the singer's songs. Stops early when `cancel` becomes true.
LibraryContents ScanMusicFolder(const std::filesystem::path& folder,
                                std::vector<std::string>& warnings,
                                const std::atomic<bool>* cancel = nullptr);

// Song id of the file at `relative` path: the same file keeps its id from
// one run to the next.
std::int64_t SongIdForPath(const std::filesystem::path& relative);

}  // namespace vexo::service
