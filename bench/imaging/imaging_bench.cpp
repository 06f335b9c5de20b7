// Typical drawing steps of the skin engine with the imaging objects: the
// 1600 x 900 background picture stretched over the 392 x 622 window, a
// rounded-rectangle path fill, the glowing title text, PNG saving, and the
// 2000 pixel reads of a picture's mean colour.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include "imaging/bitmap.h"
#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/graphics.h"
#include "imaging/image_formats.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

constexpr int kWindowWidth = 392;
constexpr int kWindowHeight = 622;
constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 900;
constexpr int kMeanColourSamples = 2000;

// A photo-like 1600 x 900 JPEG: gradients, soft shapes and grain.
const ByteSet& BackgroundJpeg() {
  static const ByteSet bytes = [] {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(230, 180, 120));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(7);
    for (int i = 0; i < 60; ++i) {
      painter.setBrush(QColor(random.bounded(256), random.bounded(256), random.bounded(256), 90));
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(QPointF(random.bounded(kPictureWidth), random.bounded(kPictureHeight)),
                          random.bounded(40, 200), random.bounded(40, 200));
    }
    painter.end();
    for (int y = 0; y < kPictureHeight; y += 2) {
      for (int x = 0; x < kPictureWidth; x += 3) {
        const QRgb p = image.pixel(x, y);
        const int grain = random.bounded(-6, 7);
        image.setPixel(x, y,
                       qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                            qBound(0, qBlue(p) + grain, 255)));
      }
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return ByteSet(data.begin(), data.end());
  }();
  return bytes;
}

void AddRoundedRect(ImgPath& path, float x, float y, float w, float h, float r) {
  path.AddArc(x + w - r, y, r, r, 270, 90);
  path.AddArc(x + w - r - 1, y + h - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(x, y + h - r, r, r, 90, 90);
  path.AddArc(x, y, r, r, 180, 90);
  path.CloseFigure();
}

void BM_LoadBackgroundJpeg(benchmark::State& state) {
  const ByteSet& jpeg = BackgroundJpeg();
  for (auto _ : state) {
    ImgImage image;
    image.LoadFromBytes(jpeg);
    benchmark::DoNotOptimize(image.Handle());
  }
  state.counters["jpeg_bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_LoadBackgroundJpeg)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Argument: the interpolation mode.
void BM_StretchBackground(benchmark::State& state) {
  ImgImage picture;
  picture.LoadFromBytes(BackgroundJpeg());
  ImgBitmap window;
  window.Create(kWindowWidth, kWindowHeight);
  for (auto _ : state) {
    ImgGraphics g;
    g.CreateFromImage(window);
    g.SetInterpolationMode(static_cast<int>(state.range(0)));
    g.DrawImageRect(picture, 0, 0, kWindowWidth, kWindowHeight);
  }
}
BENCHMARK(BM_StretchBackground)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Arg(kInterpolationModeHighQualityBicubic)
    ->Arg(kInterpolationModeBilinear)
    ->Unit(benchmark::kMicrosecond);

// The window's backdrop: magenta clear, rounded clip, colour fill, and the
// two-line rounded border, antialiased.
void BM_RoundedShapeFillAndBorder(benchmark::State& state) {
  ImgBitmap window;
  window.Create(kWindowWidth, kWindowHeight);
  for (auto _ : state) {
    ImgGraphics g;
    g.CreateFromImage(window);
    g.SetSmoothingMode(kSmoothingModeAntiAlias);
    g.Clear(MakeArgb(255, 255, 0, 255));
    ImgPath shape;
    shape.Create();
    AddRoundedRect(shape, 0, 0, kWindowWidth, kWindowHeight, 4);
    g.SetClipPath(shape);
    ImgSolidBrush fill;
    fill.Create(MakeArgb(255, 120, 140, 160));
    g.FillPath(fill, shape);
    g.ResetClip();
    ImgPen dark;
    dark.Create(MakeArgb(180, 0, 0, 0), 1);
    ImgPen light;
    light.Create(MakeArgb(180, 255, 255, 255), 1);
    ImgPath outer;
    outer.Create();
    AddRoundedRect(outer, 0, 0, kWindowWidth - 1, kWindowHeight - 1, 7);
    ImgPath inner;
    inner.Create();
    AddRoundedRect(inner, 1, 1, kWindowWidth - 3, kWindowHeight - 3, 6);
    g.DrawPath(dark, outer);
    g.DrawPath(light, inner);
  }
}
BENCHMARK(BM_RoundedShapeFillAndBorder)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// A caption button's hover: a rounded 38 x 18 shape filled with a gradient.
void BM_CaptionButtonGradientFill(benchmark::State& state) {
  ImgBitmap window;
  window.Create(kWindowWidth, kWindowHeight);
  ImgGraphics g;
  g.CreateFromImage(window);
  g.SetSmoothingMode(kSmoothingModeAntiAlias);
  for (auto _ : state) {
    ImgPath shape;
    shape.Create();
    AddRoundedRect(shape, 350, 1, 38, 18, 5);
    ImgLinearBrush glow;
    glow.Create(0, 1, 0, 19, MakeArgb(240, 255, 0, 0), MakeArgb(0, 255, 255, 255));
    g.FillPath(glow, shape);
  }
}
BENCHMARK(BM_CaptionButtonGradientFill)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The caption title with its glow: four shifted copies and the text.
void BM_TitleWithGlow(benchmark::State& state) {
  ImgBitmap window;
  window.Create(kWindowWidth, kWindowHeight);
  ImgFont font;
  font.Create(Sys("宋体"), 12, kFontStyleBold, kUnitWorld);
  ImgStringFormat format;
  format.Create();
  const Text title = Sys("Vexo_播放器");
  for (auto _ : state) {
    ImgGraphics g;
    g.CreateFromImage(window);
    ImgSolidBrush glow;
    glow.Create(MakeArgb(150, 128, 128, 128));
    ImgSolidBrush text;
    text.Create(MakeArgb(255, 255, 255, 255));
    const float x = 29;
    const float y = 8;
    const float w = 250;
    const float h = 32;
    g.DrawString(title, font, x - 1, y, w, h, &format, glow);
    g.DrawString(title, font, x + 1, y, w, h, &format, glow);
    g.DrawString(title, font, x, y - 1, w, h, &format, glow);
    g.DrawString(title, font, x, y + 1, w, h, &format, glow);
    g.DrawString(title, font, x, y, w, h, &format, text);
  }
}
BENCHMARK(BM_TitleWithGlow)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_SaveWindowAsPng(benchmark::State& state) {
  ImgImage picture;
  picture.LoadFromBytes(BackgroundJpeg());
  ImgBitmap window;
  window.Create(kWindowWidth, kWindowHeight);
  {
    ImgGraphics g;
    g.CreateFromImage(window);
    g.DrawImageRect(picture, 0, 0, kWindowWidth, kWindowHeight);
  }
  std::size_t size = 0;
  for (auto _ : state) {
    const ByteSet png = window.SaveToBytes(kImageFormatPng);
    size = png.size();
    benchmark::DoNotOptimize(size);
  }
  state.counters["png_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_SaveWindowAsPng)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_MeanColourSamples(benchmark::State& state) {
  ImgBitmap picture;
  picture.LoadFromBytes(BackgroundJpeg());
  QRandomGenerator random(1);
  for (auto _ : state) {
    unsigned long red = 0;
    for (int i = 0; i < kMeanColourSamples; ++i) {
      red +=
          ArgbRed(picture.GetPixel(random.bounded(kPictureWidth), random.bounded(kPictureHeight)));
    }
    benchmark::DoNotOptimize(red);
  }
}
BENCHMARK(BM_MeanColourSamples)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
