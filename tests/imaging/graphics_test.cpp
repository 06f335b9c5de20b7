// The drawing surface: pixel placement, blending, clipping, images, brushes.
#include "imaging/graphics.h"

#include <gtest/gtest.h>

#include <QImage>

#include "imaging/bitmap.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/path_brush.h"
#include "imaging/pen.h"
#include "imaging/region.h"
#include "imaging/status.h"
#include "imaging_test_support.h"

namespace vexo {
namespace {

using test::ColorNear;
using test::EncodedBytes;
using test::Hex;
using test::PixelOf;
using test::QuadrantPicture;

constexpr Argb kWhite = MakeArgb(255, 255, 255, 255);
constexpr Argb kBlack = MakeArgb(255, 0, 0, 0);
constexpr Argb kMagenta = MakeArgb(255, 255, 0, 255);
constexpr Argb kRed = MakeArgb(255, 255, 0, 0);

QImage Canvas(int width, int height, Argb color) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor::fromRgba(color));
  return image;
}

// The rounded rectangle the skin engine outlines its window with: four arcs in
// squares of side r joined into one closed figure.
void AddRoundedRect(ImgPath& path, float x, float y, float w, float h, float r) {
  path.AddArc(x + w - r, y, r, r, 270, 90);
  path.AddArc(x + w - r - 1, y + h - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(x, y + h - r, r, r, 90, 90);
  path.AddArc(x, y, r, r, 180, 90);
  path.CloseFigure();
}

TEST(ImgGraphics, FilledRectanglesCoverWholePixelsWithoutAntialiasOrWithHalfOffset) {
  for (int offset_mode : {kPixelOffsetModeDefault, kPixelOffsetModeHalf}) {
    for (bool antialias : {false, true}) {
      if (antialias == false && offset_mode == kPixelOffsetModeHalf) continue;
      QImage canvas = Canvas(6, 6, kWhite);
      ImgGraphics g;
      ASSERT_TRUE(g.CreateFromDevice(&canvas));
      g.SetSmoothingMode(antialias ? kSmoothingModeAntiAlias : kSmoothingModeNone);
      g.SetPixelOffsetMode(offset_mode);
      ImgSolidBrush black;
      black.Create(kBlack);
      ASSERT_TRUE(g.FillRectangle(black, 1, 1, 3, 3));
      g.Delete();
      if (antialias && offset_mode == kPixelOffsetModeDefault) {
        // Integer coordinates are pixel centres: the edges cover half pixels.
        EXPECT_TRUE(ColorNear(PixelOf(canvas, 2, 2), kBlack, 0));
        EXPECT_TRUE(ColorNear(PixelOf(canvas, 4, 2), MakeArgb(255, 128, 128, 128), 2))
            << Hex(PixelOf(canvas, 4, 2));
        continue;
      }
      for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
          const bool inside = x >= 1 && x <= 3 && y >= 1 && y <= 3;
          EXPECT_EQ(PixelOf(canvas, x, y), inside ? kBlack : kWhite)
              << "pixel " << x << "," << y << " antialias " << antialias;
        }
      }
    }
  }
}

TEST(ImgGraphics, OnePixelOutlinesLieOnTheirRowsAndBlendByTheirAlpha) {
  // The skin's border: black at alpha 180 at the outer edge, white at alpha
  // 180 one pixel in, over a grey backdrop; antialiased or not.
  const Argb backdrop = MakeArgb(255, 100, 100, 100);
  const int over_dark = 100 * (255 - 180) / 255;         // 29
  const int over_light = 100 + (255 - 100) * 180 / 255;  // 209
  const Argb expect_dark = MakeArgb(255, over_dark, over_dark, over_dark);
  const Argb expect_light = MakeArgb(255, over_light, over_light, over_light);
  for (int smoothing : {kSmoothingModeAntiAlias, kSmoothingModeNone}) {
    QImage canvas = Canvas(40, 30, backdrop);
    ImgGraphics g;
    ASSERT_TRUE(g.CreateFromDevice(&canvas));
    ASSERT_TRUE(g.SetSmoothingMode(smoothing));
    ImgPen dark;
    ImgPen light;
    ASSERT_TRUE(dark.Create(MakeArgb(180, 0, 0, 0), 1));
    ASSERT_TRUE(light.Create(MakeArgb(180, 255, 255, 255), 1));
    ASSERT_TRUE(g.DrawRectangle(dark, 0, 0, 39, 29));
    ASSERT_TRUE(g.DrawRectangle(light, 1, 1, 37, 27));
    g.Delete();
    for (auto [x, y] : {std::pair{20, 0}, {0, 15}, {39, 15}, {20, 29}}) {
      EXPECT_TRUE(ColorNear(PixelOf(canvas, x, y), expect_dark, 2))
          << smoothing << ": " << x << "," << y << " " << Hex(PixelOf(canvas, x, y));
    }
    for (auto [x, y] : {std::pair{20, 1}, {1, 15}, {38, 15}, {20, 28}}) {
      EXPECT_TRUE(ColorNear(PixelOf(canvas, x, y), expect_light, 2))
          << smoothing << ": " << x << "," << y << " " << Hex(PixelOf(canvas, x, y));
    }
    EXPECT_EQ(PixelOf(canvas, 20, 2), backdrop) << smoothing;
  }
}

TEST(ImgGraphics, ClipToARoundedPathHasHardEdgesAndClearReplacesInsideIt) {
  QImage canvas = Canvas(60, 40, kWhite);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.Clear(kMagenta));
  g.SetSmoothingMode(kSmoothingModeAntiAlias);
  ImgPath shape;
  ASSERT_TRUE(shape.Create());
  AddRoundedRect(shape, 0, 0, 60, 40, 8);
  ASSERT_TRUE(g.SetClipPath(shape));
  const Argb blue = MakeArgb(255, 0, 0, 255);
  ASSERT_TRUE(g.Clear(blue));
  for (auto [x, y] : {std::pair{0, 0}, {59, 0}, {0, 39}, {59, 39}}) {
    EXPECT_EQ(PixelOf(canvas, x, y), kMagenta) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{30, 0}, {0, 20}, {59, 20}, {30, 39}, {58, 38}, {2, 2}}) {
    EXPECT_EQ(PixelOf(canvas, x, y), blue) << x << "," << y;
  }
  // Clear replaces, it does not blend.
  ASSERT_TRUE(g.Clear(0));
  EXPECT_EQ(PixelOf(canvas, 30, 20), 0u);
  // With the half-pixel offset a fill of the whole shape covers whole pixels.
  ASSERT_TRUE(g.SetPixelOffsetMode(kPixelOffsetModeHalf));
  ImgSolidBrush green;
  green.Create(MakeArgb(255, 0, 255, 0));
  ASSERT_TRUE(g.FillRectangle(green, 0, 0, 60, 40));
  ASSERT_TRUE(g.ResetClip());
  g.Delete();
  EXPECT_EQ(PixelOf(canvas, 30, 0), MakeArgb(255, 0, 255, 0));
  EXPECT_EQ(PixelOf(canvas, 0, 0), kMagenta);
}

// On an image of device pixel ratio 2 every logical pixel is 2 x 2 device
// pixels: fills, one-pixel outlines and clips cover exactly theirs, the clip's
// edges are as fine as the device's, and a shrunk picture stays sharp.
TEST(ImgGraphics, AtDevicePixelRatioTwoShapesCoverWholeDevicePixels) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateAtRatio(40, 30, 2.0));
  EXPECT_EQ(bitmap.Width(), 80u);
  EXPECT_EQ(bitmap.LogicalSize(), QSizeF(40, 30));
  const Argb grey = MakeArgb(255, 100, 100, 100);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromImage(bitmap));
  ASSERT_TRUE(g.Clear(grey));
  ImgPen dark;
  ASSERT_TRUE(dark.Create(kBlack, 1));
  ASSERT_TRUE(g.DrawRectangle(dark, 0, 0, 39, 29));
  ImgSolidBrush red;
  red.Create(kRed);
  ASSERT_TRUE(g.FillRectangle(red, 10, 10, 5, 5));
  g.Delete();
  const QImage& canvas = bitmap.Picture();
  // The outline: device rows 0 and 1 black, row 2 untouched; the right edge
  // at logical column 39 is device columns 78 and 79.
  EXPECT_EQ(PixelOf(canvas, 40, 0), kBlack);
  EXPECT_EQ(PixelOf(canvas, 40, 1), kBlack);
  EXPECT_EQ(PixelOf(canvas, 40, 2), grey);
  EXPECT_EQ(PixelOf(canvas, 79, 30), kBlack);
  EXPECT_EQ(PixelOf(canvas, 78, 30), kBlack);
  EXPECT_EQ(PixelOf(canvas, 77, 30), grey);
  // The fill: logical 10..14 is device 20..29.
  EXPECT_EQ(PixelOf(canvas, 20, 20), kRed);
  EXPECT_EQ(PixelOf(canvas, 29, 29), kRed);
  EXPECT_EQ(PixelOf(canvas, 19, 25), grey);
  EXPECT_EQ(PixelOf(canvas, 30, 25), grey);

  // A clip to a rounded shape: its corner is cut in device pixels, finer than
  // a logical pixel (the device pixel next to a cut one is kept).
  ImgBitmap shaped;
  ASSERT_TRUE(shaped.CreateAtRatio(40, 30, 2.0));
  ASSERT_TRUE(g.CreateFromImage(shaped));
  ASSERT_TRUE(g.Clear(kMagenta));
  ImgPath shape;
  ASSERT_TRUE(shape.Create());
  AddRoundedRect(shape, 0, 0, 40, 30, 8);
  ASSERT_TRUE(g.SetClipPath(shape));
  ASSERT_TRUE(g.Clear(kWhite));
  EXPECT_NEAR(g.GetClipBounds().width(), 40, 0.01);
  g.Delete();
  const QImage& corner = shaped.Picture();
  EXPECT_EQ(PixelOf(corner, 0, 0), kMagenta);
  EXPECT_EQ(PixelOf(corner, 40, 30), kWhite);
  // Some logical pixel along the corner is cut only in part.
  int partly = 0;
  for (int y = 0; y < 8; y += 2) {
    for (int x = 0; x < 8; x += 2) {
      int cut = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          if (PixelOf(corner, x + dx, y + dy) == kMagenta) ++cut;
      if (cut > 0 && cut < 4) ++partly;
    }
  }
  EXPECT_GT(partly, 0) << "the corner was cut in whole logical pixels";

  // A 40 x 30 picture of stripes one pixel wide, drawn with high-quality
  // interpolation into 20 x 15 logical pixels of a ratio-2 image: one device
  // pixel for each picture pixel, the stripes stay apart.
  QImage stripes(40, 30, QImage::Format_RGB32);
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 30; ++y)
      stripes.setPixel(x, y, x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  ImgBitmap picture;
  ASSERT_TRUE(picture.LoadFromBytes(EncodedBytes(stripes, "PNG")));
  ImgBitmap target;
  ASSERT_TRUE(target.CreateAtRatio(20, 15, 2.0));
  ASSERT_TRUE(g.CreateFromImage(target));
  ASSERT_TRUE(g.SetInterpolationMode(kInterpolationModeHighQualityBicubic));
  ASSERT_TRUE(g.DrawImageRect(picture, 0, 0, 20, 15));
  g.Delete();
  EXPECT_TRUE(ColorNear(PixelOf(target.Picture(), 10, 7), kBlack, 8))
      << Hex(PixelOf(target.Picture(), 10, 7));
  EXPECT_TRUE(ColorNear(PixelOf(target.Picture(), 11, 7), kWhite, 8))
      << Hex(PixelOf(target.Picture(), 11, 7));
}

TEST(ImgGraphics, ClipsCombineAndDrawingOutsideThemChangesNothing) {
  QImage canvas = Canvas(20, 20, kWhite);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.SetClipRect(0, 0, 10, 20));
  ASSERT_TRUE(g.SetClipRect(0, 0, 10, 5, kCombineModeExclude));
  ImgRegion extra;
  extra.CreateFromRect(15, 15, 5, 5);
  ASSERT_TRUE(g.SetClipRegion(extra, kCombineModeUnion));
  EXPECT_FALSE(g.SetClipRect(0, 0, 1, 1, 42));
  EXPECT_EQ(g.GetClipBounds(), QRectF(0, 5, 20, 15));  // rows 0 to 4 hold nothing now
  ImgSolidBrush black;
  black.Create(kBlack);
  g.FillRectangle(black, 0, 0, 20, 20);
  g.Delete();
  EXPECT_EQ(PixelOf(canvas, 5, 2), kWhite);    // excluded
  EXPECT_EQ(PixelOf(canvas, 5, 10), kBlack);   // kept
  EXPECT_EQ(PixelOf(canvas, 12, 10), kWhite);  // never in the clip
  EXPECT_EQ(PixelOf(canvas, 17, 17), kBlack);  // the region added
}

TEST(ImgGraphics, StretchesAPictureIntoARectangleAndDrawsOneInItsOwnSize) {
  // The player's case: a 1600 x 900 picture stretched over 392 x 622.
  ImgImage picture;
  ASSERT_TRUE(picture.LoadFromBytes(EncodedBytes(QuadrantPicture(1600, 900), "PNG")));
  for (int mode : {kInterpolationModeHighQualityBicubic, kInterpolationModeBilinear}) {
    QImage canvas = Canvas(392, 622, kMagenta);
    ImgGraphics g;
    ASSERT_TRUE(g.CreateFromDevice(&canvas));
    g.SetInterpolationMode(mode);
    ASSERT_TRUE(g.DrawImageRect(picture, 0, 0, 392, 622));
    g.Delete();
    EXPECT_EQ(PixelOf(canvas, 98, 155), kRed) << mode;
    EXPECT_EQ(PixelOf(canvas, 294, 155), MakeArgb(255, 0, 255, 0)) << mode;
    EXPECT_EQ(PixelOf(canvas, 98, 466), MakeArgb(255, 0, 0, 255)) << mode;
    EXPECT_EQ(PixelOf(canvas, 391, 621), kWhite) << mode;
    EXPECT_EQ(PixelOf(canvas, 0, 0), kRed) << mode;
  }

  ImgImage small;
  ASSERT_TRUE(small.LoadFromBytes(EncodedBytes(QuadrantPicture(10, 10), "PNG")));
  QImage canvas = Canvas(30, 30, kMagenta);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.DrawImage(small, 5, 5));
  g.Delete();
  EXPECT_EQ(PixelOf(canvas, 5, 5), kRed);
  EXPECT_EQ(PixelOf(canvas, 14, 14), kWhite);
  EXPECT_EQ(PixelOf(canvas, 15, 15), kMagenta);
  EXPECT_EQ(PixelOf(canvas, 4, 4), kMagenta);
}

TEST(ImgGraphics, AnEmptyPictureDrawsNothingAndReportsIt) {
  ImgImage broken;
  broken.LoadFromBytes({'x', 'y'});
  QImage canvas = Canvas(8, 8, kWhite);
  const QImage before = canvas;
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  EXPECT_FALSE(g.DrawImage(broken, 0, 0));
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
  EXPECT_FALSE(g.DrawImageRect(broken, 0, 0, 8, 8));
  g.Delete();
  EXPECT_EQ(canvas, before);
}

TEST(ImgGraphics, DrawsOnAnImageObjectThatStaysAliveWhileDrawing) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(10, 10));
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromImage(bitmap));
  ImgSolidBrush red;
  red.Create(kRed);
  ASSERT_TRUE(g.FillRectangle(red, 0, 0, 5, 10));
  ASSERT_TRUE(g.Delete());
  EXPECT_EQ(bitmap.GetPixel(2, 2), kRed);
  EXPECT_EQ(bitmap.GetPixel(7, 2), 0u);

  // Disposing the image while a surface draws on it must not pull the pixels
  // from under the surface.
  ASSERT_TRUE(g.CreateFromImage(bitmap));
  bitmap.Dispose();
  EXPECT_TRUE(g.FillRectangle(red, 0, 0, 10, 10));
  EXPECT_TRUE(g.Delete());
  EXPECT_FALSE(g.CreateFromImage(bitmap));
}

TEST(ImgGraphics, WorldTransformMovesShapesAndSourceCopyReplacesPixels) {
  QImage canvas = Canvas(20, 20, kWhite);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.TranslateWorldTransform(10, 10));
  ASSERT_TRUE(g.ScaleWorldTransform(2, 2));
  ImgSolidBrush clear_brush;
  clear_brush.Create(MakeArgb(0, 0, 0, 0));
  ASSERT_TRUE(g.SetCompositingMode(kCompositingModeSourceCopy));
  ASSERT_TRUE(g.FillRectangle(clear_brush, 0, 0, 2, 2));  // 10..13 after the transform
  g.Delete();
  EXPECT_EQ(PixelOf(canvas, 10, 10), 0u);
  EXPECT_EQ(PixelOf(canvas, 13, 13), 0u);
  EXPECT_EQ(PixelOf(canvas, 14, 14), kWhite);
  EXPECT_EQ(PixelOf(canvas, 9, 9), kWhite);
}

TEST(ImgGraphics, LinearGradientsBlendComponentsAndDoNotWrapPastTheirEnd) {
  // Opaque red at the top to transparent white at y = 10, filled one row past
  // the end as the caption hover does.
  QImage canvas = Canvas(1, 11, 0);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ImgLinearBrush fade;
  ASSERT_TRUE(fade.Create(0, 0, 0, 10, kRed, MakeArgb(0, 255, 255, 255)));
  ASSERT_TRUE(g.FillRectangle(fade, 0, 0, 1, 11));
  g.Delete();
  EXPECT_TRUE(ColorNear(PixelOf(canvas, 0, 0), MakeArgb(242, 255, 13, 13), 4))
      << Hex(PixelOf(canvas, 0, 0));
  const Argb middle = PixelOf(canvas, 0, 5);
  EXPECT_NEAR(ArgbAlpha(middle), 115, 14);
  EXPECT_GT(ArgbGreen(middle), 100);                 // lightened towards white while fading
  EXPECT_LT(ArgbAlpha(PixelOf(canvas, 0, 10)), 30);  // no seam back to red

  EXPECT_FALSE(fade.Create(3, 3, 3, 3, kRed, kWhite));  // the two points must differ
  EXPECT_TRUE(fade.IsEmpty());
}

TEST(ImgGraphics, PresetAndTriangularBlendsPlaceTheirColours) {
  ImgLinearBrush brush;
  ASSERT_TRUE(brush.Create(0, 0, 100, 0, kBlack, kWhite, kWrapModeClamp));
  EXPECT_FALSE(brush.SetPresetBlend({kRed, kWhite}, {0.0f, 0.5f}));  // must end at 1
  EXPECT_FALSE(brush.SetPresetBlend({kRed}, {0.0f}));
  EXPECT_FALSE(brush.SetPresetBlend({kRed, kBlack, kWhite}, {0.0f, 0.7f, 0.3f}));
  ASSERT_TRUE(brush.SetPresetBlend({kRed, MakeArgb(255, 0, 255, 0), kBlack}, {0.0f, 0.5f, 1.0f}));
  QImage canvas = Canvas(101, 1, kWhite);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  g.FillRectangle(brush, 0, 0, 101, 1);
  ASSERT_TRUE(brush.SetLinearBlend(0.5f, 1.0f));  // black at both ends, white at the focus
  QImage triangle = Canvas(101, 1, kRed);
  ImgGraphics g2;
  ASSERT_TRUE(g2.CreateFromDevice(&triangle));
  g2.FillRectangle(brush, 0, 0, 101, 1);
  g.Delete();
  g2.Delete();
  EXPECT_TRUE(ColorNear(PixelOf(canvas, 0, 0), kRed, 4));
  EXPECT_TRUE(ColorNear(PixelOf(canvas, 50, 0), MakeArgb(255, 0, 255, 0), 8))
      << Hex(PixelOf(canvas, 50, 0));
  EXPECT_TRUE(ColorNear(PixelOf(triangle, 50, 0), kWhite, 8)) << Hex(PixelOf(triangle, 50, 0));
  EXPECT_TRUE(ColorNear(PixelOf(triangle, 1, 0), kBlack, 8));
  EXPECT_TRUE(ColorNear(PixelOf(triangle, 99, 0), kBlack, 8));
}

TEST(ImgGraphics, PathGradientFadesFromCentreToOutlineAndPaintsOnlyInside) {
  ImgPath circle;
  ASSERT_TRUE(circle.Create());
  circle.AddEllipse(0, 0, 40, 40);
  ImgPathBrush glow;
  ASSERT_TRUE(glow.CreateFromPath(circle));
  ASSERT_TRUE(glow.SetCenterColor(kRed));
  ASSERT_TRUE(glow.SetSurroundColors({MakeArgb(255, 0, 0, 255)}));
  EXPECT_FALSE(glow.SetSurroundColors({}));
  EXPECT_EQ(glow.GetCenterColor(), kRed);
  QImage canvas = Canvas(40, 40, kWhite);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.FillRectangle(glow, 0, 0, 40, 40));
  g.Delete();
  EXPECT_TRUE(ColorNear(PixelOf(canvas, 20, 20), kRed, 16)) << Hex(PixelOf(canvas, 20, 20));
  const Argb near_edge = PixelOf(canvas, 20, 1);
  EXPECT_GT(ArgbBlue(near_edge), 200) << Hex(near_edge);
  EXPECT_EQ(PixelOf(canvas, 0, 0), kWhite);  // outside the circle
}

TEST(ImgGraphics, PensMadeFromBrushesStrokeWithTheBrush) {
  ImgLinearBrush brush;
  ASSERT_TRUE(brush.Create(0, 0, 0, 20, kBlack, kWhite, kWrapModeClamp));
  ImgPen pen;
  ASSERT_TRUE(pen.CreateFromBrush(brush, 1));
  QImage canvas = Canvas(5, 21, kRed);
  ImgGraphics g;
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  ASSERT_TRUE(g.DrawLine(pen, 2, 0, 2, 20));
  g.Delete();
  EXPECT_LT(ArgbRed(PixelOf(canvas, 2, 1)), 40);
  EXPECT_GT(ArgbBlue(PixelOf(canvas, 2, 19)), 200);
  EXPECT_EQ(PixelOf(canvas, 0, 10), kRed);
  EXPECT_FALSE(pen.CreateFromBrush(ImgSolidBrush(), 1));
}

TEST(ImgGraphics, SettingsAreCheckedAndReadBack) {
  QImage canvas = Canvas(4, 4, kWhite);
  ImgGraphics g;
  EXPECT_FALSE(g.SetSmoothingMode(kSmoothingModeAntiAlias));
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
  EXPECT_FALSE(g.CreateFromDevice(nullptr));
  ASSERT_TRUE(g.CreateFromDevice(&canvas));
  EXPECT_TRUE(g.SetSmoothingMode(kSmoothingModeAntiAlias));
  EXPECT_EQ(g.GetSmoothingMode(), kSmoothingModeAntiAlias);
  EXPECT_FALSE(g.SetSmoothingMode(9));
  EXPECT_TRUE(g.SetInterpolationMode(kInterpolationModeHighQualityBicubic));
  EXPECT_EQ(g.GetInterpolationMode(), kInterpolationModeHighQualityBicubic);
  EXPECT_TRUE(g.SetCompositingQuality(kCompositingQualityHighQuality));
  EXPECT_EQ(g.GetCompositingQuality(), kCompositingQualityHighQuality);
  EXPECT_TRUE(g.SetPixelOffsetMode(kPixelOffsetModeHighQuality));
  EXPECT_EQ(g.GetPixelOffsetMode(), kPixelOffsetModeHighQuality);
  EXPECT_FALSE(g.SetPixelOffsetMode(-1));
  EXPECT_FALSE(g.SetWorldTransform(QTransform(0, 0, 0, 0, 0, 0)));
  EXPECT_EQ(g.GetDpiX(), 96.0f);

  // A moved surface keeps drawing with its settings; the old one is empty.
  ImgGraphics moved;
  moved = std::move(g);
  EXPECT_EQ(g.Handle(), 0u);  // NOLINT(bugprone-use-after-move): checking the moved-from state
  EXPECT_EQ(moved.GetSmoothingMode(), kSmoothingModeAntiAlias);
  ImgSolidBrush black;
  black.Create(kBlack);
  EXPECT_TRUE(moved.FillRectangle(black, 0, 0, 4, 4));
  moved.Delete();
  EXPECT_EQ(PixelOf(canvas, 2, 2), kBlack);
}

}  // namespace
}  // namespace vexo
