#pragma once
// One entry of the library and one singer picture. Texts are UTF-8.
#include <cstdint>
#include <filesystem>
#include <string>

namespace vexo::service {

struct Song {
  std::int64_t id = 0;
  std::string name;
  std::string singer;
  std::string album;
  // Year of release; 0 when unknown.
  int year = 0;
  // Day the song joined the library, "YYYY-MM-DD".
  std::string added;
  int duration_seconds = 0;
  // Bit rate of the audio file in kbit/s; 0 when unknown.
  int bit_rate = 0;
  std::filesystem::path audio_file;
  // The audio file's format, its extension in lower case ("mp3", "flac" ...).
  std::string format = "mp3";
  // LRC file with the song's timed lyrics; empty when it has none.
  std::filesystem::path lyrics_file;
  // The audio file holds timed lyrics of its own (served when there is no
  // LRC file) and a front cover picture.
  bool embedded_lyrics = false;
  bool embedded_picture = false;
  // Plays and searches counted before this run; the service adds its own.
  std::uint64_t plays = 0;
  std::uint64_t searches = 0;
};

struct SingerPicture {
  std::string singer;
  std::filesystem::path file;
  // `file` is a music file whose embedded front cover is the picture.
  bool embedded = false;
};

}  // namespace vexo::service
