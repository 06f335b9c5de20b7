#include "imaging_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <cstdio>

namespace vexo::test {
namespace {

// The imaging tests need fonts and widgets: one application for the run.
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance() == nullptr) {
      // Offscreen unless the run provides a display platform of its own.
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "vexo_imaging_tests";
      static char* argv[] = {name, nullptr};
      app_ = new QApplication(argc, argv);
    }
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

ByteSet EncodedBytes(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return ByteSet(data.begin(), data.end());
}

QImage QuadrantPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  const int hw = width / 2;
  const int hh = height / 2;
  painter.fillRect(0, 0, hw, hh, QColor(255, 0, 0));
  painter.fillRect(hw, 0, width - hw, hh, QColor(0, 255, 0));
  painter.fillRect(0, hh, hw, height - hh, QColor(0, 0, 255));
  painter.fillRect(hw, hh, width - hw, height - hh, QColor(255, 255, 255));
  return image;
}

Argb PixelOf(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return MakeArgb(c.alpha(), c.red(), c.green(), c.blue());
}

std::string Hex(Argb color) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", color);
  return text;
}

}  // namespace vexo::test
