// Playback benchmarks against songs served on loopback:
//  - a double click's path to audible output: close, open, play, length, then
//    until the mode reads "playing" and the position advances;
//  - CPU share of one core and resident memory while a song plays for 30 s,
//    against mpv's own command-line player on the same URL with the same
//    options (the ratio is the figure to watch).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "playback/media_play.h"
#include "tests/platform/sound/test_media.h"

namespace vexo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kShortSongMs = 5000;
constexpr int kLongSongMs = 30000;
constexpr int kProgressTickMs = 1000;

test::TestMediaServer& Server() {
  static test::TestMediaServer* server = [] {
    test::EnsureCoreApplication();
    PreloadMediaLibrary();
    auto* s = new test::TestMediaServer;
    s->Serve("/short.mp3", test::MakeToneMp3(kShortSongMs), "audio/mpeg");
    s->Serve("/long.mp3", test::MakeToneMp3(kLongSongMs), "audio/mpeg");
    return s;
  }();
  return *server;
}

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// What a double click does to the engine, timed until the sound flows.
void BM_DoubleClickToAudible(benchmark::State& state) {
  const Text url = Server().Url("/short.mp3");
  MediaPlay player;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!player.OpenMedia(url)) {
      state.SkipWithError("open failed");
      return;
    }
    player.PlayMedia(kPlayFromCurrent);
    player.GetLengthMs();
    int first = -1;
    const bool audible = test::WaitUntil(
        [&] {
          if (player.GetPlayState() != kPlayStatePlaying) return false;
          const int position = player.GetPositionMs();
          if (first < 0 && position > 0) first = position;
          return first > 0 && position > first;
        },
        std::chrono::seconds(10));
    state.SetIterationTime(Seconds(Clock::now() - start));
    if (!audible) {
      state.SkipWithError("never became audible");
      return;
    }
  }
}
BENCHMARK(BM_DoubleClickToAudible)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Just the open: from the call to a loaded, ready medium.
void BM_Open(benchmark::State& state) {
  const Text url = Server().Url("/short.mp3");
  MediaPlay player;
  for (auto _ : state) {
    if (!player.OpenMedia(url)) state.SkipWithError("open failed");
  }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->Iterations(10);

// The close alone, of a medium that plays: what ending the previous song adds
// to the next song's start.
void BM_ClosePlaying(benchmark::State& state) {
  const Text url = Server().Url("/short.mp3");
  MediaPlay player;
  for (auto _ : state) {
    state.PauseTiming();
    if (!player.OpenMedia(url) || !player.PlayMedia(kPlayFromCurrent))
      state.SkipWithError("the song did not play");
    state.ResumeTiming();
    player.CloseMedia();
  }
}
BENCHMARK(BM_ClosePlaying)->Unit(benchmark::kMillisecond)->Iterations(10);

double CpuSeconds(const rusage& usage) {
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
         usage.ru_stime.tv_usec / 1e6;
}

// A field of /proc/self/status in kilobytes.
long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
  }
  return 0;
}

// mpv's command-line player on the URL with the engine's options; returns
// its CPU seconds and peak resident kilobytes, and the wall time.
bool RunMpvCli(const Text& url, double* cpu, long* max_rss_kb, double* wall) {
  std::vector<std::string> args = {"mpv",
                                   "--no-config",
                                   "--vid=no",
                                   "--audio-display=no",
                                   "--ao=pulse,alsa,null",
                                   "--ytdl=no",
                                   "--network-timeout=10",
                                   "--cache=auto",
                                   "--demuxer-max-bytes=16MiB",
                                   "--demuxer-max-back-bytes=4MiB",
                                   "--hr-seek=yes",
                                   "--gapless-audio=no",
                                   "--terminal=no",
                                   "--load-scripts=no",
                                   "--osc=no",
                                   url};
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, "mpv", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  *wall = Seconds(Clock::now() - start);
  *cpu = CpuSeconds(usage);
  *max_rss_kb = usage.ru_maxrss;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_PlayThirtySeconds(benchmark::State& state) {
  const Text url = Server().Url("/long.mp3");
  for (auto _ : state) {
    const long rss_before_kb = StatusKb("VmRSS");
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = Clock::now();
    {
      MediaPlay player;
      if (!player.OpenMedia(url) || !player.PlayMedia(kPlayFromCurrent)) {
        state.SkipWithError("open failed");
        return;
      }
      // Looked at once a second, as the progress timer does.
      long peak_kb = 0;
      const auto give_up = Clock::now() + std::chrono::milliseconds(kLongSongMs + 15000);
      while (player.GetPlayState() != kPlayStateStopped && Clock::now() < give_up) {
        peak_kb = std::max(peak_kb, StatusKb("VmRSS"));
        const auto tick = Clock::now() + std::chrono::milliseconds(kProgressTickMs);
        while (Clock::now() < tick) {
          QCoreApplication::processEvents(QEventLoop::AllEvents, kProgressTickMs);
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
      }
      state.counters["vexo_rss_mb"] = peak_kb / 1024.0;
      state.counters["vexo_rss_added_mb"] = (peak_kb - rss_before_kb) / 1024.0;
    }
    const double wall = Seconds(Clock::now() - start);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const double vexo_cpu = (CpuSeconds(after) - CpuSeconds(before)) / wall;
    state.counters["vexo_cpu_pct"] = 100 * vexo_cpu;
    state.counters["vexo_wall_s"] = wall;

    double mpv_cpu = 0;
    double mpv_wall = 0;
    long mpv_rss_kb = 0;
    if (RunMpvCli(url, &mpv_cpu, &mpv_rss_kb, &mpv_wall)) {
      state.counters["mpv_cpu_pct"] = 100 * mpv_cpu / mpv_wall;
      state.counters["mpv_rss_mb"] = mpv_rss_kb / 1024.0;
      state.counters["mpv_wall_s"] = mpv_wall;
      state.counters["cpu_ratio"] = vexo_cpu / (mpv_cpu / mpv_wall);
      state.counters["rss_added_ratio"] =
          static_cast<double>(state.counters["vexo_rss_added_mb"]) / (mpv_rss_kb / 1024.0);
    } else {
      state.counters["mpv_cpu_pct"] = -1;  // mpv's player is not installed
    }
  }
}
BENCHMARK(BM_PlayThirtySeconds)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace vexo

BENCHMARK_MAIN();
