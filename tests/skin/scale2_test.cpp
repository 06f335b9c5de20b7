// The skin on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): the window's image, the controls' backgrounds and their
// painters work in device pixels, so borders stay one logical pixel of
// unblended colour and shapes stay exact.
#include <gtest/gtest.h>

#include <QLineEdit>
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

}  // namespace
}  // namespace vexo::test
