#pragma once
// The pieces of reading a user's music folder: MP3 files found recursively,
// their tags read with TagLib, sidecar LRC files and singer pictures beside
// them.
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "service/song.h"

namespace vexo::service {

// The MP3 files under `folder` (recursively), sorted. Stops early when
// `cancel` becomes true.
std::vector<std::filesystem::path> FindMp3Files(const std::filesystem::path& folder,
                                                std::vector<std::string>& warnings,
                                                const std::atomic<bool>* cancel = nullptr);

// Reads `file` with TagLib into `song`: duration, bit rate, and title,
// singer, album and year from the tags; a missing title or singer is taken
// from the file name ("singer - title.mp3", else the whole name as the
// title). False, with `problem` set, when it is no readable MP3 file.
bool ReadSongFile(const std::filesystem::path& file, Song& song, std::string& problem);

// "<name>.lrc" or "<name>.mp3.lrc" beside `file`; empty when neither exists.
std::filesystem::path LyricsFileFor(const std::filesystem::path& file);

// "<singer>.jpg|.jpeg|.png", else "artist.jpg|.jpeg|.png", in `dir`; empty
// when none exists.
std::filesystem::path PictureFor(const std::filesystem::path& dir, const std::string& singer);

// The day `file` was last written, "YYYY-MM-DD"; empty when unknown.
std::string DateOf(const std::filesystem::path& file);

// Song id of the file at `relative` path: the same file keeps its id from
// one run to the next.
std::int64_t SongIdForPath(const std::filesystem::path& relative);
// The id to try after `id` when another song has it.
std::int64_t NextSongId(std::int64_t id);

}  // namespace vexo::service
