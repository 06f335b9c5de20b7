// See-through controls and containers: the background behind a control, the
// key-colour overlay, group boxes, and ApplySkin over a window like the player's.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

#include "platform/controls/group_box.h"
#include "skin/apply_skin.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

// Paints its left half in the key colour and its right half dark.
class KeyPainter : public QWidget {
 public:
  KeyPainter(QWidget* parent, QColor key) : QWidget(parent), key_(key) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(0, 0, width() / 2, height(), key_);
    p.fillRect(width() / 2, 0, width() - width() / 2, height(), QColor(10, 20, 30));
  }

 private:
  QColor key_;
};

TEST(SkinOverlay, ReplacesExactlyTheKeyColouredPixels) {
  SkinEngine engine;
  SkinnedWindow w(engine, QColor(90, 160, 60));
  const QColor key(212, 208, 200);
  auto* control = new KeyPainter(w.window.get(), key);
  control->setGeometry(40, 200, 60, 20);
  EXPECT_EQ(engine.MakeTransparent(control, MakeColorRef(212, 208, 200)), 0);
  EXPECT_EQ(GetProp(control, kKjLbId), 1);
  EXPECT_EQ(GetProp(control, kKjFuId), w.index);

  const QImage shot = w.window->grab().toImage();
  const QImage& image = w.Image(engine);
  for (int x = 40; x < 100; x += 3) {
    const QColor seen = shot.pixelColor(x, 210);
    if (x < 70) {
      EXPECT_EQ(seen, image.pixelColor(x, 210)) << x;
    } else {
      EXPECT_EQ(seen, QColor(10, 20, 30)) << x;
    }
  }
}

TEST(SkinOverlay, EndingTheEngineLeavesTheControlsToThemselves) {
  auto engine = std::make_unique<SkinEngine>();
  SkinnedWindow w(*engine);
  auto* label = new QLabel(w.window.get());
  auto* box = new QGroupBox(w.window.get());
  engine->MakeTransparent(label);
  engine->SkinContainer(box);
  ASSERT_NE(label->graphicsEffect(), nullptr);
  engine.reset();
  EXPECT_EQ(label->graphicsEffect(), nullptr);
  const QImage shot = w.window->grab().toImage();  // paints without the engine
  EXPECT_FALSE(shot.isNull());
}

TEST(SkinOverlay, AControlWithChildrenAlsoBecomesAPassiveContainer) {
  SkinEngine engine;
  SkinnedWindow w(engine);
  auto* plain = new QLabel(w.window.get());
  auto* holder = new QWidget(w.window.get());
  new QLabel(holder);
  EXPECT_EQ(engine.MakeTransparent(plain), 0);
  EXPECT_EQ(engine.MakeTransparent(holder, std::nullopt, MakeColorRef(255, 0, 0), 200), 1);
  const ContainerRecord* c = engine.FindContainer(holder);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->paintStyle, 0);
  EXPECT_EQ(c->fillColour, MakeColorRef(255, 0, 0));
  EXPECT_EQ(c->fillAlpha, 200);
  // A control in no skinned window is left alone.
  QLabel stray;
  EXPECT_EQ(engine.MakeTransparent(&stray), 0);
  EXPECT_FALSE(HasProp(&stray, kKjLbId));
}

TEST(SkinContainer, RegistersOnceKeepsTheLowByteOfTheAlphaAndTintsItsChildren) {
  SkinEngine engine;
  SkinnedWindow w(engine, QColor(0, 0, 200));
  auto* plain = new QWidget(w.window.get());
  plain->setGeometry(10, 100, 100, 50);
  auto* tinted = new QWidget(w.window.get());
  tinted->setGeometry(10, 200, 100, 50);
  auto* child = new QWidget(tinted);
  child->setGeometry(5, 5, 20, 10);

  EXPECT_EQ(engine.SkinContainer(plain, std::nullopt, std::nullopt, 256), 1);
  EXPECT_EQ(engine.FindContainer(plain)->fillAlpha, 0);
  EXPECT_EQ(engine.SkinContainer(plain, 0, MakeColorRef(1, 1, 1), 5), 1);
  EXPECT_EQ(engine.FindContainer(plain)->paintStyle, 1);
  engine.SetContainerAlpha(plain, 77);  // no fill colour: nothing changes
  EXPECT_EQ(engine.FindContainer(plain)->fillAlpha, 0);

  EXPECT_EQ(engine.SkinContainer(tinted, 1, MakeColorRef(255, 0, 0), 255), 2);
  engine.SetContainerAlpha(tinted, 0x1FF);
  EXPECT_EQ(engine.FindContainer(tinted)->fillAlpha, 0xFF);
  // Case B: the child's background carries the container's tint.
  const QImage behind = engine.BackgroundBehind(child, child->rect());
  EXPECT_EQ(behind.pixelColor(3, 3), QColor(255, 0, 0));
  // A container with fill colour 0 adds no tint.
  const QImage untinted = engine.BackgroundBehind(plain, QRect(0, 0, 10, 10));
  EXPECT_EQ(untinted.pixelColor(5, 5), w.Image(engine).pixelColor(15, 105));
  // The veil lays white at the veil alpha over the background.
  engine.SetControlOptions(true, 150);
  const QImage veil = engine.ControlBackground(plain);
  EXPECT_TRUE(Near(veil.pixelColor(5, 5), Blend(QColor(0, 0, 200), Qt::white, 150)));
  engine.SetControlOptions(true);
  EXPECT_TRUE(engine.ControlBackground(plain).isNull());
}

class GroupBoxTitle : public ::testing::Test {
 protected:
  GroupBoxTitle() : w(engine, QColor(200, 200, 200)) {
    box = new QGroupBox(w.window.get());
    box->setGeometry(20, 300, 200, 60);
    QFont font = box->font();
    font.setPixelSize(12);
    box->setFont(font);
  }
  QImage Render() { return engine.RenderContainer(box, *engine.FindContainer(box)); }
  SkinEngine engine;
  SkinnedWindow w;
  QGroupBox* box;
};

TEST_F(GroupBoxTitle, WithoutAlignmentBitsAnEmptyTitleClearsTheFrameTenPixelsFromTheRight) {
  SetProp(box, kControlStyle, 0);
  engine.SkinContainer(box, std::nullopt, std::nullopt, 150);
  const QImage image = Render();
  const QColor background = w.Image(engine).pixelColor(25, 310);
  const int cleared = 200 - 11;
  EXPECT_EQ(image.pixelColor(cleared, 5), background);  // the frame line gives way
  EXPECT_NE(image.pixelColor(cleared - 2, 5), background);
  EXPECT_NE(image.pixelColor(cleared + 2, 5), background);
}

TEST_F(GroupBoxTitle, TitleSitsRightLeftOrCentredByTheAlignmentBits) {
  box->setTitle(QStringLiteral("Abc"));
  engine.SkinContainer(box);
  auto inkSpan = [&](int style) {
    SetProp(box, kControlStyle, style);
    const QImage image = Render();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
      for (int y = 1; y < 16; ++y)
        if (image.pixelColor(x, y).lightness() < 90) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair(first, last);
  };
  const auto right = inkSpan(0);
  EXPECT_GT(right.first, 150);
  EXPECT_LE(right.second, 200 - 10);
  EXPECT_GE(right.second, 200 - 16);
  const auto left = inkSpan(kStyleAlignLeft);
  EXPECT_GE(left.first, 10);
  EXPECT_LE(left.first, 14);
  const auto centre = inkSpan(kStyleAlignCentre);
  EXPECT_NEAR((centre.first + centre.second) / 2, 100, 4);
}

// The player's two group boxes as its window sets them up: no caption, no
// alignment bits (Qt's default alignment), the lyrics strip 382 x 32 and the
// separator 402 x 2, on the window grown to show the strip.
TEST(ApplySkin, ThePlayersGroupBoxesClearTheirTitleStripTenPixelsFromTheRight) {
  SkinEngine engine;
  TestWindow window;
  window.setFixedSize(kPlayerWidth, 652);
  GroupBox separator("分组框1", &window);
  separator.SetGeometry(-2, 136, 402, 2);
  separator.SetCaption(Text());
  GroupBox strip("分组框2", &window);
  strip.SetGeometry(6, 617, 382, 32);
  strip.SetCaption(Text());
  ApplySkin(engine, &window, SolidPicture(QColor(40, 120, 60), 160, 90), 150);
  engine.RenderBackground(1, false);

  QWidget* box = strip.Widget();
  const QImage image = engine.RenderContainer(box, *engine.FindContainer(box));
  const QImage behind = engine.BackgroundBehind(box, box->rect());
  const int cleared = 382 - 1 - 10;
  for (int y : {5, 6}) {
    EXPECT_EQ(image.pixelColor(cleared, y), behind.pixelColor(cleared, y)) << y;
    EXPECT_NE(image.pixelColor(cleared - 2, y), behind.pixelColor(cleared - 2, y)) << y;
    EXPECT_NE(image.pixelColor(10, y), behind.pixelColor(10, y)) << "cleared at the left";
  }
  // The separator, two rows high, shows the bottom edges of the two frame
  // lines as an etched line: light over dark, broken by the title strip.
  QWidget* line = separator.Widget();
  const QImage etched = engine.RenderContainer(line, *engine.FindContainer(line));
  const QImage picture = engine.BackgroundBehind(line, line->rect());
  const int gap = 402 - 1 - 10;
  for (int x = 10; x < 390; x += 7) {
    EXPECT_TRUE(Near(etched.pixelColor(x, 0), Blend(picture.pixelColor(x, 0), Qt::white, 90))) << x;
    EXPECT_TRUE(Near(etched.pixelColor(x, 1), Blend(picture.pixelColor(x, 1), Qt::black, 40))) << x;
  }
  EXPECT_EQ(etched.pixelColor(gap, 1), picture.pixelColor(gap, 1));
}

TEST(ApplySkin, SkinsGroupBoxesLabelsAndPictureBoxesByTheirKind) {
  SkinEngine engine;
  TestWindow window;
  auto* box = new QGroupBox(&window);
  box->setObjectName(QStringLiteral("分组框1"));
  auto* label = new QLabel(box);
  label->setObjectName(QStringLiteral("标签1"));
  auto* picture = new QWidget(&window);
  picture->setObjectName(QStringLiteral("图片框1"));
  auto* transLabel = new QLabel(&window);
  transLabel->setObjectName(QStringLiteral("透明标签1"));

  ApplySkin(engine, &window, SolidPicture(QColor(10, 20, 30), 160, 90), 150);
  ASSERT_EQ(engine.WindowCount(), 1);
  const WindowRecord& r = *engine.Record(1);
  EXPECT_EQ(engine.Settings().layoutMode, kLayoutStretched);
  EXPECT_EQ(engine.Settings().veilAlpha, 150);
  EXPECT_TRUE(engine.Settings().veilAlphaGiven);
  EXPECT_FALSE(r.resizable);
  ASSERT_EQ(r.containers.size(), 1u);
  EXPECT_EQ(r.containers[0].fillAlpha, 150);
  EXPECT_TRUE(r.containers[0].groupBox);
  ASSERT_EQ(r.overlays.size(), 2u);
  EXPECT_EQ(r.overlays[0].control, label);
  EXPECT_EQ(r.overlays[1].control, picture);
  EXPECT_FALSE(HasProp(transLabel, kKjLbId));
  EXPECT_EQ(ControlTypeName(box), "分组框");
}

}  // namespace
}  // namespace vexo::test
