// Fonts, string formats and texts: system-code-page texts drawn as the
// characters they stand for, layout, trimming and measuring.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/font_family.h"
#include "imaging/graphics.h"
#include "imaging/status.h"
#include "imaging/string_format.h"
#include "imaging/text_layout.h"
#include "imaging_test_support.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

constexpr QChar kEllipsis(0x2026);

QImage WhiteCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

ImgFont TitleFont() {
  ImgFont font;
  font.Create(Sys("宋体"), 12, kFontStyleBold, kUnitWorld);
  return font;
}

TEST(ImgText, SystemCodePageTextIsDrawnAsItsCharacters) {
  const Text title = Sys("Vexo_播放器 搜索");
  ImgFont font = TitleFont();
  ASSERT_FALSE(font.IsEmpty());
  ImgSolidBrush black;
  black.Create(MakeArgb(255, 0, 0, 0));

  QImage drawn = WhiteCanvas(200, 30);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&drawn));
  ASSERT_TRUE(g.DrawString(title, font, 0, 0, 200, 30, nullptr, black));
  g.Delete();

  // The same characters drawn by Qt from UTF-8 at the same place.
  QImage expected = WhiteCanvas(200, 30);
  {
    QPainter painter(&expected);
    const QFont qfont = font.ToQFont(96);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, QFontMetricsF(qfont).ascent()),
                     QString::fromUtf8("Vexo_播放器 搜索"));
  }
  EXPECT_EQ(drawn, expected);
  EXPECT_NE(drawn, WhiteCanvas(200, 30));
}

TEST(ImgText, TextIsClippedToItsLayoutRectangleUnlessNoClip) {
  ImgFont font = TitleFont();
  ImgSolidBrush black;
  black.Create(MakeArgb(255, 0, 0, 0));
  const Text long_text = Sys("一二三四五六七八九十");
  auto inked_right_of = [&](const ImgStringFormat* format, int x_limit) {
    QImage canvas = WhiteCanvas(200, 20);
    ImgGraphics g;
    g.CreateFromDevice(&canvas);
    g.DrawString(long_text, font, 0, 0, 30, 20, format, black);
    g.Delete();
    for (int y = 0; y < 20; ++y) {
      for (int x = x_limit; x < 200; ++x) {
        if (canvas.pixelColor(x, y) != Qt::white) return true;
      }
    }
    return false;
  };
  ImgStringFormat no_clip;
  no_clip.Create(kStringFormatFlagsNoClip | kStringFormatFlagsNoWrap);
  no_clip.SetTrimming(kStringTrimmingNone);
  EXPECT_FALSE(inked_right_of(nullptr, 31));
  EXPECT_TRUE(inked_right_of(&no_clip, 31));
}

TEST(ImgText, MeasuringGivesTheWidthTheGroupBoxTitleUses) {
  QImage canvas = WhiteCanvas(10, 10);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ImgFont font = TitleFont();
  ImgTextMeasure empty;
  ASSERT_TRUE(g.MeasureString("", font, 0, 0, 0, 0, nullptr, &empty));
  EXPECT_EQ(empty.box.width(), 0.0);
  ImgTextMeasure one;
  ImgTextMeasure two;
  ASSERT_TRUE(g.MeasureString(Sys("歌词"), font, 0, 0, 0, 0, nullptr, &one));
  ASSERT_TRUE(g.MeasureString(Sys("歌词歌词"), font, 0, 0, 0, 0, nullptr, &two));
  EXPECT_GT(one.box.width(), 12.0);
  EXPECT_NEAR(two.box.width(), 2 * one.box.width(), 1.0);
  EXPECT_EQ(one.lines_filled, 1);
  EXPECT_EQ(one.chars_fitted, 2);
  EXPECT_FALSE(g.MeasureString("x", ImgFont(), 0, 0, 0, 0, nullptr, &one));
  EXPECT_EQ(one.box.width(), 0.0);
}

TEST(ImgTextLayout, AlignsLinesBothWaysInTheRectangle) {
  QFont font;
  font.setPixelSize(12);
  const QRectF rect(10, 20, 200, 100);
  TextLayoutOptions centre;
  centre.align = kStringAlignmentCenter;
  centre.line_align = kStringAlignmentCenter;
  const TextLayoutResult c = LayOutText(QStringLiteral("abc"), font, rect, centre);
  ASSERT_EQ(c.lines.size(), 1u);
  EXPECT_NEAR(c.box.center().x(), rect.center().x(), 0.01);
  EXPECT_NEAR(c.box.center().y(), rect.center().y(), 0.01);

  TextLayoutOptions far;
  far.align = kStringAlignmentFar;
  far.line_align = kStringAlignmentFar;
  const TextLayoutResult f = LayOutText(QStringLiteral("abc"), font, rect, far);
  EXPECT_NEAR(f.box.right(), rect.right(), 0.01);
  EXPECT_NEAR(f.box.bottom(), rect.bottom(), 0.01);
  // Right to left swaps near and far.
  TextLayoutOptions rtl;
  rtl.flags = kStringFormatFlagsDirectionRightToLeft;
  EXPECT_NEAR(LayOutText(QStringLiteral("abc"), font, rect, rtl).box.right(), rect.right(), 0.01);
}

TEST(ImgTextLayout, WrapsAtWordsAndKeepsExplicitLineBreaks) {
  QFont font;
  font.setPixelSize(12);
  const QFontMetricsF metrics(font);
  const double word = metrics.horizontalAdvance(QStringLiteral("word"));
  const QRectF narrow(0, 0, word * 1.5, 0);
  const TextLayoutResult wrapped =
      LayOutText(QStringLiteral("word word word"), font, narrow, TextLayoutOptions{});
  ASSERT_EQ(wrapped.lines.size(), 3u);
  EXPECT_EQ(wrapped.lines[1].text, QStringLiteral("word"));
  EXPECT_NEAR(wrapped.lines[1].baseline.y() - wrapped.lines[0].baseline.y(), metrics.lineSpacing(),
              0.01);

  const TextLayoutResult broken =
      LayOutText(QStringLiteral("one\r\ntwo\nthree"), font, QRectF(), TextLayoutOptions{});
  ASSERT_EQ(broken.lines.size(), 3u);
  EXPECT_EQ(broken.lines[2].text, QStringLiteral("three"));

  TextLayoutOptions no_wrap;
  no_wrap.flags = kStringFormatFlagsNoWrap;
  no_wrap.trimming = kStringTrimmingNone;
  EXPECT_EQ(LayOutText(QStringLiteral("word word word"), font, narrow, no_wrap).lines.size(), 1u);
}

TEST(ImgTextLayout, EllipsisTrimmingEndsTheLastVisibleLine) {
  QFont font;
  font.setPixelSize(12);
  const QFontMetricsF metrics(font);
  // A column header: one line high, narrower than its text.
  const QRectF header(0, 0, metrics.horizontalAdvance(QStringLiteral("歌曲名")),
                      metrics.lineSpacing() * 1.5);
  TextLayoutOptions ellipsis;
  ellipsis.trimming = kStringTrimmingEllipsisCharacter;
  const TextLayoutResult r =
      LayOutText(QString::fromUtf8("歌曲名(双击可播放)"), font, header, ellipsis);
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_TRUE(r.lines[0].text.endsWith(kEllipsis)) << r.lines[0].text.toStdString();
  EXPECT_LE(r.lines[0].width, header.width() + 0.01);
  EXPECT_LT(r.chars_fitted, 10);

  // Text that fits is left alone.
  EXPECT_EQ(LayOutText(QStringLiteral("ID"), font, header, ellipsis).lines[0].text,
            QStringLiteral("ID"));

  // Line limit: only whole lines, none when not even one fits.
  TextLayoutOptions limited;
  limited.flags = kStringFormatFlagsLineLimit;
  EXPECT_TRUE(LayOutText(QStringLiteral("a"), font, QRectF(0, 0, 100, 3), limited).lines.empty());
}

TEST(ImgFont, FamiliesNamedForThePlayersPlatformAreAcceptedAndKeptByName) {
  ImgFont font;
  ASSERT_TRUE(font.Create(Sys("宋体"), 12, kFontStyleBold, kUnitWorld));
  EXPECT_EQ(font.GetSize(), 12.0f);
  EXPECT_EQ(font.GetStyle(), kFontStyleBold);
  EXPECT_EQ(font.GetUnit(), kUnitWorld);
  EXPECT_TRUE(font.ToQFont(96).bold());
  EXPECT_EQ(font.ToQFont(96).pixelSize(), 12);
  ImgFontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  EXPECT_EQ(family.GetName(), Sys("宋体"));
  EXPECT_GT(font.GetHeight(), 12.0f);

  EXPECT_FALSE(font.Create("", 12));
  EXPECT_EQ(ImgLastStatus(), kStatusFontFamilyNotFound);
  EXPECT_FALSE(font.Create(Sys("宋体"), 0));
  EXPECT_FALSE(font.Create(Sys("宋体"), 12, 0, kUnitDisplay));
  EXPECT_TRUE(font.IsEmpty());

  // Nine points on a 96 dpi page are 12 pixels.
  ASSERT_TRUE(font.Create(Sys("宋体"), 9, kFontStyleRegular, kUnitPoint));
  EXPECT_DOUBLE_EQ(font.EmPixels(96), 12.0);
}

TEST(ImgFont, AMissingChineseFamilyIsDrawnWithAnInstalledCjkFamily) {
  ImgFont font;
  ASSERT_TRUE(font.Create(Sys("宋体"), 12, kFontStyleRegular, kUnitWorld));
  ImgFontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  if (family.IsInstalled()) GTEST_SKIP() << "the platform's own family is installed here";
  const QFont drawn = font.ToQFont(96);
  // The first family that exists carries the Chinese glyphs itself, so Latin
  // and Chinese letters of a title share one family's metrics.
  EXPECT_TRUE(QFontMetricsF(drawn).inFont(QChar(0x64AD)))  // 播
      << QFontInfo(drawn).family().toStdString();
}

TEST(ImgFont, AControlsFontIsReadAsFamilyPixelSizeAndStyle) {
  QFont control_font(QStringLiteral("DejaVu Sans"));
  control_font.setPointSize(9);
  control_font.setBold(true);
  control_font.setUnderline(true);
  ImgFont font;
  ASSERT_TRUE(font.CreateFromPlatformFont(control_font));
  EXPECT_FLOAT_EQ(font.GetSize(), 12.0f);
  EXPECT_EQ(font.GetStyle(), kFontStyleBold | kFontStyleUnderline);
  ImgFontFamily family;
  font.GetFamily(family);
  EXPECT_EQ(family.GetName(), "DejaVu Sans");
  EXPECT_EQ(family.GetEmHeight(0), 2048);
  EXPECT_GT(family.GetLineSpacing(0), family.GetCellAscent(0));
}

TEST(ImgStringFormat, StartsWithTheDefaultsAndChecksItsValues) {
  ImgStringFormat format;
  EXPECT_FALSE(format.SetAlign(kStringAlignmentCenter));
  ASSERT_TRUE(format.Create());
  EXPECT_EQ(format.GetAlign(), kStringAlignmentNear);
  EXPECT_EQ(format.GetLineAlign(), kStringAlignmentNear);
  EXPECT_EQ(format.GetTrimming(), kStringTrimmingCharacter);
  EXPECT_TRUE(format.SetAlign(kStringAlignmentCenter));
  EXPECT_FALSE(format.SetLineAlign(3));
  EXPECT_FALSE(format.SetTrimming(6));
  EXPECT_EQ(format.GetAlign(), kStringAlignmentCenter);
  ASSERT_TRUE(format.CreateGenericTypographic());
  EXPECT_EQ(format.GetTrimming(), kStringTrimmingNone);
  EXPECT_NE(format.GetFlags() & kStringFormatFlagsNoClip, 0);
}

}  // namespace
}  // namespace vexo
