// The text rules the service applies at its edges: query decoding, UTF-8,
// JSON styles, Host values, callback names, byte ranges, paging.
#include <gtest/gtest.h>

#include "player_view.h"
#include "service/byte_range.h"
#include "service/host_address.h"
#include "service/json_text.h"
#include "service/paging.h"
#include "service/query_string.h"
#include "service/request_log.h"
#include "service/text_reply.h"
#include "service/utf8.h"

namespace vexo::service {
namespace {

TEST(QueryDecoding, DecodesWhatThePlayerSendsAndRefusesMalformedValues) {
  const auto query = QueryString::FromTarget(
      "/s/song_with_out?q=%E5%8F%AF%E6%83%9C+a%5Fb.c-1&page=1&size=&q=second&flag");
  ASSERT_TRUE(query);
  EXPECT_EQ(query->Value("q"), "可惜 a_b.c-1");  // the first q wins, "+" is a space
  EXPECT_EQ(query->Value("size"), "");
  EXPECT_TRUE(query->Has("flag"));
  EXPECT_FALSE(query->Has("callback"));
  EXPECT_EQ(query->Value("callback"), "");

  for (const char* bad : {"q=%", "q=%4", "q=%G1", "q=%E5%8F", "q=%FF", "q=%00", "%zz=1",
                          "q=%ED%A0%80" /* a surrogate */}) {
    EXPECT_FALSE(QueryString::Parse(bad)) << bad;
  }
  EXPECT_TRUE(QueryString::FromTarget("/no/query"));
  EXPECT_EQ(PercentDecode("a+b", false), "a+b");
}

TEST(QueryDecoding, CountsAreSmallDecimalNumbers) {
  EXPECT_EQ(ParseCount("", 7), 7);
  EXPECT_EQ(ParseCount("42", 7), 42);
  EXPECT_EQ(ParseCount(" 3 ", 7), 3);
  EXPECT_FALSE(ParseCount("-1", 7));
  EXPECT_FALSE(ParseCount("4x", 7));
  EXPECT_FALSE(ParseCount("1234567890", 7));  // would overflow the page arithmetic

  const auto paging = ReadPaging(*QueryString::Parse("page=0&size=1000"));
  ASSERT_TRUE(paging);
  EXPECT_EQ(paging->page, 1);
  EXPECT_EQ(paging->size, 100);
  EXPECT_EQ((Paging{3, 2}.Offset()), 4u);
  EXPECT_EQ((Paging{999999999, 100}.Offset()), 99999999800u);
}

TEST(Utf8, ValidatesAndRepairs) {
  EXPECT_TRUE(IsValidUtf8("晴天 😀 abc"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE6\x99"));
  EXPECT_EQ(SanitizeUtf8("a\xFF"
                         "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(SanitizeUtf8(std::string("a\0b", 3)), "ab");
  EXPECT_EQ(FoldCase("Rain 晴天 ABC"), "rain 晴天 abc");
}

TEST(JsonStyles, EscapedTextSurvivesThePlayersChartDecoding) {
  const std::string tricky = "Say \"Hi\" \\u0041 100%41 'ok' 😀/路\ttab";
  const auto escaped = JsonEscaped(tricky, JsonStyle::kEscaped);
  for (const unsigned char c : escaped)
    ASSERT_LT(c, 0x80);
  EXPECT_EQ(escaped.find('/'), escaped.find("\\/") + 1);
  EXPECT_NE(escaped.find("\\ud83d\\ude00"), std::string::npos);
  EXPECT_EQ(testing::DecodeChartAnswer(escaped), tricky);
}

TEST(JsonStyles, PlainTextHasNoUnicodeEscapes) {
  EXPECT_EQ(JsonEscaped("晴天/a\"b\\c\nd\x01", JsonStyle::kPlain), "晴天/a\\\"b\\\\c\\nd");
  std::string out;
  AppendJsonString(out, "http://h:1/song/2.mp3", JsonStyle::kPlain);
  EXPECT_EQ(out, "\"http://h:1/song/2.mp3\"");
}

TEST(HostValues, OnlyPlausibleHostsMakeBaseAddresses) {
  EXPECT_EQ(BaseUrlFromHost("127.0.0.1:8917"), "http://127.0.0.1:8917");
  EXPECT_EQ(BaseUrlFromHost("music.example"), "http://music.example");
  EXPECT_EQ(BaseUrlFromHost("[::1]:80"), "http://[::1]:80");
  for (const char* bad :
       {"", "a b", "a\"b", "a/b", "host:port", "host:123456", "[::1", "[]:1", "a]b", "x:1:2"}) {
    EXPECT_FALSE(BaseUrlFromHost(bad)) << bad;
  }
  EXPECT_EQ(BaseUrlFromSocket("::1", 5), "http://[::1]:5");
}

TEST(Callbacks, NamesAreLimitedToScriptIdentifierCharacters) {
  EXPECT_TRUE(IsValidCallback(""));
  EXPECT_TRUE(IsValidCallback("jQuery18308304068592842668_1425372762077"));
  EXPECT_TRUE(IsValidCallback("a.b$c_1"));
  EXPECT_FALSE(IsValidCallback("alert(1)"));
  EXPECT_FALSE(IsValidCallback("a b"));
  EXPECT_FALSE(IsValidCallback(std::string(129, 'a')));
  EXPECT_EQ(JsonpReply("cb", "{}").body, "cb({})");
  EXPECT_EQ(JsonpReply("", "{}").content_type, std::string(kJsonContentType));
}

TEST(ByteRanges, ResolveAgainstTheFileSize) {
  ByteRange r;
  EXPECT_EQ(ResolveRange("bytes=0-9", 100, r), RangeKind::kPartial);
  EXPECT_EQ(r.first, 0u);
  EXPECT_EQ(r.length, 10u);
  EXPECT_EQ(ResolveRange("bytes=90-", 100, r), RangeKind::kPartial);
  EXPECT_EQ(r.length, 10u);
  EXPECT_EQ(ResolveRange("bytes=-300", 100, r), RangeKind::kPartial);
  EXPECT_EQ(r.first, 0u);
  EXPECT_EQ(r.length, 100u);
  EXPECT_EQ(ResolveRange("bytes=100-", 100, r), RangeKind::kUnsatisfiable);
  EXPECT_EQ(ResolveRange("bytes=0-", 0, r), RangeKind::kUnsatisfiable);
  for (const char* whole : {"", "items=0-1", "bytes=5-2", "bytes=0-1,5-6", "bytes=x-"}) {
    EXPECT_EQ(ResolveRange(whole, 100, r), RangeKind::kWhole) << whole;
    EXPECT_EQ(r.length, 100u);
  }
}

TEST(RequestLog, LinesCannotBeForged) {
  const auto line = RequestLogLine("127.0.0.1", "GET", "/a\r\nfake line\x01", 200, "12");
  EXPECT_EQ(line, "127.0.0.1 \"GET /a??fake line?\" 200 12");
  EXPECT_LT(RequestLogLine("", "GET", std::string(5000, 'a'), 414, "").size(), 400u);
}

}  // namespace
}  // namespace vexo::service
