// What a skinned window offers beyond the player's use: the size limits of a
// resizable window, a docked child, the bottom bar, and the see-through
// corners of a window that has no mask.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "platform/system_text.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

// A frameless window the user may resize.
std::unique_ptr<QWidget> ResizableWindow() {
  auto window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window->resize(400, 300);
  return window;
}

TEST(SkinnedWindowLayout, AResizableWindowKeepsBetweenTheSmallestAndTheScreenSize) {
  auto engine = std::make_unique<SkinEngine>();
  auto window = ResizableWindow();
  engine->SkinWindow(window.get());
  EXPECT_EQ(window->minimumSize(), QSize(kSmallestWidth, kSmallestHeight));
  EXPECT_EQ(window->maximumSize(), QGuiApplication::primaryScreen()->size());
  window->resize(50, 40);
  EXPECT_EQ(window->size(), QSize(kSmallestWidth, kSmallestHeight));
  // A window of fixed size keeps it; the end gives the limits back.
  TestWindow fixed;
  engine->SkinWindow(&fixed);
  EXPECT_EQ(fixed.minimumSize(), QSize(kPlayerWidth, kPlayerHeight));
  engine.reset();
  EXPECT_EQ(window->minimumSize(), QSize(0, 0));
}

TEST(SkinnedWindowLayout, ADockedChildFillsTheAreaUnderTheCaptionAndAboveTheBottomBar) {
  SkinEngine engine;
  auto window = ResizableWindow();
  auto* child = new QWidget(window.get());
  SkinWindowOptions options;
  options.bottomBarHeight = 30;
  engine.SkinWindow(window.get(), options);
  engine.DockChild(window.get(), child);
  EXPECT_EQ(child->geometry(), QRect(0, kMinCaptionHeight, 400, 300 - kMinCaptionHeight - 30));
  ASSERT_TRUE(ShowActive(window.get()));  // size changes reach a shown window
  window->resize(500, 350);
  EXPECT_EQ(child->geometry(), QRect(0, kMinCaptionHeight, 500, 350 - kMinCaptionHeight - 30));
  QWidget stranger;
  engine.DockChild(window.get(), &stranger);  // not the window's child: left alone
  EXPECT_EQ(engine.Record(1)->dockedChildren.size(), 1u);
}

TEST(SkinnedWindowLayout, TheBottomBarDrawsItsItemsAndRedrawsOnlyTheOneThatChanges) {
  SkinEngine engine;
  const QColor backdrop(20, 120, 40);
  engine.SetSkinPicture(Text(), SolidPicture(backdrop, 64, 64), std::nullopt, std::nullopt,
                        kLayoutStretched);
  auto window = ResizableWindow();
  SkinWindowOptions options;
  options.bottomBarHeight = 30;
  options.bottomBarItems = std::vector<BottomBarItem>{{Text(), {}, 0, {}}, {Text(), {}, 0, {}}};
  engine.SkinWindow(window.get(), options);
  engine.RenderBackground(1, false);
  const WindowRecord& r = *engine.Record(1);
  const QImage& image = r.cache.Picture();
  EXPECT_EQ(r.bottomBar, QRect(0, 270, 400, 30));
  // The strip: the backdrop under black at alpha 40.
  EXPECT_TRUE(Near(image.pixelColor(100, 290), Blend(backdrop, Qt::black, kBottomBarFillAlpha)));
  EXPECT_TRUE(Near(image.pixelColor(100, 200), backdrop));

  const int renders = r.renderCount;
  engine.SetBottomBarItem(window.get(), 2, Sys("WWWWWW"));
  EXPECT_EQ(r.renderCount, renders) << "the whole image was rebuilt for one item";
  int white = 0;
  for (int y = 270; y < 300; ++y)
    for (int x = 200; x < 300; ++x)
      if (image.pixelColor(x, y).lightness() > 200) ++white;
  EXPECT_GT(white, 10);
  const QColor strip = image.pixelColor(100, 290);
  engine.SetBottomBarStyle(window.get(), std::nullopt, MakeColorRef(255, 0, 0), 255, std::nullopt,
                           std::nullopt, std::nullopt);
  engine.RenderBackground(1, false);
  EXPECT_EQ(engine.Record(1)->cache.Picture().pixelColor(100, 290), QColor(255, 0, 0));
  EXPECT_NE(strip, QColor(255, 0, 0));
}

TEST(SkinnedWindowLayout, AWindowShapedByTranslucencyHasSeeThroughCornersAndNoMask) {
  SkinEngine engine;
  SkinnedWindow w(engine);
  WindowRecord& r = *engine.Record(w.index);
  r.translucentShape = true;
  engine.RenderBackground(w.index, false);
  EXPECT_TRUE(w.window->mask().isEmpty());
  EXPECT_EQ(qAlpha(w.Image(engine).pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(w.Image(engine).pixel(196, 300)), 255);
}

}  // namespace
}  // namespace vexo::test
