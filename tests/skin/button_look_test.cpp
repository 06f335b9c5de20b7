// Skinned push buttons and check boxes: their faces in each state, the hot
// look following the mouse, clicks and double clicks, the focus they take,
// and the engine's end giving them back their own painting.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "../support/ui_wait.h"
#include "platform/system_text.h"
#include "skin/control_constants.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

const QColor kBackdrop(100, 150, 200);
const QColor kTheme(34, 202, 221);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// Two chart-like buttons and a check box on a window like the player's.
class SkinnedButtons : public ::testing::Test {
 protected:
  SkinnedButtons()
      : w(engine, kBackdrop, [this](QWidget* window) {
          first = new QPushButton(QStringLiteral("AB"), window);
          first->setGeometry(20, 100, 80, 22);
          second = new QPushButton(QStringLiteral("CD"), window);
          second->setGeometry(120, 100, 80, 22);
          box = new QCheckBox(QStringLiteral("ok"), window);
          box->setGeometry(220, 100, 50, 24);
        }) {}

  void SendMove(QWidget* target) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
  }
  static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

  SkinEngine engine;
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  QCheckBox* box = nullptr;
  SkinnedWindow w;
};

TEST_F(SkinnedButtons, RegisteredInTheirOrderWithTheirKinds) {
  const WindowRecord& r = *engine.Record(w.index);
  ASSERT_EQ(r.pushButtons.size(), 3u);
  EXPECT_EQ(r.pushButtons[0].control, first);
  EXPECT_EQ(r.pushButtons[0].kind, kButtonKindPush);
  EXPECT_EQ(r.pushButtons[2].control, box);
  EXPECT_EQ(r.pushButtons[2].kind, kButtonKindCheck);
  EXPECT_EQ(GetProp(second, kHwLbId), 2);
  EXPECT_EQ(GetProp(second, kHwFuId), w.index);
  // A button without a font of its own draws in 宋体 12.
  EXPECT_EQ(r.pushButtons[0].fontSize, kButtonFontSize);
  EXPECT_EQ(r.pushButtons[0].fontName, Sys(kButtonFontUtf8));
}

TEST_F(SkinnedButtons, PushButtonFaceInEachState) {
  const QColor milky = Blend(Blend(kBackdrop, kWhite, kFaceAlpha), kWhite, kGlossTopAlpha);
  const QImage normal = engine.RenderButton(first);
  ASSERT_EQ(normal.size(), first->size());
  // The top edge: milky face, gloss, then the black outline at alpha 120.
  EXPECT_TRUE(Near(At(normal, 40, 0), Blend(milky, kBlack, kOutlineAlpha), 3))
      << At(normal, 40, 0).name().toStdString();
  // The glossy upper half is lighter than the lower half.
  EXPECT_GT(At(normal, 40, 6).lightness(), At(normal, 40, 16).lightness() + 10);
  // Outside the rounded corner the background shows.
  EXPECT_EQ(At(normal, 0, 0), At(w.Image(engine), 20, 100));

  SendMove(first);  // hot: the opaque theme-coloured outline
  const QImage hot = engine.RenderButton(first);
  EXPECT_EQ(At(hot, 40, 0), kTheme);
  EXPECT_GT(At(hot, 40, 11).blue() - At(hot, 40, 11).red(),
            At(normal, 40, 11).blue() - At(normal, 40, 11).red());

  QMouseEvent leave(QEvent::Leave, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(first, &leave);
  EXPECT_EQ(engine.RenderButton(first), normal);

  QFocusEvent focusIn(QEvent::FocusIn);
  QCoreApplication::sendEvent(first, &focusIn);
  const QImage focused = engine.RenderButton(first);
  // The glow (34, 202, 221) spreads inside the edge; the outline is lighter.
  const QColor glow = At(focused, 40, 1);
  EXPECT_GT(glow.green() - glow.red(), At(normal, 40, 1).green() - At(normal, 40, 1).red() + 30)
      << glow.name().toStdString();
  EXPECT_GT(At(focused, 40, 0).green() - At(focused, 40, 0).red(),
            At(normal, 40, 0).green() - At(normal, 40, 0).red() + 30);
  QFocusEvent focusOut(QEvent::FocusOut);
  QCoreApplication::sendEvent(first, &focusOut);

  first->setDown(true);  // pressed: the inner theme-to-white fill
  const QImage pressed = engine.RenderButton(first);
  EXPECT_GT(At(pressed, 40, 3).blue() - At(pressed, 40, 3).red(),
            At(normal, 40, 3).blue() - At(normal, 40, 3).red() + 10);
  EXPECT_GT(At(pressed, 40, 19).lightness(), At(normal, 40, 19).lightness());
  first->setDown(false);

  first->setEnabled(false);  // disabled: silver where the face does not reach
  const QImage disabled = engine.RenderButton(first);
  EXPECT_EQ(At(disabled, 79, 21), kSilver);
  const QColor middle = At(disabled, 40, 11);
  EXPECT_TRUE(Near(middle, QColor(middle.red(), middle.red(), middle.red()), 2));
  EXPECT_NEAR(middle.red(), kSilver.red(), 30);
  SendMove(first);  // no hover look while disabled
  EXPECT_EQ(engine.RenderButton(first), disabled);
}

TEST_F(SkinnedButtons, TheHotLookFollowsThePointerFromOneButtonToTheOther) {
  ASSERT_TRUE(w.ShowActive());
  QWindow* handle = w.window->windowHandle();
  QTest::mouseMove(handle, QPoint(60, 111));
  ASSERT_TRUE(WaitUntil([&] { return At(engine.RenderButton(first), 40, 0) == kTheme; }));
  QTest::mouseMove(handle, QPoint(160, 111));
  ASSERT_TRUE(WaitUntil([&] { return At(engine.RenderButton(second), 40, 0) == kTheme; }));
  EXPECT_NE(At(engine.RenderButton(first), 40, 0), kTheme);
  // What the window shows: the second button's outline, not the first's.
  const QImage shown = w.window->grab().toImage();
  EXPECT_EQ(At(shown, 160, 100), kTheme);
  EXPECT_NE(At(shown, 60, 100), kTheme);
}

TEST_F(SkinnedButtons, ACheckBoxTogglesOncePerClickAndNotAgainOnADoubleClick) {
  ASSERT_TRUE(w.ShowActive());
  QWindow* handle = w.window->windowHandle();
  int clicks = 0;
  QObject::connect(box, &QCheckBox::clicked, [&] { ++clicks; });
  const QPoint centre(230, 112);
  QTest::mouseClick(handle, Qt::LeftButton, {}, centre);
  EXPECT_TRUE(box->isChecked());
  QTest::mouseDClick(handle, Qt::LeftButton, {}, centre);
  EXPECT_FALSE(box->isChecked()) << "the double click toggled a second time";
  EXPECT_EQ(clicks, 2);
  // A click gives the box the focus, as the platform's boxes take it.
  EXPECT_TRUE(box->hasFocus());
}

TEST_F(SkinnedButtons, ATickedBoxShowsTheTickGlyphInItsOrangeText) {
  const QImage clear = engine.RenderButton(box);
  box->setChecked(true);
  const QImage ticked = engine.RenderButton(box);
  // The glyph sits at (0, (24 - 13) / 2); the tick darkens its middle.
  const int top = (24 - kGlyphSize) / 2;
  int darker = 0;
  for (int y = top; y < top + kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize; ++x)
      if (At(ticked, x, y).lightness() + 40 < At(clear, x, y).lightness()) ++darker;
  EXPECT_GT(darker, 8);
  // Beside the glyph both look the same.
  EXPECT_EQ(clear.copy(kGlyphTextGap, 0, 30, 24), ticked.copy(kGlyphTextGap, 0, 30, 24));
}

TEST(SkinnedCheckBox, KeepsTheTextColourItWasGiven) {
  SkinEngine engine;
  QCheckBox* orange = nullptr;
  SkinnedWindow w(engine, QColor(20, 20, 20), [&](QWidget* window) {
    orange = new QCheckBox(QStringLiteral("WWWW"), window);
    orange->setGeometry(10, 100, 80, 24);
    QPalette palette = orange->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 128, 0));
    orange->setPalette(palette);
  });
  const QImage look = engine.RenderButton(orange);
  int inked = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = kGlyphTextGap; x < 80; ++x)
      if (Near(look.pixelColor(x, y), QColor(255, 128, 0), 30)) ++inked;
  EXPECT_GT(inked, 10);
}

TEST(SkinnedButtonKinds, TristateBoxesAreLeftAloneRadioButtonsAreKindFour) {
  SkinEngine engine;
  QCheckBox* tristate = nullptr;
  QRadioButton* radio = nullptr;
  SkinnedWindow w(engine, kBackdrop, [&](QWidget* window) {
    tristate = new QCheckBox(window);
    tristate->setTristate(true);
    radio = new QRadioButton(window);
    radio->setGeometry(10, 100, 60, 20);
  });
  const WindowRecord& r = *engine.Record(w.index);
  ASSERT_EQ(r.pushButtons.size(), 1u);
  EXPECT_EQ(r.pushButtons[0].control, radio);
  EXPECT_EQ(r.pushButtons[0].kind, kButtonKindRadio);
  EXPECT_FALSE(HasProp(tristate, kHwLbId));
  // A chosen radio button shows a theme-coloured dot.
  radio->setChecked(true);
  const QImage look = engine.RenderButton(radio);
  EXPECT_TRUE(Near(look.pixelColor(6, 10), kTheme, 40))
      << look.pixelColor(6, 10).name().toStdString();
}

TEST_F(SkinnedButtons, AnImageButtonShowsThePictureOfItsState) {
  QImage strip(40, 10, QImage::Format_ARGB32);
  strip.fill(QColor(200, 0, 0));
  for (int y = 0; y < 10; ++y)
    for (int x = 20; x < 40; ++x)
      strip.setPixelColor(x, y, QColor(0, 200, 0));
  EXPECT_FALSE(engine.SkinImageButton(second, ByteSet{1, 2, 3}, 2, Text()));
  EXPECT_FALSE(engine.SkinImageButton(second, EncodePicture(strip), 0, Text()));
  ASSERT_TRUE(engine.SkinImageButton(second, EncodePicture(strip), 2, Text("tip")));
  EXPECT_EQ(engine.Record(w.index)->pushButtons[1].kind, kButtonKindImage);
  EXPECT_EQ(second->toolTip(), QStringLiteral("tip"));
  // The 20 x 10 frame centred on the 80 x 22 button, the background around it.
  const QImage normal = engine.RenderButton(second);
  EXPECT_EQ(normal.pixelColor(40, 11), QColor(200, 0, 0));
  EXPECT_EQ(normal.pixelColor(5, 11), w.Image(engine).pixelColor(125, 111));
  SendMove(second);
  EXPECT_EQ(engine.RenderButton(second).pixelColor(40, 11), QColor(0, 200, 0));
  // Pressed and disabled have no frame of their own: the normal picture.
  second->setEnabled(false);
  EXPECT_EQ(engine.RenderButton(second).pixelColor(40, 11), QColor(200, 0, 0));
}

TEST_F(SkinnedButtons, FocusedButtonsLeaveTheWindowShortcutsWorking) {
  auto* shortcut = new QAction(w.window.get());
  shortcut->setShortcut(QKeySequence(Qt::Key_F5));
  shortcut->setShortcutContext(Qt::WindowShortcut);
  w.window->addAction(shortcut);
  int fired = 0;
  QObject::connect(shortcut, &QAction::triggered, [&] { ++fired; });
  ASSERT_TRUE(w.ShowActive());
  QTest::mouseClick(w.window->windowHandle(), Qt::LeftButton, {}, QPoint(60, 111));
  ASSERT_TRUE(first->hasFocus());
  QTest::keyClick(w.window.get(), Qt::Key_F5);
  EXPECT_EQ(fired, 1);
}

TEST(SkinnedButtonsEnd, TheEngineEndGivesTheButtonsTheirOwnPaintingBack) {
  auto engine = std::make_unique<SkinEngine>();
  QPushButton* button = nullptr;
  const QColor backdrop(200, 30, 30);
  SkinnedWindow w(*engine, backdrop, [&](QWidget* window) {
    button = new QPushButton(QStringLiteral("x"), window);
    button->setGeometry(20, 100, 80, 22);
    button->setFocusPolicy(Qt::TabFocus);
  });
  ASSERT_TRUE(button->hasMouseTracking());
  ASSERT_EQ(button->focusPolicy(), Qt::StrongFocus);
  const QImage skinned = button->grab().toImage();
  engine.reset();
  EXPECT_FALSE(button->hasMouseTracking());
  EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
  EXPECT_FALSE(HasProp(button, kHwLbId));
  EXPECT_TRUE(button->findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
  // The platform style paints it again: its own face, not the skin's over the
  // red picture.
  const QImage own = button->grab().toImage();
  EXPECT_NE(own, skinned);
  EXPECT_FALSE(Near(own.pixelColor(40, 11), skinned.pixelColor(40, 11), 10));
}

}  // namespace
}  // namespace vexo::test
