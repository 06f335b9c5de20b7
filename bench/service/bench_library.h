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

// Writes a music folder of `songs` files of mixed formats, named "singer -
// title.<ext>", 100 to a subfolder, the formats taking turns: hard links of
// one short tone per format, the MP3, FLAC and M4A ones holding a front
// cover of `cover_bytes` (no other tags). False when a file cannot be
// written.
bool WriteMixedFolder(const std::filesystem::path& folder, int songs, std::size_t cover_bytes);

// Writes a short tone in the format `file`'s extension names with a front
// cover of `cover_bytes` embedded (MP3, FLAC and M4A; the other formats get
// none). False when it cannot.
bool WriteToneWithCover(const std::filesystem::path& file, std::size_t cover_bytes);

// Writes one seed file per music format for the music-file fuzz target into
// `folder`: "x.<ext>", a NUL, then a very short tone in that format.
bool WriteMusicFileSeeds(const std::filesystem::path& folder);

}  // namespace vexo::service::bench
