// Paths and regions: figures, true-angle arcs on ellipses, set operations.
#include <gtest/gtest.h>

#include "imaging/clip_region.h"
#include "imaging/path.h"
#include "imaging/region.h"
#include "imaging/status.h"

namespace vexo {
namespace {

TEST(ImgPath, LinesAndArcsJoinOneFigureUntilItIsClosed) {
  ImgPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 10, 0));
  ASSERT_TRUE(path.AddLine(10, 10, 0, 10));  // joined to (10, 0) by a line
  ASSERT_TRUE(path.CloseFigure());
  EXPECT_TRUE(path.IsVisible(5, 5));
  EXPECT_EQ(path.GetBounds(), QRectF(0, 0, 10, 10));
  // A new figure starts after the close: this line does not join the square.
  ASSERT_TRUE(path.AddLine(20, 0, 30, 0));
  EXPECT_EQ(path.GetLastPoint(), QPointF(30, 0));
  EXPECT_FALSE(path.IsVisible(15, 5));
}

TEST(ImgPath, ArcAnglesAreTrueAnglesClockwiseOnTheEllipse) {
  ImgPath path;
  ASSERT_TRUE(path.Create());
  // A quarter from 0 degrees ends at the bottom of a 200 x 100 ellipse.
  ASSERT_TRUE(path.AddArc(0, 0, 200, 100, 0, 90));
  QPointF end = path.GetLastPoint();
  EXPECT_NEAR(end.x(), 100, 0.01);
  EXPECT_NEAR(end.y(), 100, 0.01);
  // At 45 degrees the point lies on the 45-degree ray from the centre, not at
  // the ellipse's parameter 45.
  ASSERT_TRUE(path.Reset());
  ASSERT_TRUE(path.AddArc(0, 0, 200, 100, 0, 45));
  end = path.GetLastPoint();
  EXPECT_NEAR(end.x(), 144.72, 0.05);
  EXPECT_NEAR(end.y(), 94.72, 0.05);
  // Negative sweeps go counter-clockwise: from 0 up to the top.
  ASSERT_TRUE(path.Reset());
  ASSERT_TRUE(path.AddArc(0, 0, 200, 100, 0, -90));
  end = path.GetLastPoint();
  EXPECT_NEAR(end.y(), 0, 0.01);
  EXPECT_FALSE(path.AddArc(0, 0, 0, 10, 0, 90));
}

TEST(ImgPath, FourArcsMakeTheSkinsRoundedRectangle) {
  // The skin's rounded rectangle (0, 0, 100, 60) with corner squares of 10.
  ImgPath path;
  ASSERT_TRUE(path.Create());
  const float r = 10;
  path.AddArc(100 - r, 0, r, r, 270, 90);
  path.AddArc(100 - r - 1, 60 - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(0, 60 - r, r, r, 90, 90);
  path.AddArc(0, 0, r, r, 180, 90);
  path.CloseFigure();
  EXPECT_TRUE(path.IsVisible(50, 30));
  EXPECT_TRUE(path.IsVisible(50, 0.5f));
  EXPECT_FALSE(path.IsVisible(0.5f, 0.5f));  // the corner is cut off
  EXPECT_FALSE(path.IsVisible(99.5f, 0.5f));
  EXPECT_FALSE(path.IsVisible(0.5f, 59.5f));
  EXPECT_NEAR(path.GetBounds().width(), 100, 0.01);
}

TEST(ImgPath, ShapesAreClosedFiguresAndFillModesDecideOverlaps) {
  ImgPath path;
  ASSERT_TRUE(path.Create(kFillModeAlternate));
  path.AddRectangle(0, 0, 20, 20);
  path.AddRectangle(5, 5, 10, 10);
  EXPECT_FALSE(path.IsVisible(10, 10));  // inside both: a hole when alternating
  ASSERT_TRUE(path.SetFillMode(kFillModeWinding));
  EXPECT_TRUE(path.IsVisible(10, 10));
  EXPECT_EQ(path.GetFillMode(), kFillModeWinding);
  EXPECT_FALSE(path.SetFillMode(2));
  ASSERT_TRUE(path.Reset());
  EXPECT_EQ(path.GetPointCount(), 0);
  ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
  EXPECT_FALSE(path.IsVisible(0.5f, 0.5f));
  ASSERT_TRUE(path.AddPie(20, 0, 20, 20, 0, 90));
  EXPECT_TRUE(path.IsVisible(35, 15));
  EXPECT_FALSE(path.IsVisible(25, 5));
  EXPECT_FALSE(path.AddPolygon({QPointF(0, 0), QPointF(1, 1)}));
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
}

TEST(ImgRegion, StartsInfiniteAndCombinesByEachMode) {
  ImgRegion region;
  ASSERT_TRUE(region.Create());
  EXPECT_TRUE(region.IsInfinite());
  EXPECT_TRUE(region.IsVisible(-100000, 100000));
  ASSERT_TRUE(region.CombineRect(0, 0, 10, 10, kCombineModeIntersect));
  EXPECT_FALSE(region.IsInfinite());
  EXPECT_EQ(region.GetBounds(), QRectF(0, 0, 10, 10));
  ASSERT_TRUE(region.CombineRect(5, 0, 10, 10, kCombineModeXor));
  EXPECT_TRUE(region.IsVisible(2, 5));
  EXPECT_FALSE(region.IsVisible(7, 5));
  EXPECT_TRUE(region.IsVisible(12, 5));
  ASSERT_TRUE(region.CombineRect(0, 0, 5, 10, kCombineModeExclude));
  EXPECT_FALSE(region.IsVisible(2, 5));
  ASSERT_TRUE(region.CombineRect(0, 0, 20, 10, kCombineModeComplement));
  EXPECT_TRUE(region.IsVisible(2, 5));
  EXPECT_FALSE(region.IsVisible(12, 5));
  EXPECT_FALSE(region.CombineRect(0, 0, 1, 1, 6));
  ASSERT_TRUE(region.SetEmpty());
  EXPECT_TRUE(region.IsEmptyRegion());
}

TEST(ImgRegion, BecomesAPlatformRegionOfWholePixels) {
  ImgRegion region;
  ASSERT_TRUE(region.CreateFromRect(2, 3, 4, 5));
  ASSERT_TRUE(region.Translate(1, 1));
  const QRegion platform = region.ToPlatformRegion();
  EXPECT_TRUE(platform.contains(QPoint(3, 4)));
  EXPECT_TRUE(platform.contains(QPoint(6, 8)));
  EXPECT_FALSE(platform.contains(QPoint(7, 8)));
  EXPECT_FALSE(platform.contains(QPoint(2, 3)));
  ImgRegion copy;
  ASSERT_TRUE(region.Clone(copy));
  EXPECT_EQ(copy.GetBounds(), region.GetBounds());
  EXPECT_NE(copy.Handle(), region.Handle());
}

}  // namespace
}  // namespace vexo

namespace vexo {
namespace {

TEST(ClipRegion, HoldsExactlyThePixelsWhoseCentresAreInsideInFewBands) {
  QPainterPath ring;
  ring.addEllipse(QRectF(3.3, 2.7, 40, 30));
  ring.addEllipse(QRectF(13.3, 12.7, 20, 10));  // a hole (odd-even fill)
  const QRegion region = PixelRegionOf(ring, QRect(0, 0, 50, 40));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 50; ++x) {
      const QPointF centre(x + 0.5, y + 0.5);
      // Points very near the outline may fall either way.
      const bool near_edge = !ring.contains(QRectF(centre - QPointF(0.2, 0.2), QSizeF(0.4, 0.4))) &&
                             ring.intersects(QRectF(centre - QPointF(0.2, 0.2), QSizeF(0.4, 0.4)));
      if (near_edge) continue;
      EXPECT_EQ(region.contains(QPoint(x, y)), ring.contains(centre)) << x << "," << y;
    }
  }
  QPainterPath window;
  window.addRoundedRect(QRectF(0, 0, 392, 622), 4, 4);
  const QRegion shape = PixelRegionOf(window, QRect(0, 0, 392, 622));
  EXPECT_LT(shape.rectCount(), 20);
  EXPECT_TRUE(shape.contains(QRect(0, 10, 392, 600)));
  QRegion combined;
  EXPECT_TRUE(CombinePixelRegions(shape, QRegion(0, 0, 10, 10), kCombineModeExclude, &combined));
  EXPECT_FALSE(combined.contains(QPoint(5, 5)));
  EXPECT_FALSE(CombinePixelRegions(shape, shape, 7, &combined));
}

}  // namespace
}  // namespace vexo
