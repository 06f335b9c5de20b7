#include "check_box_glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kGlyphSize = 13;

QImage Blank(int scale) {
  QImage image(kGlyphSize * scale, kGlyphSize * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QImage DrawCheckBoxSquare(int scale) {
  QImage image = Blank(scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  // A milky square, lighter at the top, with a soft dark rim.
  const QRectF box(0.5, 0.5, kGlyphSize - 1, kGlyphSize - 1);
  QLinearGradient milk(0, 0, 0, kGlyphSize);
  milk.setColorAt(0, QColor(255, 255, 255, 235));
  milk.setColorAt(1, QColor(222, 228, 234, 235));
  p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
  p.setBrush(milk);
  p.drawRoundedRect(box, 1.5, 1.5);
  p.setPen(QPen(QColor(255, 255, 255, 160), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 1, 1);
  return image;
}

QImage DrawCheckMark(int scale) {
  QImage image = Blank(scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QPainterPath tick;
  tick.moveTo(3.0, 6.5);
  tick.lineTo(5.5, 9.5);
  tick.lineTo(10.0, 3.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 140), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick.translated(0, 0.6));
  p.setPen(QPen(QColor(30, 40, 50), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  return image;
}
