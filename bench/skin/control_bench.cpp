// Benchmarks of the skinned controls on Qt's offscreen platform:
//  - one paint of a push button (the 80 x 22 chart button and the 88 x 65
//    play button) and of the 259 x 24 seek slider, against the platform
//    style painting the same control;
//  - the seek slider repainted on every progress tick (one a second) while a
//    song plays: the process's CPU share over 30 s, with the skin's controls
//    on and off.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "bench_window.h"

namespace vexo {
namespace {

using bench::PlayerLikeWindow;

constexpr int kTickMs = 1000;
constexpr int kPlayingSeconds = 30;
constexpr int kSongMs = (kPlayingSeconds + 10) * 1000;

// Paints `control` the way its paint event would, into an image of its size.
void PaintOnce(QWidget* control, QImage& into) {
  QPainter painter(&into);
  control->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

void BM_PushButtonPaint(benchmark::State& state) {
  const bool skinned = state.range(0) != 0;
  const bool large = state.range(1) != 0;
  PlayerLikeWindow w(true, skinned);
  QPushButton* button = large ? w.playButton : w.window.findChildren<QPushButton*>()[3];
  QImage into(button->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state)
    PaintOnce(button, into);
  state.SetLabel(std::string(skinned ? "skin" : "platform style") +
                 (large ? ", play button 88x65" : ", chart button 80x22"));
}
BENCHMARK(BM_PushButtonPaint)->ArgsProduct({{1, 0}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_SliderPaint(benchmark::State& state) {
  const bool skinned = state.range(0) != 0;
  PlayerLikeWindow w(true, skinned);
  QImage into(w.slider->size(), QImage::Format_ARGB32_Premultiplied);
  int value = 1;
  for (auto _ : state) {
    w.slider->setValue(value = value % 10 + 1);
    PaintOnce(w.slider, into);
  }
  state.SetLabel(skinned ? "skin" : "platform style");
}
BENCHMARK(BM_SliderPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The player's progress tick moves the slider once a second while a song
// plays; the window is shown, so every move repaints the slider.
void BM_SliderTicksWhilePlaying(benchmark::State& state) {
  const bool skinned = state.range(0) != 0;
  PlayerLikeWindow w(true, skinned);
  bench::PlayingTone song;
  if (!song.Start(kSongMs)) {
    state.SkipWithError("the song did not play");
    return;
  }
  w.window.show();
  int ticks = 0;
  double share = 0;
  for (auto _ : state) {
    QTimer tick;
    tick.setInterval(kTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      ++ticks;
      w.slider->setValue(ticks % 10 + 1);
    });
    QElapsedTimer clock;
    const double cpuBefore = CpuSeconds();
    clock.start();
    tick.start();
    QEventLoop playing;
    QTimer::singleShot(kPlayingSeconds * 1000, &playing, &QEventLoop::quit);
    playing.exec();
    share = (CpuSeconds() - cpuBefore) / (static_cast<double>(clock.elapsed()) / 1000.0);
  }
  song.player.CloseMedia();
  state.counters["ticks"] = ticks;
  state.counters["cpu_share_percent"] = share * 100.0;
  state.SetLabel(skinned ? "skin" : "platform style");
}
BENCHMARK(BM_SliderTicksWhilePlaying)->Arg(1)->Arg(0)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace vexo
