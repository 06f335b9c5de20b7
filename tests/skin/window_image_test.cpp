// The skinned window's image: its shape, backdrop, border and title, and when
// the image is rebuilt.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWindow>

#include "../support/ui_wait.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

// The shape is the rounded rectangle (0, 0, W + 1, H + 1) as the platform
// makes window regions (right and bottom edges exclusive): exactly the corner
// pixel of each corner lies outside. Nothing inside the shape shows the
// colour kept outside it.
TEST(SkinWindowImage, CornersLieOutsideTheRoundedShape) {
  SkinEngine engine;
  SkinnedWindow w(engine);
  const QRegion mask = w.window->mask();
  const int right = kPlayerWidth - 1;
  const int bottom = kPlayerHeight - 1;
  for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
    EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
  for (QPoint inside : {QPoint(1, 0), QPoint(0, 1), QPoint(right - 1, 0), QPoint(right, 1),
                        QPoint(1, bottom), QPoint(0, bottom - 1), QPoint(right, bottom - 1),
                        QPoint(right - 1, bottom), QPoint(196, 0)})
    EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
  EXPECT_EQ(mask.boundingRect(), QRect(0, 0, kPlayerWidth, kPlayerHeight));
  EXPECT_EQ(w.Image(engine).pixel(0, 0), kOutsideShapeArgb);
  for (int y : {0, 1, 2, bottom - 2, bottom - 1, bottom}) {
    for (int x : {0, 1, 2, right - 2, right - 1, right}) {
      if (mask.contains(QPoint(x, y))) {
        EXPECT_NE(w.Image(engine).pixel(x, y), kOutsideShapeArgb) << x << "," << y;
      }
    }
  }
}

TEST(SkinWindowImage, BorderBlendsBlackThenWhiteAtAlpha180OverTheBackdrop) {
  SkinEngine engine;
  const QColor backdrop(100, 150, 200);
  SkinnedWindow w(engine, backdrop);
  const QImage& image = w.Image(engine);
  const int midX = kPlayerWidth / 2;
  const int midY = kPlayerHeight / 2;
  EXPECT_TRUE(Near(image.pixelColor(midX, 0), Blend(backdrop, Qt::black, kBorderAlpha)));
  EXPECT_TRUE(Near(image.pixelColor(midX, 1), Blend(backdrop, Qt::white, kBorderAlpha)));
  EXPECT_TRUE(Near(image.pixelColor(0, midY), Blend(backdrop, Qt::black, kBorderAlpha)));
  EXPECT_TRUE(Near(image.pixelColor(1, midY), Blend(backdrop, Qt::white, kBorderAlpha)));
  EXPECT_TRUE(
      Near(image.pixelColor(kPlayerWidth - 1, midY), Blend(backdrop, Qt::black, kBorderAlpha)));
  EXPECT_TRUE(
      Near(image.pixelColor(midX, kPlayerHeight - 1), Blend(backdrop, Qt::black, kBorderAlpha)));
  EXPECT_TRUE(Near(image.pixelColor(midX, midY), backdrop));
}

TEST(SkinWindowImage, PictureIsStretchedOverTheWholeWindow) {
  // A red picture with a green block in its centre and a blue bottom band.
  QImage picture(1600, 900, QImage::Format_RGB32);
  picture.fill(QColor(200, 0, 0));
  {
    QPainter p(&picture);
    p.fillRect(600, 350, 400, 200, QColor(0, 200, 0));
    p.fillRect(0, 800, 1600, 100, QColor(0, 0, 200));
  }
  SkinEngine engine;
  TestWindow window;
  engine.SetSkinPicture(Text(), EncodePicture(picture, "jpg"), std::nullopt, std::nullopt,
                        kLayoutStretched);
  engine.SkinWindow(&window);
  engine.RenderBackground(1, false);
  const QImage& image = engine.Record(1)->cache.Picture();
  EXPECT_TRUE(Near(image.pixelColor(196, 311), QColor(0, 200, 0), 12));
  EXPECT_TRUE(Near(image.pixelColor(196, 100), QColor(200, 0, 0), 12));
  EXPECT_TRUE(Near(image.pixelColor(196, 600), QColor(0, 0, 200), 12));
}

TEST(SkinWindowImage, TitleIsWhiteWithAGreyGlow) {
  const QColor blue(0, 0, 160);
  auto glowAndInk = [&](const QString& title, int* glow, int* ink) {
    SkinEngine engine;
    TestWindow window;
    window.setWindowTitle(title);
    engine.SetSkinPicture(Text(), SolidPicture(blue, 64, 64), std::nullopt, std::nullopt,
                          kLayoutStretched);
    engine.SkinWindow(&window);
    engine.RenderBackground(1, false);
    const QImage& image = engine.Record(1)->cache.Picture();
    *glow = *ink = 0;
    for (int y = 8; y < 40; ++y) {
      for (int x = 29; x < 200; ++x) {
        QColor c = image.pixelColor(x, y);
        if (c.red() > 230 && c.green() > 230 && c.blue() > 230) ++*ink;
        // Grey at alpha 150 over the blue: red and green rise, blue falls.
        if (c.red() > 40 && c.red() < 110 && std::abs(c.red() - c.green()) < 8 && c.blue() < 160 &&
            c.blue() > c.red())
          ++*glow;
      }
    }
  };
  int glow = 0;
  int ink = 0;
  glowAndInk(QStringLiteral("WWW Title"), &glow, &ink);
  EXPECT_GT(ink, 10);
  EXPECT_GT(glow, 10);
  glowAndInk(QString(), &glow, &ink);
  EXPECT_EQ(ink, 0);
  EXPECT_EQ(glow, 0);
}

TEST(SkinWindowImage, AnOrdinaryPaintCopiesAndMinimiseRestoreRendersOnce) {
  SkinEngine engine;
  SkinnedWindow w(engine);
  const WindowRecord& r = *engine.Record(w.index);
  w.window->show();
  // Showing asks for a new image; it is rendered by the first paint.
  ASSERT_TRUE(WaitUntil([&] { return w.window->windowHandle()->isExposed() && !r.fullRepaint; }));
  const int rendered = r.renderCount;
  ASSERT_GE(rendered, 1);
  w.window->repaint();
  w.window->repaint();
  EXPECT_EQ(r.renderCount, rendered) << "an ordinary paint rebuilt the image";

  // Minimize, then the window comes back (the offscreen platform cannot keep
  // a window minimized, so its state is set back here, as the platform would).
  engine.RunCaptionCommand(w.index, 1);
  EXPECT_TRUE(r.suspended);
  EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowMinimized));
  w.window->repaint();
  EXPECT_EQ(r.renderCount, rendered) << "a minimized window painted";

  w.window->setWindowState(Qt::WindowNoState);
  EXPECT_FALSE(r.suspended);
  w.window->repaint();
  w.window->repaint();
  EXPECT_EQ(r.renderCount, rendered + 1);
}

}  // namespace
}  // namespace vexo::test
