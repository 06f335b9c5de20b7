// The demo library generator: notation, timing, pictures, and the library
// the build generated.
#include <gtest/gtest.h>
#include <mpegfile.h>

#include <fstream>
#include <iterator>
#include <set>

#include "service/catalogue_manifest.h"
#include "service/demo/demo_library.h"
#include "service/demo/lrc_writer.h"
#include "service/demo/png_writer.h"
#include "service/lrc_text.h"
#include "test_library.h"

namespace vexo::service::demo {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Score, NumberedNotationBecomesTimedNotes) {
  std::string error;
  const auto notes = ParseScore("/ 1 2_ | 3. - 0 #4' 5, b7__ /", 60, error);
  ASSERT_EQ(notes.size(), 7u) << error;
  EXPECT_EQ(notes[0].pitch, 60);
  EXPECT_TRUE(notes[0].phrase_start);
  EXPECT_FALSE(notes[1].phrase_start);
  EXPECT_DOUBLE_EQ(notes[1].beats, 0.5);
  EXPECT_EQ(notes[2].pitch, 64);
  EXPECT_DOUBLE_EQ(notes[2].beats, 2.5);  // dotted, then held a beat
  EXPECT_EQ(notes[3].pitch, -1);
  EXPECT_EQ(notes[4].pitch, 60 + 6 + 12);
  EXPECT_EQ(notes[5].pitch, 67 - 12);
  EXPECT_EQ(notes[6].pitch, 60 + 11 - 1);
  EXPECT_DOUBLE_EQ(notes[6].beats, 0.25);

  EXPECT_TRUE(ParseScore("- 1", 60, error).empty());
  EXPECT_TRUE(ParseScore("1 8", 60, error).empty());
  EXPECT_NE(error.find('8'), std::string::npos);
}

TEST(Score, EveryDemoTuneParses) {
  for (const auto& tune : DemoTunes()) {
    std::string error;
    EXPECT_FALSE(ParseScore(tune.score, tune.tonic, error).empty()) << tune.name << ": " << error;
  }
}

TEST(Lyrics, LinesAreStampedWithTheirPhraseTimes) {
  EXPECT_EQ(LrcTimeTag(65.32), "[01:05.32]");
  EXPECT_EQ(LrcTimeTag(-3), "[00:00.00]");
  const auto lrc = WriteLrc({"歌", "人", "集"}, {1.0, 2.5, 4.0}, {"一", "二"});
  EXPECT_EQ(lrc,
            "[ti:歌]\n[ar:人]\n[al:集]\n[by:Vexo]\n[00:01.00]一\n[00:02.50]二\n[00:04.00]一\n");
}

TEST(Pictures, PngFilesHaveTheirChunksInOrder) {
  RgbImage image{3, 2, std::vector<std::uint8_t>(18, 0x7F)};
  const auto png = EncodePng(image);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(37, 4), "IDAT");
  EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
  // Two rows of a filter byte and nine pixel bytes, stored whole.
  EXPECT_NE(png.find(std::string(9, '\x7F')), std::string::npos);
}

TEST(DemoGeneration, IsDeterministic) {
  const auto folder = testing::MakeTempFolder("vexo-demo-determinism");
  const auto& tune = DemoTunes().front();
  const auto& singer = DemoSingers()[static_cast<std::size_t>(tune.singer)];
  Song first;
  Song second;
  std::string error;
  ASSERT_TRUE(WriteDemoSong(tune, singer, folder / "", {2, 4}, first, error)) << error;
  const auto bytes = ReadAll(first.audio_file);
  ASSERT_TRUE(WriteDemoSong(tune, singer, folder, {2, 4}, second, error)) << error;
  EXPECT_EQ(ReadAll(second.audio_file), bytes);
  fs::remove_all(folder);
}

TEST(DemoGeneration, TheBuiltDemoLibraryIsComplete) {
  const fs::path folder = VEXO_DEMO_DIR;
  LibraryContents contents;
  std::vector<std::string> warnings;
  ASSERT_TRUE(ReadManifest(folder, contents, warnings));
  EXPECT_TRUE(warnings.empty());
  ASSERT_GE(contents.songs.size(), 16u);

  std::set<std::string> singers;
  std::set<std::string> pictured;
  for (const auto& p : contents.pictures)
    pictured.insert(p.singer);
  int without_lyrics = 0;
  for (const auto& song : contents.songs) {
    singers.insert(song.singer);
    TagLib::MPEG::File mpeg(song.audio_file.c_str());
    ASSERT_TRUE(mpeg.isValid()) << song.name;
    const auto seconds = mpeg.audioProperties()->lengthInMilliseconds() / 1000.0;
    EXPECT_GE(seconds, 20.0) << song.name;
    EXPECT_LE(seconds, 60.0) << song.name;
    EXPECT_EQ(mpeg.audioProperties()->bitrate(), 128) << song.name;
    if (song.lyrics_file.empty()) {
      ++without_lyrics;
      continue;
    }
    const auto lines = ReadLyricLines(song.lyrics_file);
    ASSERT_TRUE(lines) << song.name;
    // Timed lines come in order and all within the song.
    double last = -1;
    for (const auto& line : *lines) {
      if (line.size() < 10 || line[0] != '[' || line[1] < '0' || line[1] > '9') continue;
      const double at = std::stoi(line.substr(1, 2)) * 60 + std::stod(line.substr(4, 5));
      EXPECT_GT(at, last) << song.name << ": " << line;
      EXPECT_LT(at, seconds) << song.name << ": " << line;
      last = at;
    }
    EXPECT_GT(last, 0) << song.name << " has no timed line";
  }
  EXPECT_GE(without_lyrics, 1);
  EXPECT_LT(pictured.size(), singers.size()) << "one singer is meant to have no picture";
  for (const auto& p : contents.pictures)
    EXPECT_TRUE(ReadAll(p.file).starts_with("\x89PNG"));
}

}  // namespace
}  // namespace vexo::service::demo
