// What every imaging object shares: a handle of 0 when empty, release that
// does nothing on an empty object, the program-wide last status; start-up;
// the memory stream.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "imaging/bitmap.h"
#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/font_family.h"
#include "imaging/graphics.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/path_brush.h"
#include "imaging/pen.h"
#include "imaging/region.h"
#include "imaging/startup.h"
#include "imaging/status.h"
#include "imaging/stream.h"
#include "imaging/string_format.h"
#include "imaging/tooltip_window.h"
#include "imaging_test_support.h"

namespace vexo {
namespace {

// Puts a known status in place that a release of an empty object must not touch.
void PlantStatus() {
  ImgPath().SetFillMode(0);  // fails on an empty path
  ASSERT_EQ(ImgLastStatus(), kStatusInvalidParameter);
}

TEST(ImgObjects, ReleasingAnEmptyObjectReturnsFalseAndCallsNothing) {
  const std::vector<std::pair<const char*, std::function<bool()>>> releases = {
      {"graphics", [] { return ImgGraphics().Delete(); }},
      {"path", [] { return ImgPath().Delete(); }},
      {"pen", [] { return ImgPen().Delete(); }},
      {"solid brush", [] { return ImgSolidBrush().Delete(); }},
      {"linear brush", [] { return ImgLinearBrush().Delete(); }},
      {"path brush", [] { return ImgPathBrush().Delete(); }},
      {"font", [] { return ImgFont().Delete(); }},
      {"font family", [] { return ImgFontFamily().Delete(); }},
      {"string format", [] { return ImgStringFormat().Delete(); }},
      {"image", [] { return ImgImage().Dispose(); }},
      {"bitmap", [] { return ImgBitmap().Dispose(); }},
      {"region", [] { return ImgRegion().Delete(); }},
      {"stream", [] { return ImgStream().Release(); }},
      {"tooltip", [] { return TooltipWindow().Destroy(); }},
  };
  for (const auto& [name, release] : releases) {
    PlantStatus();
    ImgRecord(kStatusObjectBusy);
    EXPECT_FALSE(release()) << name;
    EXPECT_EQ(ImgLastStatus(), kStatusObjectBusy) << name;
  }
}

TEST(ImgObjects, HandlesAreZeroWhenEmptyAndNeverShared) {
  std::set<ImgHandle> seen;
  auto check = [&seen](ImgObject& object, const std::function<bool()>& create,
                       const std::function<bool()>& release) {
    EXPECT_EQ(object.Handle(), 0u);
    ASSERT_TRUE(create());
    EXPECT_NE(object.Handle(), 0u);
    EXPECT_TRUE(seen.insert(object.Handle()).second);
    ASSERT_TRUE(release());
    EXPECT_EQ(object.Handle(), 0u);
    EXPECT_FALSE(release());  // a second release finds nothing
  };
  ImgPath path;
  check(
      path, [&] { return path.Create(); }, [&] { return path.Delete(); });
  ImgPen pen;
  check(
      pen, [&] { return pen.Create(MakeArgb(255, 0, 0, 0), 1); }, [&] { return pen.Delete(); });
  ImgSolidBrush solid;
  check(
      solid, [&] { return solid.Create(0xFF102030); }, [&] { return solid.Delete(); });
  ImgLinearBrush linear;
  check(
      linear, [&] { return linear.Create(0, 0, 1, 1, 0, 0); }, [&] { return linear.Delete(); });
  ImgFont font;
  check(
      font, [&] { return font.Create("Sans", 9); }, [&] { return font.Delete(); });
  ImgStringFormat format;
  check(
      format, [&] { return format.Create(); }, [&] { return format.Delete(); });
  ImgBitmap bitmap;
  check(
      bitmap, [&] { return bitmap.Create(2, 2); }, [&] { return bitmap.Dispose(); });
  ImgRegion region;
  check(
      region, [&] { return region.Create(); }, [&] { return region.Delete(); });
  QImage canvas(4, 4, QImage::Format_ARGB32_Premultiplied);
  ImgGraphics graphics;
  check(
      graphics, [&] { return graphics.CreateFromDevice(&canvas); },
      [&] { return graphics.Delete(); });
  TooltipWindow tooltip;
  check(
      tooltip, [&] { return tooltip.Create(); }, [&] { return tooltip.Destroy(); });

  // Creating again releases what the object held: a new handle, no leak.
  ASSERT_TRUE(solid.Create(1));
  const ImgHandle first = solid.Handle();
  ASSERT_TRUE(solid.Create(2));
  EXPECT_NE(solid.Handle(), first);
  EXPECT_EQ(solid.GetColor(), 2u);
}

TEST(ImgObjects, GettersOnEmptyObjectsGiveZeroAndLeaveTheirStatus) {
  EXPECT_EQ(ImgBitmap().GetPixel(0, 0), 0u);
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
  EXPECT_EQ(ImgSolidBrush().GetColor(), 0u);
  EXPECT_EQ(ImgFont().GetSize(), 0.0f);
  EXPECT_EQ(ImgPen().GetWidth(), 0.0f);
  EXPECT_EQ(ImgSolidBrush().GetBrushType(), 0);
  ImgSolidBrush solid;
  solid.Create(0xFF000000);
  EXPECT_EQ(solid.GetBrushType(), kBrushTypeSolidColor);
  EXPECT_EQ(ImgLastStatus(), kStatusOk);
}

TEST(ImgStream, HoldsACopyOfItsBytes) {
  ByteSet bytes = {1, 2, 3, 0, 5};
  ImgStream stream;
  ASSERT_TRUE(stream.Create(bytes));
  bytes[0] = 9;
  EXPECT_EQ(stream.Size(), 5u);
  EXPECT_EQ(stream.Contents(), (ByteSet{1, 2, 3, 0, 5}));
  ASSERT_TRUE(stream.Release());
  EXPECT_TRUE(stream.Contents().empty());
  ASSERT_TRUE(stream.Create(ByteSet{}));  // an empty set gives an empty stream
  EXPECT_NE(stream.Handle(), 0u);
  EXPECT_EQ(stream.Size(), 0u);
}

TEST(ImagingStartup, TokensEndOnceEach) {
  const ImagingToken token = ImagingStartup();
  ASSERT_NE(token, 0u);
  EXPECT_TRUE(ImagingStarted());
  EXPECT_TRUE(ImagingShutdown(token));
  EXPECT_FALSE(ImagingShutdown(token));
  EXPECT_FALSE(ImagingShutdown(0));
  EXPECT_FALSE(ImagingStarted());
}

}  // namespace
}  // namespace vexo
