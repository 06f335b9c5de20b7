#include <gtest/gtest.h>

#include "net/charset_conversion.h"
#include "net/text_between.h"
#include "net/text_search.h"
#include "net/url_encode.h"
#include "platform/codepage.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

// GBK 0x8141 is a Chinese character whose trail byte is the letter "A";
// 0x955C one whose trail byte is a backslash.
constexpr const char* kTrailA = "\x81\x41";

ByteSet Bytes(std::string_view s) {
  return ByteSet(s.begin(), s.end());
}
std::string Str(const ByteSet& b) {
  return std::string(b.begin(), b.end());
}

TEST(TextSearch, MatchesOnlyAtCharacterBoundariesAndFoldsAsciiOnly) {
  Text t = std::string(kTrailA) + "xAx";
  EXPECT_EQ(FindText(t, "A"), 3u);  // the trail byte at 1 never starts a match
  EXPECT_EQ(FindText(t, "a", 0, true), 3u);
  EXPECT_EQ(FindText(t, "a"), kNotFound);
  EXPECT_EQ(FindText(t, "x", 3), 4u);
  EXPECT_EQ(FindText(t, "x", 99), kNotFound);
  // A needle that is a whole character is found exactly, never folded.
  EXPECT_EQ(FindText("ab" + std::string("\x81\x61"), "\x81\x41", 0, true), kNotFound);
  EXPECT_EQ(AsciiLower(std::string(kTrailA) + "ABC"), std::string(kTrailA) + "abc");
  EXPECT_EQ(ReplaceText(Utf8ToSystem("播放播放x"), Utf8ToSystem("放"), "-"),
            Utf8ToSystem("播-播-x"));
}

TEST(TextBetween, CutsBetweenMarkersWithCaseAndStartRules) {
  EXPECT_EQ(TextBetween("<A>value</A>", "<a>", "</a>"), "value");
  EXPECT_EQ(TextBetween("<A>value</A>", "<a>", "</a>", 1, true), "");
  EXPECT_EQ(TextBetween("left only", "left", "]"), "");
  EXPECT_EQ(TextBetween("no markers", "[", "]"), "");
  EXPECT_EQ(TextBetween("[]", "[", "]"), "");
  EXPECT_EQ(TextBetween("[1][2]", "[", "]", 2), "2");
  EXPECT_EQ(TextBetween("[1][2]", "[", "]", -5), "1");
  // The right marker is searched after the left one, not before it.
  EXPECT_EQ(TextBetween("]x[y]", "[", "]"), "y");
}

TEST(TextBetween, QuotePlaceholderStandsForADoubleQuote) {
  Text placeholder = Sys("#引号");
  EXPECT_EQ(TextBetween(R"({"url":"http://a/b.mp3","x":1})",
                        placeholder + "url" + placeholder + ":" + placeholder, placeholder),
            "http://a/b.mp3");
}

TEST(TextBetween, NeverMatchesInsideAChineseCharacter) {
  Text t = std::string(kTrailA) + "]z[A]";
  EXPECT_EQ(TextBetween(t, "a", "]"), "");  // only the A after "[" is a character
  EXPECT_EQ(TextBetween(t, "[a", "]"), "");
  EXPECT_EQ(TextBetween(t, "[", "]"), "A");
}

TEST(Spaces, AsciiAndFullWidthSpacesOnly) {
  Text full = "\xA1\xA1";
  EXPECT_EQ(TrimSpaces(full + "  a b" + full + " "), "a b");
  EXPECT_EQ(TrimSpaces("\tkeep\r\n"), "\tkeep\r\n");
  EXPECT_EQ(TrimSpaces(full + " " + full), "");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(RemoveSpaces(" a = 1 ;" + full + "b=2 "), "a=1;b=2");
  // B0 A1 A1 B0 is two characters; the A1 A1 in the middle is no space.
  Text straddling = "x\xB0\xA1\xA1\xB0";
  EXPECT_EQ(TrimSpaces(straddling), straddling);
  EXPECT_EQ(RemoveSpaces(straddling), straddling);
  EXPECT_EQ(TrimSpaces("\xB0\xA1" + full), "\xB0\xA1");
}

TEST(UrlEncode, EscapesEveryByteButTheUnreservedOnes) {
  EXPECT_EQ(UrlEncode("", true, true), "");
  EXPECT_EQ(UrlEncode("a_b.c-1", true, true), "a%5Fb.c-1");
  EXPECT_EQ(UrlEncode(Utf8ToSystem("中文"), true, true), "%E4%B8%AD%E6%96%87");
  EXPECT_EQ(UrlEncode(Utf8ToSystem("中文"), true, false), "%D6%D0%CE%C4");
  EXPECT_EQ(UrlEncode("a ~/\n", true, true), "a%20%7E%2F%0A");
  EXPECT_EQ(UrlEncode("Az-9"), "%41%7A%2D%39");
  EXPECT_EQ(GbkToUtf8(Utf8ToSystem("标准品质")), "标准品质");
}

TEST(ConvertCharset, ReencodesBetweenCharsets) {
  ByteSet gbk = ConvertCharset(Bytes("A标准B"));
  EXPECT_EQ(Str(gbk),
            "A\xB1\xEA\xD7\xBC"
            "B");  // two bytes per Chinese character
  EXPECT_EQ(Str(ConvertCharset(gbk, kSystemCharset, kUtf8Charset)), "A标准B");
  // Characters outside GBK survive in the system code page.
  EXPECT_EQ(SystemToUtf8(Str(ConvertCharset(Bytes("한🎵")))), "한🎵");
  EXPECT_EQ(Str(ConvertCharset(Bytes("\xEF\xBB\xBFok"))), "ok");  // the byte order mark is no text
  EXPECT_TRUE(ConvertCharset({}).empty());
  EXPECT_TRUE(ConvertCharset(Bytes("abc"), "NO-SUCH-CHARSET").empty());
}

TEST(ConvertCharset, StartPositionCutsTheReencodedBytes) {
  EXPECT_EQ(Str(ConvertCharset(Bytes("A标准"), kUtf8Charset, kSystemCharset, 1)),
            "\xB1\xEA\xD7\xBC");
  EXPECT_EQ(Str(ConvertCharset(Bytes("A标准"), kUtf8Charset, kSystemCharset, 3)), "\xD7\xBC");
  EXPECT_TRUE(ConvertCharset(Bytes("A标准"), kUtf8Charset, kSystemCharset, 5).empty());
  EXPECT_EQ(Str(ConvertCharset(Bytes("ab"), kUtf8Charset, kSystemCharset, -3)), "ab");
}

}  // namespace
}  // namespace vexo
