#pragma once
// The prepared catalogue file of a generated library: one line per song or
// singer picture, fields separated by tabs, paths relative to the folder that
// holds the file. The demo library and the benchmark libraries are written in
// this form; a user's music folder is scanned instead.
#include <filesystem>
#include <string>
#include <vector>

#include "service/song.h"

namespace vexo::service {

struct LibraryContents {
  std::vector<Song> songs;
  std::vector<SingerPicture> pictures;
};

// The text of a catalogue file for `contents`, whose paths lie inside `folder`.
// Tabs and line breaks inside texts become spaces.
std::string WriteManifest(const LibraryContents& contents, const std::filesystem::path& folder);

// Reads the catalogue file `folder`/vexo-catalogue.tsv. A line that is
// malformed, names a path outside `folder` or a file that does not exist is
// skipped and described in `warnings`. Returns false when the file cannot be
// read at all.
bool ReadManifest(const std::filesystem::path& folder, LibraryContents& contents,
                  std::vector<std::string>& warnings);

}  // namespace vexo::service
