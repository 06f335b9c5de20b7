// Cutting lyrics and picture addresses out of the service's answers, the
// request addresses, splitting at character boundaries, and download names.
#include <gtest/gtest.h>

#include <filesystem>

#include <QFile>

#include <QTemporaryDir>

#include "extras/download_target.h"
#include "extras/lyrics_answer.h"
#include "extras/picture_answer.h"
#include "extras/service_address.h"
#include "extras/text_split.h"
#include "platform/codepage.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

constexpr const char* kLyricsTail =
    "&code=e3c7a91&callback=jQuery18308304068592842668_1425372762082";

// A lyrics answer in the service's form, built from UTF-8 and delivered as the
// request routine gives it: in the system code page.
Text Answer(std::string_view utf8) {
  return Utf8ToSystem(utf8);
}

TEST(LyricsAnswerText, TheTextEndsAtTheFirstSloganAfterTheStartMarker) {
  // Every slogan is swapped, so one before the start marker does not hide the
  // ones after it.
  EXPECT_EQ(LyricTextOf(Answer("好音质,天天动听!{\"lrc\":\"a\\n好音质,天天动听!b好音质,天天动听!")),
            "\"a\\n");
  // No start marker; a look-alike slogan (full-width comma) is no slogan.
  EXPECT_EQ(LyricTextOf(Answer("[00:01.00]a\\n好音质,天天动听!")), "");
  EXPECT_EQ(LyricTextOf(Answer("{\"lrc\":\"a\\n好音质，天天动听!")), "");
}

TEST(LyricsAnswerText, LinesKeepEmptyOnesButNotAnEmptyLast) {
  EXPECT_EQ(SplitLyricText("a\\n\\nb\\n"), (LyricList{"a", "", "b"}));
  EXPECT_EQ(SplitLyricText("a\\nb"), (LyricList{"a", "b"}));
  EXPECT_EQ(SplitLyricText("\\n"), (LyricList{""}));
  EXPECT_TRUE(SplitLyricText("").empty());
  // A backslash alone or a real line break does not separate.
  EXPECT_EQ(SplitLyricText("a\\b\nc"), (LyricList{"a\\b\nc"}));
}

TEST(LyricsAnswerText, SeparatorsMatchOnlyAtCharacterBoundaries) {
  // 0x81 0x5C is one two-byte character whose trail byte is a backslash, and
  // 0x81 0x5D one whose trail byte is "]": neither separates.
  const Text wide = "[00:01.00]x\x81\x5Cny";
  ASSERT_TRUE(IsCharBoundary(wide, 11));
  EXPECT_EQ(SplitLyricText(wide), (LyricList{wide}));
  EXPECT_EQ(SplitAtBoundaries("\x81\x5D"
                              "a]b",
                              "]"),
            (std::vector<Text>{"\x81\x5D"
                               "a",
                               "b"}));
  // A time tag and its text are two pieces; a line ending in "]" loses its
  // empty last piece, an empty first piece stays.
  EXPECT_EQ(SplitAtBoundaries("[01:05.32]Hello", "]").size(), 2u);
  EXPECT_EQ(SplitAtBoundaries("[00:01:05]", "]").size(), 1u);
  EXPECT_EQ(SplitAtBoundaries("[02:10.00][01:05.00]words", "]").size(), 3u);
  EXPECT_EQ(SplitAtBoundaries("]x", "]"), (std::vector<Text>{"", "x"}));
}

TEST(LyricsRequest, NamesAreSentAsUtf8EscapesAndTheIdUnchanged) {
  const SongRowCells row{Sys("A B&C 晴天"), Sys("周杰伦"), "12345", ""};
  EXPECT_EQ(LyricsUrl("http://h:1", row),
            std::string("http://h:1/lrc/down?lrcid=&artist=%E5%91%A8%E6%9D%B0%E4%BC%A6"
                        "&title=A%20B%26C%20%E6%99%B4%E5%A4%A9&song_id=12345") +
                kLyricsTail);
  EXPECT_EQ(LyricsUrl("http://h:1", {}),
            std::string("http://h:1/lrc/down?lrcid=&artist=&title=&song_id=") + kLyricsTail);
  EXPECT_EQ(LyricsHeading(row), Sys("A B&C 晴天 - 周杰伦"));
  EXPECT_EQ(NoLyricsText(row), Sys("A B&C 晴天 - 周杰伦 暂无歌词"));
}

TEST(LyricsRequest, ServiceAddressGetsASchemeWhenItHasNone) {
  EXPECT_EQ(ServiceBaseUrl("127.0.0.1:8917"), "http://127.0.0.1:8917");
  EXPECT_EQ(ServiceBaseUrl("http://127.0.0.1:8917/"), "http://127.0.0.1:8917");
  EXPECT_EQ(ServiceBaseUrl("https://lrc.example"), "https://lrc.example");
  EXPECT_EQ(ServiceBaseUrl(""), "");
}

TEST(PictureAnswerText, TheAddressStandsBetweenTheMarkersAsSpelled) {
  EXPECT_EQ(PictureLookupUrl("http://h:1", Sys("苏 雨")),
            "http://h:1/pic/down?artist=%E8%8B%8F%20%E9%9B%A8&rand=&code=-2000"
            "&callback=jQuery18308304068592842668_1425372762078&_=1425373053634");
  EXPECT_EQ(PictureAddressOf("cb({\"code\":1,\"data\":{\"SingerPic\":\"http:\\/\\/h\\/a.png\"}})"),
            "http:\\/\\/h\\/a.png");
  EXPECT_EQ(PictureAddressOf("{\"singerPic\":\"\"}}"), "");
  EXPECT_EQ(PictureAddressOf("{\"singerPic\":\"http://h/a.png\"}"), "");
  EXPECT_EQ(PictureAddressOf(""), "");
}

TEST(DownloadName, TheFileIsNameUnderscoreIdMp3InTheFolder) {
  const auto target = DownloadTarget("/srv/player", Sys("晴天"), "12345");
  ASSERT_TRUE(target);
  EXPECT_EQ(*target, QString::fromUtf8("/srv/player/晴天_12345.mp3"));
  // Spaces, dots and other characters a Linux file name holds stay as they are.
  EXPECT_EQ(DownloadTarget("/p", Sys("A: b?*\"\"c"), "7"),
            QString::fromUtf8("/p/A: b?*\"\"c_7.mp3"));
  EXPECT_EQ(DownloadTarget("/p", "..a", ""), QString::fromUtf8("/p/..a_.mp3"));
}

TEST(DownloadName, NamesThatCouldLeaveTheFolderAreRefused) {
  EXPECT_FALSE(DownloadTarget("/p", "a/b", "1"));
  EXPECT_FALSE(DownloadTarget("/p", "../../etc/x", "1"));
  EXPECT_FALSE(DownloadTarget("/p", "a\\b", "1"));
  EXPECT_FALSE(DownloadTarget("/p", std::string("a\0b", 3), "1"));
  EXPECT_FALSE(DownloadTarget("/p", "..", "1"));
  EXPECT_FALSE(DownloadTarget("/p", "", "1"));
  EXPECT_FALSE(DownloadTarget("/p", "a", "1/../../x"));
  EXPECT_FALSE(DownloadTarget("", "a", "1"));
}

// An installed player's folder cannot be written: songs go to the user's
// download folder then, made when missing.
TEST(DownloadName, SongsGoToTheUsersDownloadsWhereTheProgramsFolderCannotBeWritten) {
  QTemporaryDir root;
  const std::filesystem::path program = root.filePath(QStringLiteral("bin")).toStdString();
  const std::filesystem::path downloads =
      root.filePath(QStringLiteral("home/Downloads")).toStdString();
  std::filesystem::create_directories(program);
  EXPECT_EQ(DownloadFolder(program, downloads), program);
  EXPECT_FALSE(std::filesystem::exists(downloads));

  // A folder that is no folder (a file stands there) is never written into.
  QFile plain(root.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  const std::filesystem::path blocked = std::filesystem::path(plain.fileName().toStdString());
  EXPECT_EQ(DownloadFolder(blocked, downloads), downloads);
  EXPECT_TRUE(std::filesystem::is_directory(downloads));
  EXPECT_EQ(DownloadFolder(root.filePath(QStringLiteral("missing")).toStdString(), downloads),
            downloads);
}

}  // namespace
}  // namespace vexo
