// The character set guess for tags without one: GBK and Big5 bytes read as
// Chinese, real Latin-1 left alone, and names that are not UTF-8.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "service/legacy_text.h"

namespace vexo::service {
namespace {

std::string In(const char* charset, const std::string& utf8) {
  std::string bytes;
  EXPECT_TRUE(ConvertBytesStrictly(utf8, "UTF-8", charset, bytes)) << utf8;
  return bytes;
}

std::string Gbk(const std::string& utf8) {
  return In("GB18030", utf8);
}

LegacyCharset Guess(std::vector<std::string> texts) {
  return GuessLegacyCharset(texts);
}

TEST(LegacyCharsetGuess, GbkTagsReadAsChineseJudgedOnTheWholeTag) {
  EXPECT_EQ(Guess({Gbk("青花瓷"), Gbk("周杰伦")}), LegacyCharset::kGb18030);
  EXPECT_EQ(Guess({Gbk("晴天"), ""}), LegacyCharset::kGb18030);  // "ÇçÌì" in Latin-1
  // One Chinese character amid Latin letters would pass for "Love Óê"; the
  // singer field beside it decides.
  EXPECT_EQ(Guess({"Love " + Gbk("雨"), Gbk("周杰伦")}), LegacyCharset::kGb18030);
  // GBK's extension characters (trail bytes in the ASCII range).
  EXPECT_EQ(Guess({Gbk("張學友"), Gbk("吻別")}), LegacyCharset::kGb18030);
  EXPECT_EQ(LegacyToUtf8(Gbk("青花瓷"), LegacyCharset::kGb18030), "青花瓷");
  // Big5 bytes that GBK would read as symbols and rare characters.
  const std::string big5 = In("BIG5", "周杰倫");
  EXPECT_EQ(Guess({big5, In("BIG5", "以父之名")}), LegacyCharset::kBig5);
  EXPECT_EQ(LegacyToUtf8(big5, LegacyCharset::kBig5), "周杰倫");
}

TEST(LegacyCharsetGuess, RealLatin1AndPlainTextStayLatin1) {
  const auto latin1 = [](const std::string& utf8) { return In("ISO-8859-1", utf8); };
  for (const char* text : {"Café", "Cafés", "Björk", "Motörhead", "Señor", "Créée", "Ça va", "25°C",
                           "« Chanson »", "Live © 1999", "Sigur Rós"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Guess({latin1(text), "Plain Band"}), LegacyCharset::kLatin1);
    EXPECT_EQ(LegacyToUtf8(latin1(text), LegacyCharset::kLatin1), text);
  }
  EXPECT_EQ(Guess({"Hello", "World", ""}), LegacyCharset::kLatin1);
  EXPECT_EQ(Guess({}), LegacyCharset::kLatin1);
  // Gibberish in Latin-1 that is not Chinese either stays as it came.
  EXPECT_EQ(Guess({"\x80\x81\x82\xFF"}), LegacyCharset::kLatin1);
}

TEST(FileNameTexts, Utf8StaysOtherNamesReadAsGb18030) {
  EXPECT_EQ(FileNameText("周杰伦 - 晴天"), "周杰伦 - 晴天");
  EXPECT_EQ(FileNameText(Gbk("周杰伦 - 晴天")), "周杰伦 - 晴天");
  // Bytes in no encoding at all still give a text, marked where they fail.
  const auto broken = FileNameText(
      "a\xFF\xFF"
      "b");
  EXPECT_EQ(broken.front(), 'a');
  EXPECT_EQ(broken.back(), 'b');
  EXPECT_NE(broken.find('?'), std::string::npos);
}

}  // namespace
}  // namespace vexo::service
