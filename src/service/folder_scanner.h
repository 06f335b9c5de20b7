#pragma once
// The pieces of reading a user's music folder: music files found
// recursively, their tags read with TagLib, sidecar LRC files and singer
// pictures beside them.
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "service/song.h"

namespace vexo::service {

// The music files under `folder` (recursively, every format of
// audio_formats.h), sorted. Stops early when `cancel` becomes true.
std::vector<std::filesystem::path> FindMusicFiles(const std::filesystem::path& folder,
                                                  std::vector<std::string>& warnings,
                                                  const std::atomic<bool>* cancel = nullptr);

// Reads `file` with TagLib into `song`: format, duration, bit rate, title,
// singer, album and year from the tags (legacy 8-bit tags decoded by the
// character set guess), and whether it holds timed lyrics and a front cover
// picture; a missing title or singer is taken from the file name ("singer -
// title.flac", else the whole name as the title; a name that is not UTF-8
// read as GB18030). False, with `problem` set, when its length or bit rate
// cannot be read.
bool ReadSongFile(const std::filesystem::path& file, Song& song, std::string& problem);

// "<name>.lrc" or "<name>.<ext>.lrc" beside `file`; empty when neither exists.
std::filesystem::path LyricsFileFor(const std::filesystem::path& file);

// Pictures beside the songs, each empty when none exists:
// "<singer>.jpg|.jpeg|.png" in `dir` (none for a singer that cannot stand as
// a file name), "artist.jpg|.jpeg|.png", and an album's picture,
// "cover.jpg|.jpeg|.png" else "folder.jpg|.jpeg|.png".
std::filesystem::path SingerPictureIn(const std::filesystem::path& dir, const std::string& singer);
std::filesystem::path ArtistPictureIn(const std::filesystem::path& dir);
std::filesystem::path AlbumPictureIn(const std::filesystem::path& dir);

// The day `file` was last written, "YYYY-MM-DD"; empty when unknown.
std::string DateOf(const std::filesystem::path& file);

// Song id of the file at `relative` path: the same file keeps its id from
// one run to the next.
std::int64_t SongIdForPath(const std::filesystem::path& relative);
// The id to try after `id` when another song has it.
std::int64_t NextSongId(std::int64_t id);

}  // namespace vexo::service
