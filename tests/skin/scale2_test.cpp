// The skin on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): the window's image, the controls' backgrounds and their
// painters work in device pixels, so borders stay one logical pixel of
// unblended colour and shapes stay exact.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

TEST(SkinAtScale2, TheWindowImageHasTwiceThePixelsAndSharpBorders) {
  SkinEngine engine;
  const QColor backdrop(100, 150, 200);
  SkinnedWindow w(engine, backdrop);
  ASSERT_EQ(w.window->devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
  const QImage& image = w.Image(engine);
  EXPECT_EQ(image.size(), QSize(kPlayerWidth * 2, kPlayerHeight * 2));
  EXPECT_EQ(image.devicePixelRatio(), 2.0);
  // The border's outer line covers device rows 0 and 1, its inner line rows
  // 2 and 3, each unblended with its neighbour.
  const QColor dark = Blend(backdrop, Qt::black, kBorderAlpha);
  const QColor light = Blend(backdrop, Qt::white, kBorderAlpha);
  const int x = kPlayerWidth;
  EXPECT_TRUE(Near(image.pixelColor(x, 0), dark));
  EXPECT_TRUE(Near(image.pixelColor(x, 1), dark));
  EXPECT_TRUE(Near(image.pixelColor(x, 2), light));
  EXPECT_TRUE(Near(image.pixelColor(x, 3), light));
  EXPECT_TRUE(Near(image.pixelColor(x, 4), backdrop));
}

// The controls' painters draw in the window's device pixels too: a button's
// outline and an edit box's ring line are each two device rows of one colour.
TEST(SkinAtScale2, ButtonAndEditLinesAreWholeDevicePixels) {
  SkinEngine engine;
  engine.SetControlOptions(true, 150);
  QPushButton* button = nullptr;
  QLineEdit* edit = nullptr;
  SkinnedWindow w(engine, QColor(100, 150, 200), [&](QWidget* window) {
    button = new QPushButton(QStringLiteral("x"), window);
    button->setGeometry(20, 100, 80, 22);
    edit = new QLineEdit(window);
    edit->setGeometry(20, 150, 200, 24);
  });
  for (const QImage& look : {engine.RenderButton(button), engine.RenderEdit(edit, false)}) {
    ASSERT_EQ(look.devicePixelRatio(), 2.0);
    const int x = look.width() / 2;
    // (Within the shading of the gradients under the line.)
    EXPECT_TRUE(Near(look.pixelColor(x, 0), look.pixelColor(x, 1), 2));
    EXPECT_FALSE(Near(look.pixelColor(x, 1), look.pixelColor(x, 2), 6));
    const int bottom = look.height() - 1;
    EXPECT_TRUE(Near(look.pixelColor(x, bottom), look.pixelColor(x, bottom - 1), 2));
  }
  EXPECT_EQ(engine.RenderButton(button).size(), QSize(160, 44));
}

// A ticked box's glyphs come from pictures drawn at twice the size: the tick
// is as sharp as the screen, with more distinct shades than a 13 x 13 tick
// scaled up would give.
TEST(SkinAtScale2, CheckBoxGlyphsAreDrawnFromTheirDoubleSizePictures) {
  SkinEngine engine;
  QCheckBox* box = nullptr;
  SkinnedWindow w(engine, QColor(100, 150, 200), [&](QWidget* window) {
    box = new QCheckBox(window);
    box->setGeometry(20, 100, 60, 24);
    box->setChecked(true);
  });
  EXPECT_EQ(engine.CheckBoxSquare(2.0).Width(), 26u);
  const QImage look = engine.RenderButton(box);
  const int top = (24 - 13) / 2 * 2;
  // The tick glyph at 2x, drawn pixel for pixel: the same pixels as drawing
  // the square and the tick pictures straight onto the background.
  QImage expected = engine.BackgroundBehind(box, QRect(0, 0, 13, 13 + top / 2), 2.0);
  {
    QImage square = engine.CheckBoxSquare(2.0).Picture();
    QImage tick = engine.CheckMark(2.0).Picture();
    square.setDevicePixelRatio(2.0);
    tick.setDevicePixelRatio(2.0);
    QPainter p(&expected);
    p.drawImage(QPointF(0, top / 2), square);
    p.drawImage(QPointF(0, top / 2), tick);
  }
  for (int y = top; y < top + 26; y += 3)
    for (int x = 0; x < 26; x += 3)
      ASSERT_TRUE(Near(look.pixelColor(x, y), expected.pixelColor(x, y), 2)) << x << "," << y;
}

}  // namespace
}  // namespace vexo::test
