// The skinned column header of a song list set up like the player's: its
// tiles, the hot tile under the mouse, the last tile reaching the list's
// right edge past the zero-width columns, and long titles cut with an
// ellipsis.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>

#include "skin/control_constants.h"
#include "skin/skin_engine.h"
#include "skin_test_support.h"

namespace vexo::test {
namespace {

using namespace skin;

const QColor kBackdrop(40, 80, 120);
constexpr int kVeil = 150;

class SkinnedHeader : public ::testing::Test {
 protected:
  SkinnedHeader()
      : w(engine, kBackdrop, [this](QWidget* window) {
          engine.SetControlOptions(true, kVeil);
          model.setHorizontalHeaderLabels({QStringLiteral("编号"), QStringLiteral("歌曲名"),
                                           QStringLiteral("歌手"), QStringLiteral("ID"),
                                           QStringLiteral("URL")});
          table = new QTableView(window);
          table->setGeometry(8, 189, 376, 427);
          table->setModel(&model);
          table->verticalHeader()->hide();
          table->horizontalHeader()->setMinimumSectionSize(0);
          const int widths[] = {60, 230, 60, 0, 0};
          for (int i = 0; i < 5; ++i)
            table->setColumnWidth(i, widths[i]);
        }) {
    header = table->horizontalHeader();
    EXPECT_TRUE(w.ShowActive());  // the list lays its header out
  }
  QImage Look() { return engine.RenderHeader(header); }
  void MoveTo(int x) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 5),
                     header->viewport()->mapToGlobal(QPointF(x, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(header->viewport(), &move);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(header->viewport(), &leave);
  }
  // The dark (text) pixels of `image` within columns [from, to).
  static QRect Ink(const QImage& image, int from, int to) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = from; x < to; ++x)
        if (image.pixelColor(x, y).lightness() < 90) box |= QRect(x, y, 1, 1);
    return box;
  }

  SkinEngine engine;
  QStandardItemModel model{0, 5};
  QTableView* table = nullptr;
  QHeaderView* header = nullptr;
  SkinnedWindow w;
};

TEST_F(SkinnedHeader, TilesAreMilkyTintedWithASeparatorAndTheLastReachesTheRightEdge) {
  const QImage look = Look();
  ASSERT_EQ(look.size(), header->viewport()->size());
  const int h = look.height();
  // The top row of a clickable header's tile: the veil, then white at 80.
  const QColor top = Blend(Blend(kBackdrop, Qt::white, kVeil), Qt::white, kHeaderButtonTopAlpha);
  EXPECT_TRUE(Near(look.pixelColor(45, 0), top, 3)) << look.pixelColor(45, 0).name().toStdString();
  // Toward the bottom the theme colour comes in.
  EXPECT_GT(look.pixelColor(45, h - 2).green() - look.pixelColor(45, h - 2).red(),
            look.pixelColor(45, 0).green() - look.pixelColor(45, 0).red());
  // The separator at each section's right edge, darker than the tile.
  EXPECT_LT(look.pixelColor(59, 2).lightness(), look.pixelColor(57, 2).lightness());
  EXPECT_LT(look.pixelColor(349, 2).lightness(), look.pixelColor(347, 2).lightness());
  // Past the last column (and the two of width 0) the tile goes on to the
  // list's right edge, with no separator of the empty columns.
  const int right = header->viewport()->width();
  for (int x : {351, 360, right - 1})
    EXPECT_EQ(look.pixelColor(x, h / 2), look.pixelColor(345, h / 2)) << x;
  EXPECT_EQ(look.pixelColor(350, h / 2), look.pixelColor(345, h / 2));
}

TEST_F(SkinnedHeader, TheTileUnderTheMouseIsHotOnlyWhenTheHeaderCanBeClicked) {
  const QImage idle = Look();
  MoveTo(100);
  const HeaderRecord& record = engine.Record(w.index)->headers[0];
  EXPECT_EQ(record.hotItem, 2);
  const QImage hot = Look();
  EXPECT_NE(hot.pixelColor(250, 10), idle.pixelColor(250, 10));
  EXPECT_EQ(hot.pixelColor(30, 10), idle.pixelColor(30, 10)) << "another tile changed";
  Leave();
  EXPECT_EQ(Look(), idle);

  header->setSectionsClickable(false);
  engine.Record(w.index)->headers[0].buttons = false;
  const QImage flat = Look();
  MoveTo(100);
  EXPECT_EQ(Look(), flat);
}

TEST_F(SkinnedHeader, AlongTitleEndsWithAnEllipsisInsideItsTileAtTheTop) {
  model.setHeaderData(1, Qt::Horizontal,
                      QStringLiteral("歌曲名(双击可播放)歌曲名(双击可播放)歌曲名"));
  const QImage look = Look();
  const QRect ink = Ink(look, 60, 290);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.right(), 60 + 230 - kHeaderMargin + 1);
  EXPECT_LE(ink.top(), 4) << "the text is aligned to the top";
  // The last few inked columns are the ellipsis's dots: low and short, not a
  // glyph cut off.
  const QRect end = Ink(look, ink.right() - 8, ink.right() + 1);
  EXPECT_LE(end.height(), 4) << end.height();
}

}  // namespace
}  // namespace vexo::test
