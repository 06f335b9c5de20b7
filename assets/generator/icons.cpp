#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kCoral(236, 109, 81);
const QColor kTeal(0, 150, 136);

QImage Blank(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The magnifier outline of a 24 x 24 picture: a ring and a handle.
QPainterPath GlassPath() {
  QPainterPath ring;
  ring.addEllipse(QPointF(10, 10), 6.5, 6.5);
  QPainterPath hole;
  hole.addEllipse(QPointF(10, 10), 4.2, 4.2);
  QPainterPath handle;
  handle.moveTo(14.0, 15.6);
  handle.lineTo(15.6, 14.0);
  handle.lineTo(20.8, 19.2);
  handle.lineTo(19.2, 20.8);
  handle.closeSubpath();
  return (ring - hole) + handle;
}

// The note on the disc is drawn on a 128-unit square, scaled to the picture.
constexpr double kNoteDiscUnits = 128.0;

}  // namespace

QImage DrawNoteDisc(int size) {
  QImage image = Blank(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kNoteDiscUnits, size / kNoteDiscUnits);
  QRadialGradient disc(QPointF(52, 44), 80);
  disc.setColorAt(0, kTeal.lighter(125));
  disc.setColorAt(1, kTeal.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QRectF(4, 4, 120, 120));

  // A beamed pair of eighth notes.
  p.setBrush(Qt::white);
  p.save();
  p.translate(46, 90);
  p.rotate(-20);
  p.drawEllipse(QRectF(-12, -8, 24, 16));
  p.restore();
  p.save();
  p.translate(86, 80);
  p.rotate(-20);
  p.drawEllipse(QRectF(-12, -8, 24, 16));
  p.restore();
  p.drawRect(QRectF(53, 34, 6, 56));
  p.drawRect(QRectF(93, 24, 6, 56));
  QPainterPath beam;
  beam.moveTo(53, 34);
  beam.lineTo(99, 24);
  beam.lineTo(99, 36);
  beam.lineTo(53, 46);
  beam.closeSubpath();
  p.drawPath(beam);
  p.end();
  return image;
}

QImage DrawDefaultSingerPicture() {
  return DrawNoteDisc(static_cast<int>(kNoteDiscUnits));
}

QImage DrawSearchButtonSquare() {
  QImage image = Blank(24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath square;
  square.addRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
  p.fillPath(square - GlassPath(), kCoral);
  p.end();
  return image;
}

QImage DrawSearchButtonGlass() {
  QImage image = Blank(24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(GlassPath(), kCoral);
  p.end();
  return image;
}
