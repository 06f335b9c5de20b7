#include "skin_test_support.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QTest>
#include <cstdlib>

namespace vexo::test {

ByteSet EncodePicture(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return ByteSet(data.begin(), data.end());
}

ByteSet SolidPicture(QColor colour, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return EncodePicture(image);
}

TestWindow::TestWindow(bool minimizeBox, bool maximizeBox)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setWindowFlag(Qt::WindowMinimizeButtonHint, minimizeBox);
  setWindowFlag(Qt::WindowMaximizeButtonHint, maximizeBox);
  setFixedSize(kPlayerWidth, kPlayerHeight);
}

void TestWindow::closeEvent(QCloseEvent* event) {
  ++closeRequests;
  if (refuseClose) {
    event->ignore();
  } else {
    event->accept();
  }
}

SkinnedWindow::SkinnedWindow(SkinEngine& engine, QColor colour,
                             const std::function<void(QWidget*)>& populate)
    : window(std::make_unique<TestWindow>()) {
  if (populate) populate(window.get());
  engine.SetSkinPicture(Text(), SolidPicture(colour), std::nullopt, std::nullopt,
                        skin::kLayoutStretched);
  SkinWindowOptions options;
  options.resizable = false;
  engine.SkinWindow(window.get(), options);
  index = engine.WindowIndexOf(window.get());
  engine.RenderBackground(index, false);
}

const QImage& SkinnedWindow::Image(SkinEngine& engine) const {
  return engine.Record(index)->cache.Picture();
}

bool ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowExposed(window) && QTest::qWaitForWindowActive(window);
}

bool SkinnedWindow::ShowActive() const {
  return test::ShowActive(window.get());
}

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

QColor Blend(QColor under, QColor over, int alpha) {
  auto mix = [alpha](int u, int o) { return (o * alpha + u * (255 - alpha) + 127) / 255; };
  return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                mix(under.blue(), over.blue()));
}

}  // namespace vexo::test
