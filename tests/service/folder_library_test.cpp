// A user's music folder: tags, file-name fallbacks, broken files, sidecar
// lyrics in the encodings such files come in, singer pictures, and the
// incremental scan into the store.
#include <gtest/gtest.h>
#include <id3v2tag.h>
#include <mpegfile.h>

#include <fstream>

#include "platform/codepage.h"
#include "service/catalogue_loading.h"
#include "service/folder_scanner.h"
#include "service/library_sync.h"
#include "service/lrc_text.h"
#include "service/service_constants.h"
#include "service/sqlite_store.h"
#include "test_library.h"

namespace vexo::service {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

void TagMp3(const fs::path& file, const char* title, const char* artist, unsigned year) {
  TagLib::MPEG::File mpeg(file.c_str());
  auto* tag = mpeg.ID3v2Tag(true);
  tag->setTitle(TagLib::String(title, TagLib::String::UTF8));
  tag->setArtist(TagLib::String(artist, TagLib::String::UTF8));
  tag->setYear(year);
  ASSERT_TRUE(mpeg.save());
}

class MusicFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::MakeTempFolder("vexo-music-folder");
    fs::create_directories(folder_ / "歌手甲");
    testing::WriteShortMp3(folder_ / "歌手甲" / "tagged.mp3");
    TagMp3(folder_ / "歌手甲" / "tagged.mp3", "有标签的歌", "歌手甲", 2011);
    std::string gbk_lyrics;
    ASSERT_TRUE(
        ConvertBytes("[00:01.00]你好\r\n[00:02.00]再见\r\n", "UTF-8", kSystemCharset, gbk_lyrics));
    WriteBytes(folder_ / "歌手甲" / "tagged.lrc", gbk_lyrics);
    WriteBytes(folder_ / "歌手甲" / "歌手甲.jpg", "\xFF\xD8\xFF picture");

    testing::WriteShortMp3(folder_ / "周杰 - 晴天.mp3");
    WriteBytes(folder_ / "周杰 - 晴天.mp3.lrc", "\xEF\xBB\xBF[00:01.00]晴天\n\n");
    testing::WriteShortMp3(folder_ / "LOUD.MP3");
    WriteBytes(folder_ / "artist.png", "\x89PNG picture");
    WriteBytes(folder_ / "broken.mp3", std::string(4096, '\x5A'));
    WriteBytes(folder_ / "empty.mp3", "");
    WriteBytes(folder_ / "notes.txt", "not music");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Scans the folder into the store and gives the cache built from it.
  std::shared_ptr<Catalogue> Scan(std::vector<std::string>& warnings,
                                  SyncReport* report = nullptr) {
    const auto done = SyncLibrary(*store_, library_, folder_, false, warnings);
    if (report) *report = done;
    return BuildCatalogue(*store_, library_, folder_);
  }

  const Song* Named(const Catalogue& catalogue, const std::string& name) {
    for (const auto& song : catalogue.Songs()) {
      if (song.name == name) return &song;
    }
    ADD_FAILURE() << "no song named " << name;
    return nullptr;
  }

  fs::path folder_;
  std::shared_ptr<SqliteStore> store_ = SqliteStore::Open({}, false);
  std::int64_t library_ = store_->OpenLibrary("/music");
};

TEST_F(MusicFolder, ReadsTagsAndFallsBackToTheFileName) {
  std::vector<std::string> warnings;
  const auto catalogue = Scan(warnings);
  ASSERT_EQ(catalogue->Size(), 3u);

  const auto* tagged = Named(*catalogue, "有标签的歌");
  ASSERT_TRUE(tagged);
  EXPECT_EQ(tagged->singer, "歌手甲");
  EXPECT_EQ(tagged->year, 2011);
  EXPECT_EQ(tagged->bit_rate, 128);
  EXPECT_GE(tagged->duration_seconds, 1);
  EXPECT_EQ(tagged->lyrics_file, folder_ / "歌手甲" / "tagged.lrc");
  EXPECT_EQ(tagged->added.size(), 10u);

  const auto* untagged = Named(*catalogue, "晴天");
  ASSERT_TRUE(untagged);
  EXPECT_EQ(untagged->singer, "周杰");
  EXPECT_EQ(untagged->lyrics_file, folder_ / "周杰 - 晴天.mp3.lrc");

  const auto* loud = Named(*catalogue, "LOUD");
  ASSERT_TRUE(loud);
  EXPECT_EQ(loud->singer, std::string(kUnknownSinger));
  EXPECT_TRUE(loud->lyrics_file.empty());
}

TEST(MusicFolderNames, ABlankFileNameWithoutTagsStillNamesTheSong) {
  const fs::path folder = testing::MakeTempFolder("vexo-blank-name");
  testing::WriteShortMp3(folder / "  .mp3");
  Song song;
  std::string problem;
  const bool read = ReadSongFile(folder / "  .mp3", song, problem);
  fs::remove_all(folder);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(song.name, std::string(kUnknownTitle));
  EXPECT_EQ(song.singer, std::string(kUnknownSinger));
}

TEST_F(MusicFolder, UnreadableFilesAreSkippedWithAWarning) {
  std::vector<std::string> warnings;
  Scan(warnings);
  ASSERT_EQ(warnings.size(), 2u);
  std::string all = warnings[0] + warnings[1];
  EXPECT_NE(all.find("broken.mp3"), std::string::npos);
  EXPECT_NE(all.find("empty.mp3"), std::string::npos);
}

TEST_F(MusicFolder, PicturesAreFoundBySingerNameThenAsArtistPicture) {
  std::vector<std::string> warnings;
  const auto catalogue = Scan(warnings);
  std::map<std::string, fs::path> pictures;
  for (const auto& p : catalogue->Pictures())
    pictures[p.singer] = p.file;
  EXPECT_EQ(pictures["歌手甲"], folder_ / "歌手甲" / "歌手甲.jpg");
  EXPECT_EQ(pictures["周杰"], folder_ / "artist.png");
}

// The ids of the songs by audio file name.
std::map<std::string, std::int64_t> IdsByFile(const Catalogue& catalogue) {
  std::map<std::string, std::int64_t> ids;
  for (const auto& song : catalogue.Songs())
    ids[song.audio_file.filename().string()] = song.id;
  return ids;
}

TEST_F(MusicFolder, ARescanReadsOnlyWhatChangedAndKeepsIdsAndCounts) {
  std::vector<std::string> warnings;
  SyncReport report;
  const auto first = Scan(warnings, &report);
  EXPECT_EQ(report.read, 5u);  // three songs, two broken files
  EXPECT_TRUE(report.changed);
  const auto ids = IdsByFile(*first);
  store_->AddCounts(library_, {{ids.at("LOUD.MP3"), 7, 2}});

  // Unchanged: nothing is read but the broken files, nothing is written.
  const auto second = Scan(warnings, &report);
  EXPECT_EQ(report.read, 2u);
  EXPECT_EQ(report.unchanged, 3u);
  EXPECT_FALSE(report.changed);
  EXPECT_EQ(IdsByFile(*second), ids);

  // A retagged file is read again and keeps its id and counts; a removed
  // file leaves; a new one comes in; a lyrics file that appears is taken.
  TagMp3(folder_ / "LOUD.MP3", "Loud and clear", "New Band", 2020);
  fs::remove(folder_ / "周杰 - 晴天.mp3");
  testing::WriteShortMp3(folder_ / "new.mp3");
  WriteBytes(folder_ / "歌手甲" / "tagged.lrc", "[00:01.00]changed\n");
  fs::rename(folder_ / "歌手甲" / "tagged.lrc", folder_ / "歌手甲" / "tagged.mp3.lrc");
  WriteBytes(folder_ / "LOUD.lrc", "[00:01.00]loud\n");
  const auto third = Scan(warnings, &report);
  EXPECT_EQ(report.read, 4u);  // LOUD, new, and the two broken files
  EXPECT_EQ(report.removed, 1u);
  EXPECT_EQ(third->Size(), 3u);
  const auto* loud = Named(*third, "Loud and clear");
  ASSERT_TRUE(loud);
  EXPECT_EQ(loud->id, ids.at("LOUD.MP3"));
  EXPECT_EQ(loud->plays, 7u);
  EXPECT_EQ(loud->lyrics_file, folder_ / "LOUD.lrc");
  const auto* tagged = Named(*third, "有标签的歌");
  ASSERT_TRUE(tagged);
  EXPECT_EQ(tagged->lyrics_file, folder_ / "歌手甲" / "tagged.mp3.lrc");
  EXPECT_EQ(IdsByFile(*third).count("周杰 - 晴天.mp3"), 0u);
  EXPECT_EQ(IdsByFile(*third).at("new.mp3"), SongIdForPath("new.mp3"));

  // Reading everything again changes no id.
  SyncLibrary(*store_, library_, folder_, true, warnings);
  EXPECT_EQ(IdsByFile(*BuildCatalogue(*store_, library_, folder_)), IdsByFile(*third));
  EXPECT_NE(SongIdForPath("a/b.mp3"), SongIdForPath("a/c.mp3"));
}

TEST_F(MusicFolder, SidecarLyricsAreReadAsUtf8Lines) {
  EXPECT_EQ(ReadLyricLines(folder_ / "歌手甲" / "tagged.lrc"),
            (std::vector<std::string>{"[00:01.00]你好", "[00:02.00]再见"}));
  EXPECT_EQ(ReadLyricLines(folder_ / "周杰 - 晴天.mp3.lrc"),
            (std::vector<std::string>{"[00:01.00]晴天"}));
  EXPECT_EQ(LyricLinesFromBytes(std::string("\xFF\xFE[\0a\0]\0\n\0b\0", 12)),
            (std::vector<std::string>{"[a]", "b"}));
  EXPECT_FALSE(ReadLyricLines(folder_ / "missing.lrc"));
  WriteBytes(folder_ / "blank.lrc", "\n \n");
  EXPECT_FALSE(ReadLyricLines(folder_ / "blank.lrc"));
}

TEST_F(MusicFolder, LoadingPicksTheScanOrThePreparedCatalogue) {
  std::vector<std::string> warnings;
  EXPECT_EQ(LoadCatalogue(LibrarySource::Folder(folder_), warnings)->Size(), 3u);
  EXPECT_EQ(LoadCatalogue(LibrarySource::Folder(testing::SmallLibrary()), warnings)->Size(), 4u);
  warnings.clear();
  EXPECT_EQ(LoadCatalogue(LibrarySource::Folder(folder_ / "absent"), warnings)->Size(), 0u);
  EXPECT_EQ(warnings.size(), 1u);
}

}  // namespace
}  // namespace vexo::service
