#pragma once
// A music folder shaped like a Chinese listener's own, generated once per
// test process with the project's tone encoder and tagged with TagLib:
// older MP3s tagged by Windows tools (ID3v1 and ID3v2.3 Latin-1 frames
// holding GBK bytes), UTF-16 frames, USLT and SYLT lyrics and APIC pictures,
// FLAC rips with Vorbis comments and PICTURE blocks, phone downloads in M4A,
// Ogg and Opus files, and one file of each other format.
#include <filesystem>
#include <string>
#include <vector>

namespace vexo::service::testing {

struct ListenerSong {
  std::string file;  // relative to the folder
  std::string name;
  std::string singer;
  std::string format;
};

// The folder and every song it lists, with the names it should show.
const std::filesystem::path& ListenerFolder();
const std::vector<ListenerSong>& ListenerSongs();

// Picture bytes as a tagger embeds them: a JPEG start and filler.
std::string FakeJpeg(std::size_t bytes);

// A short tone in the format `file`'s extension names.
void WriteToneFile(const std::filesystem::path& file);
// An MP3 tone whose ID3v2.4 tag holds `title` and `singer` (UTF-16) and, when
// given, `cover` as its front cover picture.
void WriteTaggedMp3(const std::filesystem::path& file, const std::string& title,
                    const std::string& singer, const std::string& cover = {});

}  // namespace vexo::service::testing
