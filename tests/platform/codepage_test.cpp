#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/system_text.h"

namespace vexo {
namespace {

TEST(CodePage, RoundTripsChineseAndCharactersOutsideGbk) {
  // 播放 is GBK B2 A5 B7 C5; the Hangul syllable and the emoji only survive
  // because the system code page is GB18030 (four-byte sequences).
  EXPECT_EQ(Utf8ToSystem("播放"), "\xB2\xA5\xB7\xC5");
  EXPECT_EQ(Utf8ToSystem("｜"), "\xA3\xFC");
  for (const char* s : {"한국어", "🎵 note", "plain ASCII", ""}) {
    Text sys = Utf8ToSystem(s);
    EXPECT_EQ(SystemToUtf8(sys), s);
  }
  EXPECT_EQ(Utf8ToSystem("한").size(), 4u);
}

TEST(CodePage, InvalidInputBecomesQuestionMarksAndConversionGoesOn) {
  EXPECT_EQ(Utf8ToSystem("a\xFF"
                         "b"),
            "a?b");
  EXPECT_EQ(SystemToUtf8("x\x81"), "x?");  // a lead byte with nothing after it
  std::string out;
  EXPECT_FALSE(ConvertBytes("abc", "NO-SUCH-CHARSET", "UTF-8", out));
  EXPECT_TRUE(out.empty());
}

TEST(CodePage, CharacterBoundariesKnowOneTwoAndFourByteSequences) {
  Text t = "a" + Utf8ToSystem("播") + Utf8ToSystem("한") + "]";
  // a | B2 A5 | 4 bytes | ]
  EXPECT_TRUE(IsCharBoundary(t, 0));
  EXPECT_TRUE(IsCharBoundary(t, 1));
  EXPECT_FALSE(IsCharBoundary(t, 2));
  EXPECT_TRUE(IsCharBoundary(t, 3));
  EXPECT_FALSE(IsCharBoundary(t, 4));
  EXPECT_FALSE(IsCharBoundary(t, 6));
  EXPECT_TRUE(IsCharBoundary(t, 7));
  EXPECT_EQ(CharLength(t.data() + 3, 2), 2u);  // truncated four-byte sequence
}

TEST(SystemText, ConvertsOnceAndIsSafeAcrossThreads) {
  const Text& a = Sys("等待播放");
  EXPECT_EQ(&a, &Sys("等待播放"));
  EXPECT_EQ(SystemToUtf8(a), "等待播放");
  std::vector<std::thread> threads;
  std::vector<const Text*> seen(8);
  for (int i = 0; i < 8; ++i)
    threads.emplace_back([&, i] { seen[i] = &Sys("下载成功"); });
  for (auto& t : threads)
    t.join();
  for (auto* p : seen)
    EXPECT_EQ(p, seen[0]);
}

}  // namespace
}  // namespace vexo
