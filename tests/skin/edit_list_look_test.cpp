// Skinned edit boxes and lists: the veiled picture under the text and rows,
// the ring around them in its idle, focused and hot looks, the rows scrolling
// over a veil that stays with the picture, and the looks without a veil.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "../support/ui_wait.h"
#include "skin/control_constants.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

constexpr int kVeil = 150;
const QColor kTheme(34, 202, 221);

// A picture that changes from row to row, so a veil out of place shows.
ByteSet StripedPicture() {
  QImage picture(1600, 900, QImage::Format_RGB32);
  for (int y = 0; y < 900; ++y) {
    const int v = (y * 7) % 256;
    for (int x = 0; x < 1600; ++x)
      picture.setPixel(x, y, qRgb(v, 255 - v, (x / 8) % 2 == 0 ? 40 : 160));
  }
  return EncodePicture(picture);
}

// The player's search box and song list on a window skinned with a veil.
class VeiledControls : public ::testing::Test {
 protected:
  explicit VeiledControls(bool veil = true) {
    if (veil) {
      engine.SetControlOptions(true, kVeil);
    } else {
      engine.SetControlOptions(true);
    }
    window = std::make_unique<TestWindow>();
    edit = new QLineEdit(QStringLiteral("ab"), window.get());
    edit->setGeometry(36, 164, 320, 24);
    table = new QTableView(window.get());
    table->setGeometry(8, 189, 376, 427);
    table->setShowGrid(false);
    model.setColumnCount(1);
    for (int row = 0; row < 200; ++row)
      model.appendRow(new QStandardItem(QString()));
    table->setModel(&model);
    engine.SetSkinPicture(Text(), StripedPicture(), std::nullopt, std::nullopt, kLayoutStretched);
    SkinWindowOptions options;
    options.resizable = false;
    engine.SkinWindow(window.get(), options);
    index = engine.WindowIndexOf(window.get());
    engine.RenderBackground(index, false);
  }
  const QImage& Picture() { return engine.Record(index)->cache.Picture(); }
  QImage Shown() { return window->grab().toImage(); }
  void SendTo(QWidget* target, QEvent::Type type) {
    QMouseEvent event(type, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
  }

  SkinEngine engine;
  std::unique_ptr<TestWindow> window;
  QLineEdit* edit = nullptr;
  QTableView* table = nullptr;
  QStandardItemModel model;
  int index = 0;
};

TEST_F(VeiledControls, ThePictureShowsThroughTheVeilUnderTheTextAndTheEmptyRows) {
  const QImage shown = Shown();
  // The search box's text area, right of its text.
  for (QPoint at : {QPoint(300, 170), QPoint(250, 182)})
    EXPECT_TRUE(Near(shown.pixelColor(at), Blend(Picture().pixelColor(at), Qt::white, kVeil)))
        << at.x() << "," << at.y() << " " << shown.pixelColor(at).name().toStdString();
  // An empty row of the song list and the list below its rows.
  model.setRowCount(3);
  const QImage fewer = Shown();
  const QPoint viewport = table->viewport()->mapTo(window.get(), QPoint(0, 0));
  for (QPoint at : {viewport + QPoint(100, 5), viewport + QPoint(200, 300)})
    EXPECT_TRUE(Near(fewer.pixelColor(at), Blend(Picture().pixelColor(at), Qt::white, kVeil)))
        << at.x() << "," << at.y();
}

TEST_F(VeiledControls, TheSelectedRowKeepsItsOpaqueHighlight) {
  QPalette palette = table->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  table->setPalette(palette);
  table->selectRow(2);
  const QImage shown = Shown();
  const int y = table->rowViewportPosition(2) + table->rowHeight(2) / 2;
  const QPoint at = table->viewport()->mapTo(window.get(), QPoint(table->columnWidth(0) / 2, y));
  EXPECT_EQ(shown.pixelColor(at), table->palette().color(QPalette::Active, QPalette::Highlight));
}

// On the screen (the window's backing store): scrolling 50 rows must not move
// the veil with the rows, as copying the viewport's pixels would.
TEST_F(VeiledControls, ScrollingFiftyRowsKeepsTheVeilWithThePicture) {
  ASSERT_TRUE(ShowActive(window.get()));
  const QPoint viewport = table->viewport()->mapTo(window.get(), QPoint(0, 0));
  auto aligned = [&] {
    const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
    for (int y = 10; y < 400; y += 37) {
      const QPoint at = viewport + QPoint(150, y);
      if (!Near(screen.pixelColor(at), Blend(Picture().pixelColor(at), Qt::white, kVeil)))
        return false;
    }
    return true;
  };
  ASSERT_TRUE(WaitUntil(aligned));
  table->verticalScrollBar()->setValue(50);
  ASSERT_EQ(table->rowAt(0), 50);
  QCoreApplication::processEvents();
  EXPECT_TRUE(WaitUntil(aligned)) << "the veil moved with the rows";
}

TEST_F(VeiledControls, TheEditRingIsDarkIdleThemeColouredFocusedAndDoubleWhenTheMouseComes) {
  const QColor under = Blend(Picture().pixelColor(36 + 100, 164), Qt::white, kVeil);
  const QImage idle = engine.RenderEdit(edit, false);
  EXPECT_TRUE(Near(idle.pixelColor(100, 0), Blend(under, Qt::black, kEditIdleAlpha)))
      << idle.pixelColor(100, 0).name().toStdString();
  EXPECT_TRUE(
      Near(idle.pixelColor(100, 1), Blend(Picture().pixelColor(136, 165), Qt::white, kVeil)));

  QFocusEvent focusIn(QEvent::FocusIn);
  QCoreApplication::sendEvent(edit, &focusIn);
  const QImage focused = engine.RenderEdit(edit, false);
  EXPECT_TRUE(Near(focused.pixelColor(100, 0), Blend(under, kTheme, kEditLineAlpha)));
  const QImage hot = engine.RenderEdit(edit, true);
  for (int y : {0, 1})
    EXPECT_TRUE(Near(
        hot.pixelColor(100, y),
        Blend(Blend(Picture().pixelColor(136, 164 + y), Qt::white, kVeil), kTheme, kEditLineAlpha)))
        << y;
}

TEST_F(VeiledControls, TheEditIsDrawnHotOnceAfterTheMouseComesUntilTypingRepaintsIt) {
  ASSERT_TRUE(ShowActive(window.get()));
  // What the screen shows (a grab would paint the box afresh).
  const QPoint ring = edit->mapTo(window.get(), QPoint(100, 1));
  auto shownRing = [&] {
    return window->screen()->grabWindow(window->winId()).toImage().pixelColor(ring);
  };
  const QColor idle = shownRing();
  QTest::mouseMove(window->windowHandle(), edit->mapTo(window.get(), QPoint(200, 12)));
  ASSERT_TRUE(WaitUntil([&] { return shownRing() != idle; }));
  const QColor hot = shownRing();
  EXPECT_GT(hot.green() - hot.red(), idle.green() - idle.red() + 40);
  // Typing repaints the box: the ring is no longer hot though the mouse stays.
  QTest::keyClick(edit, Qt::Key_C);
  EXPECT_EQ(edit->text(), QStringLiteral("abc"));
  ASSERT_TRUE(WaitUntil([&] { return shownRing() != hot; }));
  EXPECT_NE(shownRing(), hot);
  // Moving within the box does not bring it back; leaving and coming does.
  QTest::mouseMove(window->windowHandle(), edit->mapTo(window.get(), QPoint(220, 12)));
  EXPECT_NE(shownRing(), hot);
  QTest::mouseMove(window->windowHandle(), QPoint(200, 60));
  QTest::mouseMove(window->windowHandle(), edit->mapTo(window.get(), QPoint(200, 12)));
  EXPECT_TRUE(WaitUntil([&] { return shownRing() == hot; }));
}

TEST_F(VeiledControls, TheListRingTurnsHotUnderTheMouseAndThemeColouredWithTheFocus) {
  const ListRecord& list = engine.Record(index)->lists[0];
  auto ringPixel = [&] { return engine.RenderListRing(table).pixelColor(150, 0); };
  const QColor idle = ringPixel();
  SendTo(table->viewport(), QEvent::MouseMove);
  EXPECT_TRUE(list.hot);
  const QColor hot = ringPixel();
  EXPECT_GT(hot.green() - hot.red(), idle.green() - idle.red() + 40);
  SendTo(table, QEvent::Leave);
  EXPECT_FALSE(list.hot);
  EXPECT_EQ(ringPixel(), idle);
  QFocusEvent focusIn(QEvent::FocusIn);
  QCoreApplication::sendEvent(table, &focusIn);
  EXPECT_TRUE(Near(ringPixel(), Blend(Blend(Picture().pixelColor(158, 189), Qt::white, kVeil),
                                      kTheme, kListLineAlpha)));
}

class UnveiledControls : public VeiledControls {
 protected:
  UnveiledControls() : VeiledControls(false) {}
};

TEST_F(UnveiledControls, WithoutAVeilTheRingIsOpaqueWhiteAndTheRowsKeepTheirBase) {
  const QImage shown = Shown();
  const QPoint ringInside = table->mapTo(window.get(), QPoint(150, 1));
  EXPECT_EQ(shown.pixelColor(ringInside), QColor(Qt::white));
  const QPoint rows = table->viewport()->mapTo(window.get(), QPoint(150, 300));
  EXPECT_EQ(shown.pixelColor(rows), table->palette().color(QPalette::Base));
  const QPoint text = edit->mapTo(window.get(), QPoint(300, 12));
  EXPECT_EQ(shown.pixelColor(text), edit->palette().color(QPalette::Base));
}

TEST(SkinnedLists, ABorderlessListKeepsItsOwnEdgeAndTheEndGivesTheFrameBack) {
  auto engine = std::make_unique<SkinEngine>();
  engine->SetControlOptions(true, kVeil);
  QListWidget* bare = nullptr;
  QListWidget* framed = nullptr;
  SkinnedWindow w(*engine, QColor(30, 60, 90), [&](QWidget* window) {
    bare = new QListWidget(window);
    bare->setFrameShape(QFrame::NoFrame);
    bare->setGeometry(10, 100, 100, 100);
    framed = new QListWidget(window);
    framed->setGeometry(150, 100, 100, 100);
  });
  EXPECT_FALSE(engine->HasRing(bare));
  EXPECT_TRUE(engine->RenderListRing(bare).isNull());
  EXPECT_TRUE(engine->HasRing(framed));
  EXPECT_EQ(framed->frameWidth(), kEditRingWidth);
  EXPECT_FALSE(framed->viewport()->autoFillBackground());
  engine.reset();
  EXPECT_EQ(framed->frameShape(), QFrame::StyledPanel);
  EXPECT_TRUE(framed->viewport()->autoFillBackground());
}

}  // namespace
}  // namespace vexo::test
