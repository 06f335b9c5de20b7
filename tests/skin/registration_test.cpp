// Registering windows, the engine-wide settings, and what the engine derives
// from pictures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <random>

#include "imaging/bitmap.h"
#include "skin/control_constants.h"
#include "skin/picture_colour.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

TEST(SkinRegistration, CaptionHeightIsAtLeast25AndButtonsFollowTheWindowsBoxes) {
  SkinEngine engine;
  TestWindow low;
  SkinWindowOptions options;
  options.captionHeight = 10;
  engine.SkinWindow(&low, options);
  EXPECT_EQ(engine.Record(1)->captionHeight, 25);

  TestWindow high(false, true);
  options.captionHeight = 30;
  engine.SkinWindow(&high, options);
  const WindowRecord& r = *engine.Record(2);
  EXPECT_EQ(r.captionHeight, 30);
  // No minimize box: maximize and close; close is always there, rightmost.
  ASSERT_EQ(r.buttons.size(), 2u);
  EXPECT_EQ(r.buttons[0].kind, kKindMaximize);
  EXPECT_EQ(r.buttons[1].kind, kKindClose);
  EXPECT_FALSE(r.buttons[0].alternatePicture.IsEmpty());

  // The player's boxes: minimize and close, a strip of 26 + 38 + 1 + 3.
  const WindowRecord& player = *engine.Record(1);
  ASSERT_EQ(player.buttons.size(), 2u);
  EXPECT_EQ(player.buttons[0].kind, kKindMinimize);
  EXPECT_EQ(player.buttons[1].kind, kKindClose);
  EXPECT_EQ(player.stripWidth, 68);
  EXPECT_EQ(player.stripX, kPlayerWidth - 68 + 1);
  EXPECT_EQ(player.buttons[0].hit, QRectF(player.stripX + 2, 1, 26, 18));
  EXPECT_EQ(player.buttons[1].hit, QRectF(player.stripX + 29, 1, 40, 18));
  EXPECT_EQ(player.buttons[1].picture.Width(), 38u);
  EXPECT_EQ(player.tooltip->ToolCount(), 2);
  EXPECT_EQ(engine.GetCaptionStripRect(&low),
            QRect(QPoint(player.stripX, 0), QPoint(player.stripX + 68, 22)));
}

TEST(SkinRegistration, SkinningAWindowTwiceChangesNothing) {
  SkinEngine engine;
  TestWindow window;
  engine.SkinWindow(&window);
  engine.RenderBackground(1, false);
  const int renders = engine.Record(1)->renderCount;
  SkinWindowOptions other;
  other.captionHeight = 40;
  other.helpButton = true;
  engine.SkinWindow(&window, other);
  EXPECT_EQ(engine.WindowCount(), 1);
  EXPECT_EQ(engine.Record(1)->captionHeight, 25);
  EXPECT_EQ(engine.Record(1)->buttons.size(), 2u);
  EXPECT_FALSE(engine.Record(1)->fullRepaint);
  EXPECT_EQ(engine.Record(1)->renderCount, renders);
  EXPECT_EQ(GetProp(&window, kHwLbId), 1);
}

TEST(SkinRegistration, DestroyingOneOfTwoWindowsRenumbersTheOtherEverywhere) {
  SkinEngine engine;
  auto first = std::make_unique<TestWindow>();
  TestWindow second;
  auto* label = new QLabel(&second);
  auto* box = new QGroupBox(&second);
  auto* edit = new QLineEdit(&second);
  engine.SkinWindow(first.get());
  engine.SkinWindow(&second);
  EXPECT_EQ(engine.MakeTransparent(label), 0);
  EXPECT_EQ(engine.SkinContainer(box), 1);
  EXPECT_EQ(GetProp(&second, kHwLbId), 2);
  EXPECT_EQ(GetProp(label, kKjFuId), 2);
  EXPECT_EQ(GetProp(box, kHwFuId), 2);
  EXPECT_EQ(GetProp(edit, kHwFuId), 2);

  first.reset();
  ASSERT_EQ(engine.WindowCount(), 1);
  EXPECT_EQ(engine.WindowIndexOf(&second), 1);
  EXPECT_EQ(GetProp(&second, kHwLbId), 1);
  EXPECT_EQ(GetProp(label, kKjFuId), 1);
  EXPECT_EQ(GetProp(box, kHwFuId), 1);
  EXPECT_EQ(GetProp(edit, kHwFuId), 1);
  // The remaining window still works: its image renders and its button runs.
  engine.RenderBackground(1, false);
  EXPECT_EQ(engine.Record(1)->renderCount, 1);
  engine.RunCaptionCommand(1, 2);
  EXPECT_EQ(second.closeRequests, 1);
}

// Every kind of child control gets its record in its kind's list, its numbers
// and its filter; a view that sorts is left alone (its header is not: the
// header belongs to the list view); the engine's end takes it all back.
TEST(SkinRegistration, ChildControlsAreRegisteredByKindAndGivenBackAtTheEnd) {
  auto engine = std::make_unique<SkinEngine>();
  QLineEdit* edit = nullptr;
  QComboBox* combo = nullptr;
  QSlider* slider = nullptr;
  QProgressBar* progress = nullptr;
  QListWidget* list = nullptr;
  QTableView* table = nullptr;
  QTableView* sorted = nullptr;
  QSpinBox* spin = nullptr;
  QDateTimeEdit* date = nullptr;
  SkinnedWindow w(*engine, QColor(10, 20, 30), [&](QWidget* window) {
    list = new QListWidget(window);
    table = new QTableView(window);
    sorted = new QTableView(window);
    sorted->setSortingEnabled(true);
    edit = new QLineEdit(window);
    combo = new QComboBox(window);
    combo->setEditable(true);
    combo->addItems({QStringLiteral("one"), QStringLiteral("two")});
    combo->setCurrentIndex(1);
    combo->setEditText(QStringLiteral("typed"));
    slider = new QSlider(window);
    progress = new QProgressBar(window);
    spin = new QSpinBox(window);
    date = new QDateTimeEdit(window);
  });
  const WindowRecord& r = *engine->Record(w.index);
  ASSERT_EQ(r.edits.size(), 2u);
  EXPECT_EQ(r.edits[0].control, edit);
  EXPECT_EQ(r.edits[1].control, combo->lineEdit());
  EXPECT_EQ(combo->currentText(), QStringLiteral("two")) << "the chosen item is shown again";
  ASSERT_EQ(r.combos.size(), 1u);
  ASSERT_EQ(r.sliders.size(), 1u);
  EXPECT_EQ(r.sliders[0].vertical, true);
  EXPECT_EQ(r.sliders[0].tickPlacement, kTicksNone);
  ASSERT_EQ(r.progressBars.size(), 1u);
  ASSERT_EQ(r.upDowns.size(), 1u);
  EXPECT_EQ(r.upDowns[0].control, spin);
  // Lists in the window's order: the list box, the table, the combo box's
  // list and the date-time picker; the sorted table is not among them.
  ASSERT_EQ(r.lists.size(), 4u);
  EXPECT_EQ(r.lists[0].kind, kListBox);
  EXPECT_EQ(r.lists[1].control, table);
  EXPECT_EQ(r.lists[1].kind, kListView);
  EXPECT_EQ(r.lists[2].control, combo->view());
  EXPECT_EQ(r.lists[3].control, date);
  EXPECT_FALSE(HasProp(sorted, kHwLbId));
  ASSERT_EQ(r.headers.size(), 2u);
  EXPECT_EQ(r.headers[0].control, table->horizontalHeader());
  EXPECT_EQ(r.headers[1].control, sorted->horizontalHeader());
  EXPECT_EQ(GetProp(table, kHwLbId), 2);
  EXPECT_EQ(GetProp(table->horizontalHeader(), kHwLbId), 1);
  EXPECT_EQ(GetProp(progress, kHwFuId), w.index);
  EXPECT_EQ(GetProp(edit, kKjZtys), 0);
  EXPECT_TRUE(HasProp(edit, kKjZtys));
  EXPECT_TRUE(table->viewport()->hasMouseTracking());
  EXPECT_FALSE(slider->testAttribute(Qt::WA_Hover));

  // The hot control follows the mouse from one kind to another.
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(table->viewport(), &move);
  EXPECT_TRUE(r.lists[1].hot);
  EXPECT_EQ(r.hot.index, 2);

  QSlider polished;
  polished.ensurePolished();
  engine.reset();
  for (QWidget* control :
       std::initializer_list<QWidget*>{edit, combo, slider, progress, list, table, spin, date})
    EXPECT_FALSE(HasProp(control, kHwLbId)) << control->metaObject()->className();
  EXPECT_FALSE(HasProp(edit, kKjZtys));
  EXPECT_FALSE(table->viewport()->hasMouseTracking());
  EXPECT_FALSE(slider->hasMouseTracking());
  EXPECT_EQ(slider->testAttribute(Qt::WA_Hover), polished.testAttribute(Qt::WA_Hover));
  QCoreApplication::sendEvent(table->viewport(), &move);  // no filter left to see it
}

TEST(SkinSettings, ThemeColourFollowsThePictureOnlyWhenAskedTo) {
  SkinEngine engine;
  const ByteSet green = SolidPicture(QColor(10, 200, 30), 64, 48);
  engine.SetSkinPicture(Text(), green, std::nullopt, kThemeFollowsSkin, std::nullopt);
  EXPECT_EQ(engine.GetSkinColor(), MakeColorRef(10, 200, 30));
  EXPECT_EQ(engine.Settings().themeColour, MakeColorRef(10, 200, 30));
  EXPECT_EQ(engine.Settings().layoutMode, kLayoutModeWhenNotGiven);
  EXPECT_EQ(engine.Settings().skinPicture, green);

  // A colour alone empties the picture and keeps the layout mode; the theme
  // colour not given goes back to its default.
  engine.SetSkinPicture(Text(), ByteSet(), MakeColorRef(1, 2, 3), std::nullopt, std::nullopt);
  EXPECT_TRUE(engine.Settings().skinPicture.empty());
  EXPECT_EQ(engine.GetSkinColor(), MakeColorRef(1, 2, 3));
  EXPECT_EQ(engine.Settings().layoutMode, kLayoutModeWhenNotGiven);
  EXPECT_EQ(engine.Settings().themeColour, kDefaultThemeColour);

  // Neither picture nor colour: only the theme colour changes.
  engine.SetSkinPicture(Text(), ByteSet(), std::nullopt, MakeColorRef(9, 9, 9), std::nullopt);
  EXPECT_EQ(engine.Settings().themeColour, MakeColorRef(9, 9, 9));
  EXPECT_EQ(engine.GetSkinColor(), MakeColorRef(1, 2, 3));
}

TEST(SkinSettings, ControlOptionsRecordWhetherAVeilAlphaWasGiven) {
  SkinEngine engine;
  engine.SetControlOptions(true, 150, std::nullopt);
  EXPECT_EQ(engine.Settings().veilAlpha, 150);
  EXPECT_TRUE(engine.Settings().veilAlphaGiven);
  engine.SetControlOptions(false);
  EXPECT_EQ(engine.Settings().veilAlpha, kDefaultVeilAlpha);
  EXPECT_FALSE(engine.Settings().veilAlphaGiven);
  EXPECT_FALSE(engine.Settings().controlSkinning);
  EXPECT_EQ(engine.Settings().sliderOption, kDefaultSliderOption);
}

TEST(SkinPictures, MeanColourSamplesThePictureAndIsBlackForBrokenBytes) {
  std::mt19937 random(7);
  QImage halves(200, 100, QImage::Format_RGB32);
  halves.fill(Qt::black);
  for (int y = 0; y < 100; ++y)
    for (int x = 100; x < 200; ++x)
      halves.setPixel(x, y, qRgb(255, 255, 255));
  const ColorRef mean = MeanColourOfBytes(EncodePicture(halves), random, kMeanColourSamples);
  EXPECT_NEAR(RedOf(mean), 127, 12);
  EXPECT_EQ(RedOf(mean), GreenOf(mean));
  EXPECT_EQ(MeanColourOfBytes(ByteSet{1, 2, 3}, random, kMeanColourSamples), 0u);
  // A translucent picture counts its own colours, not as if laid on black.
  QImage translucent(64, 48, QImage::Format_ARGB32);
  translucent.fill(QColor(200, 100, 40, 100));
  const ColorRef see = MeanColourOfBytes(EncodePicture(translucent), random, kMeanColourSamples);
  EXPECT_NEAR(RedOf(see), 200, 3);
  EXPECT_NEAR(GreenOf(see), 100, 3);
  EXPECT_NEAR(BlueOf(see), 40, 3);
  // A margin keeps the sample among the last columns: the white half.
  ImgBitmap picture;
  picture.LoadFromBytes(EncodePicture(halves));
  EXPECT_EQ(MeanColour(picture, random, 500, 100, 0), MakeColorRef(255, 255, 255));
}

TEST(SkinPictures, EdgeFadeBlendsTheBandsIntoTheSkinColourAsPng) {
  ImgBitmap picture;
  picture.LoadFromBytes(SolidPicture(QColor(255, 255, 255), 100, 80));
  const ColorRef skin = MakeColorRef(0, 0, 200);
  const ByteSet left = EdgeFadedPicture(picture, skin, kLayoutTopRight);
  ASSERT_GE(left.size(), 8u);
  EXPECT_EQ(left[0], 0x89);
  EXPECT_EQ(left[1], 'P');
  QImage faded = QImage::fromData(left.data(), static_cast<int>(left.size()));
  EXPECT_TRUE(Near(faded.pixelColor(0, 10), QColor(0, 0, 200), 8));    // left edge: skin
  EXPECT_TRUE(Near(faded.pixelColor(60, 10), QColor(255, 255, 255)));  // middle: picture
  EXPECT_TRUE(Near(faded.pixelColor(60, 79), QColor(0, 0, 200), 12));  // bottom: skin
  const ByteSet right = EdgeFadedPicture(picture, skin, kLayoutTopLeft);
  faded = QImage::fromData(right.data(), static_cast<int>(right.size()));
  EXPECT_TRUE(Near(faded.pixelColor(99, 10), QColor(0, 0, 200), 12));
  EXPECT_TRUE(Near(faded.pixelColor(2, 10), QColor(255, 255, 255)));
  EXPECT_TRUE(EdgeFadedPicture(ImgBitmap(), skin, kLayoutTopLeft).empty());
}

}  // namespace
}  // namespace vexo::test
