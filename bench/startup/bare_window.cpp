// The floor the player's start is measured against: a Qt Widgets window of
// the player's size that paints a gradient, and nothing else.
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include "app/startup_probe.h"

namespace {

constexpr int kWidth = 392;
constexpr int kHeight = 622;

class GradientWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(34, 202, 221));
    gradient.setColorAt(1, QColor(255, 255, 255));
    painter.fillRect(rect(), gradient);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GradientWindow window;
  window.setFixedSize(kWidth, kHeight);
  vexo::InstallFirstPaintProbe(&window);
  window.show();
  return QApplication::exec();
}
