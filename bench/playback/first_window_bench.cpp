// Time to the first painted window, with libmpv kept off that path (loaded in
// the background right after the window shows, as the player does), against
// no libmpv at all and against libmpv loaded before the window (what linking
// it into the program would cost). Each run is a fresh process: the library
// loads once per process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sound/mci.h"
#include "platform/sound/mpv_library.h"

namespace {

using Clock = std::chrono::steady_clock;

enum Mode { kNoLibrary = 0, kPreloadAfterShow = 1, kLoadBeforeWindow = 2 };

Clock::time_point g_start;

long MicrosecondsSince(Clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
}

// The window of the player's size; its first paint ends the measurement.
class FirstPaintWindow : public QWidget {
 public:
  explicit FirstPaintWindow(Mode mode) : mode_(mode) { resize(392, 622); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (painted_) return;
    painted_ = true;
    const long paint_us = MicrosecondsSince(g_start);
    long load_us = 0;
    if (mode_ == kPreloadAfterShow) {
      // How long the background load took in all, seen from the paint.
      vexo::MediaLibrary();
      load_us = MicrosecondsSince(g_start);
    }
    std::printf("%ld %ld\n", paint_us, load_us);
    std::fflush(stdout);
    QApplication::exit(0);
  }

 private:
  Mode mode_;
  bool painted_ = false;
};

int RunChild(Mode mode, int argc, char** argv) {
  g_start = Clock::now();
  if (mode == kLoadBeforeWindow) vexo::MediaLibrary();
  QApplication app(argc, argv);
  FirstPaintWindow window(mode);
  window.show();
  if (mode == kPreloadAfterShow) vexo::PreloadMediaLibrary();
  return app.exec();
}

std::string g_self;

// Runs one child; its first-paint time (and load time) in microseconds.
bool RunOnce(Mode mode, long* paint_us, long* load_us) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  std::string mode_arg = "--child=" + std::to_string(mode);
  std::vector<char*> argv = {g_self.data(), mode_arg.data(), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, g_self.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (spawned != 0) {
    close(pipe_fds[0]);
    return false;
  }
  char buffer[128] = {};
  ssize_t got = read(pipe_fds[0], buffer, sizeof(buffer) - 1);
  close(pipe_fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (got <= 0) return false;
  char* end = nullptr;
  *paint_us = std::strtol(buffer, &end, 10);
  if (end == buffer) return false;
  *load_us = std::strtol(end, nullptr, 10);
  return true;
}

void BM_FirstPaintedWindow(benchmark::State& state) {
  const Mode mode = static_cast<Mode>(state.range(0));
  long load_total = 0;
  long runs = 0;
  for (auto _ : state) {
    long paint_us = 0;
    long load_us = 0;
    if (!RunOnce(mode, &paint_us, &load_us)) {
      state.SkipWithError("child failed (is there a display? QT_QPA_PLATFORM=offscreen works)");
      return;
    }
    state.SetIterationTime(paint_us / 1e6);
    load_total += load_us;
    ++runs;
  }
  if (mode == kPreloadAfterShow && runs > 0) {
    state.counters["library_ready_ms"] = load_total / 1000.0 / runs;
  }
}
BENCHMARK(BM_FirstPaintedWindow)
    ->ArgName("mode")
    ->Arg(kNoLibrary)
    ->Arg(kPreloadAfterShow)
    ->Arg(kLoadBeforeWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strncmp(argv[1], "--child=", 8) == 0) {
    return RunChild(static_cast<Mode>(std::strtol(argv[1] + 8, nullptr, 10)), argc, argv);
  }
  g_self = argv[0];
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
