// Skin benchmarks on Qt's offscreen platform:
//  - the full render of the 392 x 622 window image (backdrop from the 1600 x
//    900 picture, border, title, caption buttons) against an ordinary paint,
//    which copies the cached image (the ratio is the figure to watch);
//  - one step of the caption-button hover fade (one button's rectangle);
//  - the mean colour of the 1600 x 900 picture (2000 samples);
//  - the fade's frames while a song plays: how many arrive 20 ms apart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <random>
#include <vector>

#include "assets/embedded_pictures.h"
#include "bench_window.h"
#include "imaging/bitmap.h"
#include "skin/picture_colour.h"
#include "skin/skin_constants.h"
#include "skin/skin_engine.h"

namespace vexo {
namespace {

constexpr int kSongMs = 60000;
constexpr int kFadeCycles = 10;
// A frame counts as on time when it comes within this much of 20 ms.
constexpr qint64 kLateToleranceMs = 5;

using bench::App;
using bench::kHeight;
using bench::kWidth;
using bench::PlayerLikeWindow;

void BM_FullRender(benchmark::State& state) {
  PlayerLikeWindow w;
  for (auto _ : state)
    w.engine.RenderBackground(w.index, false);
  state.counters["renders"] = w.engine.Record(w.index)->renderCount;
}
BENCHMARK(BM_FullRender)->Unit(benchmark::kMicrosecond);

void BM_OrdinaryPaint(benchmark::State& state) {
  PlayerLikeWindow w;
  const qreal ratio = w.window.devicePixelRatioF();
  QImage screen(QSize(kWidth, kHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
  screen.setDevicePixelRatio(ratio);
  const QRect all(0, 0, kWidth, kHeight);
  for (auto _ : state) {
    QPainter painter(&screen);
    w.engine.BlitBackground(w.index, painter, all);
  }
  benchmark::DoNotOptimize(screen.constBits());
}
BENCHMARK(BM_OrdinaryPaint)->Unit(benchmark::kMicrosecond);

void BM_HoverStep(benchmark::State& state) {
  PlayerLikeWindow w;
  int step = 0;
  for (auto _ : state) {
    step = step % skin::kHoverSteps + 1;
    w.engine.ShowCaptionButton(w.index, 2, false, skin::kHoverAlphaStep * step);
  }
}
BENCHMARK(BM_HoverStep)->Unit(benchmark::kMicrosecond);

void BM_MeanColour(benchmark::State& state) {
  App();
  ImgBitmap picture;
  picture.LoadFromBytes(assets::BackgroundPicture());
  std::mt19937 random(1);
  for (auto _ : state)
    benchmark::DoNotOptimize(skin::MeanColour(picture, random, skin::kMeanColourSamples));
  state.counters["width"] = picture.Width();
  state.counters["height"] = picture.Height();
}
BENCHMARK(BM_MeanColour)->Unit(benchmark::kMicrosecond);

// Hover in and out of the close button again and again on a shown window
// while a song plays, and time each frame of the fade as it lands.
void BM_FadeFramesWhilePlaying(benchmark::State& state) {
  PlayerLikeWindow w;
  bench::PlayingTone song;
  if (!song.Start(kSongMs)) {
    state.SkipWithError("the song did not play");
    return;
  }
  w.window.show();
  const WindowRecord& r = *w.engine.Record(w.index);
  const QPoint close = r.buttons[1].hit.center().toPoint();
  std::vector<qint64> gaps;
  for (auto _ : state) {
    gaps.clear();
    for (int cycle = 0; cycle < kFadeCycles; ++cycle) {
      for (bool in : {true, false}) {
        const QPoint at = in ? close : QPoint(100, 300);
        w.engine.OnMouseMove(w.index, at, w.window.mapToGlobal(at), false);
        const int& step = in ? r.fadeInStep : r.fadeOutStep;
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        int seen = step;
        while (seen < skin::kHoverSteps && clock.elapsed() < 2000) {
          QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
          if (step != seen) {
            const qint64 now = clock.elapsed();
            if (seen > 0) gaps.push_back(now - last);
            last = now;
            seen = step;
          }
        }
      }
    }
  }
  song.player.CloseMedia();
  const auto onTime = std::count_if(gaps.begin(), gaps.end(), [](qint64 gap) {
    return std::abs(gap - skin::kHoverPeriodMs) <= kLateToleranceMs;
  });
  state.counters["frames"] = static_cast<double>(gaps.size());
  state.counters["on_time_share"] =
      gaps.empty() ? 0.0 : static_cast<double>(onTime) / static_cast<double>(gaps.size());
  state.counters["worst_gap_ms"] =
      gaps.empty() ? 0.0 : static_cast<double>(*std::max_element(gaps.begin(), gaps.end()));
}
BENCHMARK(BM_FadeFramesWhilePlaying)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vexo

BENCHMARK_MAIN();
