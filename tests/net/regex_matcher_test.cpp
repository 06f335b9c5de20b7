#include "net/regex_matcher.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "song_answer.h"

namespace vexo {
namespace {

using testing::SongAnswer;
using testing::SongRecord;

Text Sys8(std::string_view utf8) {
  return Utf8ToSystem(utf8);
}

TEST(RegexMatcher, BeforeAnySearchEverythingIsEmpty) {
  RegexMatcher re;
  EXPECT_EQ(re.GetPattern(), "");
  EXPECT_EQ(re.MatchCount(), 0);
  EXPECT_EQ(re.MatchText(1), "");
  EXPECT_EQ(re.SubMatchText(1, 1), "");
  EXPECT_EQ(re.SubMatchCount(), 0);
  EXPECT_EQ(re.ReplaceAll("x"), "");
}

TEST(RegexMatcher, DefaultOptionsIgnoreCaseAndFindAllMatches) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("id=(\\d+)", "ID=1 id=22 Id=333"));
  EXPECT_EQ(re.MatchCount(), 3);
  EXPECT_EQ(re.MatchText(2), "id=22");
  EXPECT_EQ(re.SubMatchText(3, 1), "333");
  EXPECT_EQ(re.MatchText(4), "");
  EXPECT_EQ(re.MatchText(0), "");

  ASSERT_TRUE(re.Search("id=(\\d+)", "ID=1 id=22", true));
  EXPECT_EQ(re.MatchCount(), 1);
  EXPECT_EQ(re.MatchText(1), "id=22");
  ASSERT_TRUE(re.Search("id", "id id", false, true, false));
  EXPECT_EQ(re.MatchCount(), 1);
}

TEST(RegexMatcher, NoMatchAndRejectedPatterns) {
  RegexMatcher re;
  EXPECT_TRUE(re.Search("absent", "subject"));
  EXPECT_EQ(re.MatchCount(), 0);
  EXPECT_EQ(re.MatchText(1), "");
  EXPECT_EQ(re.SubMatchCount(), 0);

  EXPECT_FALSE(re.Search("(unclosed", "unclosed"));
  EXPECT_EQ(re.MatchCount(), 0);
  EXPECT_EQ(re.GetPattern(), "(unclosed");
  EXPECT_EQ(re.ReplaceAll(), "");
}

TEST(RegexMatcher, GroupsOutsideThePatternOrUnsetAreEmpty) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("(a)(b)(c)?(d)", "abd abcd"));
  EXPECT_EQ(re.SubMatchCount(), 4);
  EXPECT_EQ(re.SubMatchText(1, 5), "");
  EXPECT_EQ(re.SubMatchText(1, 0), "");
  EXPECT_EQ(re.SubMatchText(1, 3), "");  // took part in no match
  EXPECT_EQ(re.SubMatchText(2, 3), "c");
  EXPECT_EQ(re.SubMatchText(2, 4), "d");
}

TEST(RegexMatcher, ASecondSearchReplacesTheFirstCompletely) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("(x)(y)", "xy xy xy"));
  ASSERT_TRUE(re.Search("z", "z"));
  EXPECT_EQ(re.MatchCount(), 1);
  EXPECT_EQ(re.SubMatchCount(), 0);
  EXPECT_EQ(re.MatchText(2), "");
  EXPECT_EQ(re.GetPattern(), "z");
}

TEST(RegexMatcher, CopiesShareMatchesAndKeepTheirOwnSubject) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("b+", "abbbc"));
  RegexMatcher copy(re);
  ASSERT_TRUE(re.Search("q", "none"));
  EXPECT_EQ(copy.MatchText(1), "bbb");
  EXPECT_EQ(copy.ReplaceAll("-"), "a-c");
  EXPECT_EQ(re.MatchCount(), 0);
  copy = re;
  EXPECT_EQ(copy.GetPattern(), "q");
}

TEST(RegexMatcher, EcmaScriptDialect) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("a.c", "a\nc a\rc"));  // "." stops only at a line feed
  EXPECT_EQ(re.MatchCount(), 1);
  ASSERT_TRUE(re.Search("^\\w+$", "one\ntwo"));
  EXPECT_EQ(re.MatchCount(), 2);
  ASSERT_TRUE(re.Search("^\\w+$", "one\ntwo\n", false, false));
  EXPECT_EQ(re.MatchCount(), 0);  // without multi-line "$" is only the very end
  ASSERT_TRUE(re.Search("\\u6807(\\x41)", Sys8("标A")));
  EXPECT_EQ(re.SubMatchText(1, 1), "A");
  ASSERT_TRUE(re.Search("(a)?\\1b", "b"));  // an unset back-reference matches nothing
  EXPECT_EQ(re.MatchCount(), 1);
  ASSERT_TRUE(re.Search("[]", "abc"));
  EXPECT_EQ(re.MatchCount(), 0);
  ASSERT_TRUE(re.Search("x*", "axb"));  // empty matches move on by one character
  EXPECT_EQ(re.MatchCount(), 4);
  ASSERT_TRUE(re.Search(Sys8("品质"), Sys8("标准品质，高品质")));
  EXPECT_EQ(re.MatchCount(), 2);
}

TEST(RegexMatcher, QuotePlaceholderInThePattern) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search(Sys8("#引号(\\w+)#引号"), R"(say "hi")", false, true, true, true));
  EXPECT_EQ(re.SubMatchText(1, 1), "hi");
  EXPECT_EQ(re.GetPattern(), R"re("(\w+)")re");
}

TEST(RegexMatcher, ReplaceAllWithReferences) {
  RegexMatcher re;
  ASSERT_TRUE(re.Search("(\\w)(\\d)", "a1 b2"));
  EXPECT_EQ(re.ReplaceAll("$2$1"), "1a 2b");
  EXPECT_EQ(re.ReplaceAll("[$&|$$|$3|$0]"), "[a1|$|$3|$0] [b2|$|$3|$0]");
  EXPECT_EQ(re.ReplaceAll("<$`>"), "<> <a1 >");
  EXPECT_EQ(re.ReplaceAll(), " ");
  ASSERT_TRUE(re.Search("(\\w)(\\d)", "a1 b2", false, true, false));
  EXPECT_EQ(re.ReplaceAll("$01"), "a b2");
  ASSERT_TRUE(re.Search(Sys8("准"), Sys8("标准品质")));
  EXPECT_EQ(SystemToUtf8(re.ReplaceAll(Sys8("[准]"))), "标[准]品质");
}

TEST(RegexMatcher, PositionsAreByteOffsetsAndFirstIndexCountsUtf16Units) {
  RegexMatcher re;
  Text subject = Sys8("中中xx🎵x");
  ASSERT_TRUE(re.Search("(x)", subject));
  ASSERT_EQ(re.MatchCount(), 3);
  long position = 0;
  EXPECT_EQ(re.MatchText(2, &position), "x");
  EXPECT_EQ(position, 5);  // 中中 are four bytes, the first x one
  EXPECT_EQ(re.SubMatchText(3, 1, &position), "x");
  EXPECT_EQ(position, 10);         // the note takes four bytes in the system code page
  EXPECT_EQ(re.FirstIndex(3), 6);  // ... and two UTF-16 units
  EXPECT_EQ(re.FirstIndex(4), -1);
  EXPECT_EQ(re.MatchText(9, &position), "");
  EXPECT_EQ(position, kNoPosition);
}

class SongPatternTest : public ::testing::Test {
 protected:
  bool SearchSongs(const std::string& answerUtf8) {
    return songs_.Search(Sys8(testing::kSongPatternUtf8), Sys8(answerUtf8));
  }
  std::string Field(int n, int m) const { return SystemToUtf8(songs_.SubMatchText(n, m)); }
  RegexMatcher songs_;
};

TEST_F(SongPatternTest, FiftyRecordsGiveFiftySongs) {
  ASSERT_TRUE(SearchSongs(SongAnswer(50)));
  ASSERT_EQ(songs_.MatchCount(), 50);
  EXPECT_EQ(songs_.SubMatchCount(), 4);
  for (int i = 1; i <= 50; ++i) {
    std::string n = std::to_string(i);
    EXPECT_EQ(Field(i, 1), n);
    EXPECT_EQ(Field(i, 2), "歌曲" + n);
    EXPECT_EQ(Field(i, 3), "歌手" + n);
    EXPECT_EQ(Field(i, 4), "http://m.example/" + n + "/std.mp3");
  }
}

TEST_F(SongPatternTest, ARecordWithoutStandardQualityTakesTheNextRecordsUrl) {
  std::string answer = "[" + SongRecord(1) + "," + SongRecord(2, false) + "," + SongRecord(3) +
                       "," + SongRecord(4) + "]";
  ASSERT_TRUE(SearchSongs(answer));
  ASSERT_EQ(songs_.MatchCount(), 3);
  EXPECT_EQ(Field(2, 1), "2");
  EXPECT_EQ(Field(2, 2), "歌曲2");
  EXPECT_EQ(Field(2, 4), "http://m.example/3/std.mp3");
  EXPECT_EQ(Field(3, 1), "4");  // record 3 yields no song of its own
}

TEST_F(SongPatternTest, QuotesInsideASongNameAreKeptWhole) {
  std::string answer =
      R"({"song_id":7,"x":1,"song_name":"Say "Hi", Again","singer_name":"某人","a":"标准品质","url":"http://u/7.mp3","f":1})";
  ASSERT_TRUE(SearchSongs(answer));
  ASSERT_EQ(songs_.MatchCount(), 1);
  EXPECT_EQ(Field(1, 2), R"(Say "Hi", Again)");
  EXPECT_EQ(Field(1, 3), "某人");
}

TEST_F(SongPatternTest, ARecordBrokenByALineFeedDoesNotMatch) {
  std::string record = SongRecord(5);
  record.insert(record.find("album_name") - 1, "\n");
  ASSERT_TRUE(SearchSongs(record));
  EXPECT_EQ(songs_.MatchCount(), 0);
}

}  // namespace
}  // namespace vexo
