#include "caption_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kButtonWidth = 26;
constexpr int kCloseWidth = 38;
constexpr int kButtonHeight = 18;
constexpr int kIconSize = 32;

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A white glyph with a faint dark shadow one pixel below, so it reads on
// light pictures too.
void StrokeGlyph(QImage& image, const QPainterPath& glyph, double width) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 90), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(glyph.translated(0, 1));
  p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(glyph);
}

}  // namespace

QImage DrawCaptionMinimize() {
  QImage image = Blank(kButtonWidth, kButtonHeight);
  QPainterPath bar;
  bar.moveTo(8.5, 11.5);
  bar.lineTo(17.5, 11.5);
  StrokeGlyph(image, bar, 2.0);
  return image;
}

QImage DrawCaptionMaximize() {
  QImage image = Blank(kButtonWidth, kButtonHeight);
  QPainterPath box;
  box.addRect(QRectF(8.5, 4.5, 9, 8));
  box.moveTo(8.5, 5.5);
  box.lineTo(17.5, 5.5);
  StrokeGlyph(image, box, 1.0);
  return image;
}

QImage DrawCaptionRestore() {
  QImage image = Blank(kButtonWidth, kButtonHeight);
  QPainterPath boxes;
  boxes.addRect(QRectF(7.5, 7.5, 8, 6));
  boxes.moveTo(10.5, 7.5);
  boxes.lineTo(10.5, 4.5);
  boxes.lineTo(18.5, 4.5);
  boxes.lineTo(18.5, 10.5);
  boxes.lineTo(15.5, 10.5);
  StrokeGlyph(image, boxes, 1.0);
  return image;
}

QImage DrawCaptionClose() {
  QImage image = Blank(kCloseWidth, kButtonHeight);
  QPainterPath cross;
  cross.moveTo(14.5, 4.5);
  cross.lineTo(22.5, 12.5);
  cross.moveTo(22.5, 4.5);
  cross.lineTo(14.5, 12.5);
  StrokeGlyph(image, cross, 1.6);
  return image;
}

QImage DrawCaptionHelp() {
  QImage image = Blank(kButtonWidth, kButtonHeight);
  QPainterPath mark;
  mark.moveTo(10.0, 6.5);
  mark.cubicTo(10.0, 3.0, 16.5, 3.0, 16.5, 6.5);
  mark.cubicTo(16.5, 9.0, 13.0, 9.0, 13.0, 11.0);
  mark.moveTo(13.0, 13.5);
  mark.lineTo(13.0, 14.0);
  StrokeGlyph(image, mark, 1.6);
  return image;
}

QImage DrawCaptionMenu() {
  QImage image = Blank(kButtonWidth, kButtonHeight);
  QPainterPath lines;
  for (double y : {5.5, 9.0, 12.5}) {
    lines.moveTo(8.5, y);
    lines.lineTo(17.5, y);
  }
  StrokeGlyph(image, lines, 1.4);
  return image;
}

QImage DrawCaptionIcon() {
  QImage image = Blank(kIconSize, kIconSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient disc(QPointF(13, 11), 20);
  disc.setColorAt(0, QColor(255, 190, 120));
  disc.setColorAt(1, QColor(236, 109, 81));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QRectF(1, 1, 30, 30));
  // A quaver: head, stem and flag.
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(9, 19, 8, 6));
  p.drawRect(QRectF(15, 8, 2, 14));
  QPainterPath flag;
  flag.moveTo(17, 8);
  flag.cubicTo(21, 9, 23, 12, 22, 16);
  flag.cubicTo(21, 13, 19, 12, 17, 12);
  flag.closeSubpath();
  p.drawPath(flag);
  return image;
}
