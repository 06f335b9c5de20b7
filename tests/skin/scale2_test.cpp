// The skin on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): the window's image, the controls' backgrounds and their
// painters work in device pixels, so borders stay one logical pixel of
// unblended colour and shapes stay exact.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vexo::test
