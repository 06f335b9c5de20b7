#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

// One range of hills: a sum of slow sine waves, filled with a vertical fade.
void DrawHills(QPainter& p, double base, double amplitude, double phase, QColor top,
               QColor bottom) {
  QPainterPath path;
  path.moveTo(0, kHeight);
  for (int x = 0; x <= kWidth; x += 8) {
    double t = x / static_cast<double>(kWidth);
    double y =
        base - amplitude * (0.6 * std::sin(t * 5.3 + phase) + 0.3 * std::sin(t * 11.7 + phase * 2) +
                            0.1 * std::sin(t * 23.1 + phase * 3));
    path.lineTo(x, y);
  }
  path.lineTo(kWidth, kHeight);
  path.closeSubpath();
  QLinearGradient fill(0, base - amplitude, 0, kHeight);
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.fillPath(path, fill);
}

}  // namespace

QImage DrawBackdrop() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(38, 70, 120));
  sky.setColorAt(0.45, QColor(120, 150, 200));
  sky.setColorAt(0.75, QColor(246, 190, 160));
  sky.setColorAt(1.0, QColor(250, 220, 190));
  p.fillRect(image.rect(), sky);

  QRadialGradient sun(1150, 560, 260);
  sun.setColorAt(0, QColor(255, 240, 210, 230));
  sun.setColorAt(0.25, QColor(255, 220, 170, 160));
  sun.setColorAt(1, QColor(255, 200, 150, 0));
  p.fillRect(image.rect(), sun);

  // A few soft stars in the upper sky, placed by a fixed little sequence.
  unsigned seed = 12345;
  for (int i = 0; i < 90; ++i) {
    seed = seed * 1103515245u + 12345u;
    int x = static_cast<int>((seed >> 8) % kWidth);
    seed = seed * 1103515245u + 12345u;
    int y = static_cast<int>((seed >> 8) % (kHeight / 3));
    int a = 60 + static_cast<int>((seed >> 4) % 120);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, a));
    p.drawEllipse(QPointF(x, y), 1.4, 1.4);
  }

  DrawHills(p, 690, 70, 0.4, QColor(96, 110, 150), QColor(70, 80, 120));
  DrawHills(p, 770, 60, 2.1, QColor(60, 84, 110), QColor(40, 56, 80));
  DrawHills(p, 850, 45, 4.0, QColor(34, 52, 70), QColor(20, 30, 44));
  p.end();
  return image;
}
