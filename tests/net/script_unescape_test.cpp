#include "net/script_unescape.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/codepage.h"

namespace vexo {
namespace {

std::string FromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return out;
}

Text Unescape(std::string_view utf8) {
  return SystemToUtf8(UnescapeScriptText(Utf8ToSystem(utf8)));
}

// Outputs of a real ECMAScript engine for a varied corpus (see
// data/make_unescape_vectors.js).
TEST(UnescapeScriptText, AgreesWithAnEcmaScriptEngine) {
  std::ifstream file(VEXO_NET_TEST_DATA "/unescape_vectors.tsv");
  ASSERT_TRUE(file.is_open());
  std::string line;
  int checked = 0;
  while (std::getline(file, line)) {
    std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    std::string input = FromHex(line.substr(0, tab));
    std::string expected = FromHex(line.substr(tab + 1));
    EXPECT_EQ(UnescapeScriptText(Utf8ToSystem(input)), Utf8ToSystem(expected))
        << "input (hex): " << line.substr(0, tab);
    ++checked;
  }
  EXPECT_GT(checked, 500);
}

TEST(UnescapeScriptText, DecodesTheCatalogueEscapes) {
  EXPECT_EQ(UnescapeScriptText(R"(\u6807\u51c6)"), "\xB1\xEA\xD7\xBC");
  EXPECT_EQ(Unescape(R"(http:\/\/a\/b.mp3)"), "http://a/b.mp3");
  EXPECT_EQ(Unescape("it's"), "it's");
  EXPECT_EQ(Unescape("it’s"), "it's");
  EXPECT_EQ(Unescape("a{$}b"), "a\r\nb");
  EXPECT_EQ(Unescape("a\r\nb"), "a\r\nb");
  EXPECT_EQ(Unescape("%E4%u6807"), "ä标");  // percent sequences are decoded too
  EXPECT_EQ(Unescape("🎵%uD83C%uDFB5"), "🎵🎵");
  EXPECT_EQ(Unescape("a%00b"), "a");  // a text ends at its first NUL
}

TEST(UnescapeScriptText, TextsTheLiteralCannotHoldGiveNothing) {
  EXPECT_EQ(Unescape("trailing\\"), "");
  EXPECT_EQ(Unescape("raw\nline feed"), "");
  EXPECT_EQ(Unescape("raw\rcarriage return"), "");
  EXPECT_EQ(Unescape("bad \\x4 escape"), "");
  // A backslash before a line break does not continue the literal here.
  EXPECT_EQ(Unescape("a\\\nb"), "");
  EXPECT_EQ(Unescape("a\\\rb"), "");
  EXPECT_EQ(Unescape("\rleading CR is dropped"), "leading CR is dropped");
}

TEST(UnescapeScriptText, ABackslashInsideAChineseCharacterIsNoEscape) {
  // GBK 95 5C is one character; its trail byte is not a backslash, so the "u"
  // after it starts no \u escape and nothing is dropped.
  Text t =
      "\x95\x5C"
      "u6807\x95\x5C";
  EXPECT_EQ(UnescapeScriptText(t), t);
}

}  // namespace
}  // namespace vexo
