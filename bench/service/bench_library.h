#pragma once
// A large synthetic library for load measurements: many catalogue entries
// that share one short audio file, with Chinese names and singers.
#include <filesystem>

#include "service/catalogue_manifest.h"

namespace vexo::service::bench {

// The entries of a `songs`-song library whose audio is `audio_file` and whose
// singer pictures are all `picture_file`.
LibraryContents SyntheticLibrary(int songs, const std::filesystem::path& audio_file,
                                 const std::filesystem::path& picture_file);

// Writes such a library into `folder`: one short MP3, one small picture and
// the catalogue file. False when a file cannot be written.
bool WriteSyntheticLibrary(const std::filesystem::path& folder, int songs);

// Writes a music folder of `songs` MP3 files named "singer - title.mp3",
// 100 to a subfolder, all hard links of one short song (no tags, so names
// come from the file names). False when a file cannot be written.
bool WriteSyntheticFolder(const std::filesystem::path& folder, int songs);

}  // namespace vexo::service::bench
