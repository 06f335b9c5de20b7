// Soak run of the whole player under an X server and a sound server: it plays
// the demo library in random order with lyrics on and a chart loaded, and
// reports its resident memory (growth after the first minute) and the stalls
// of its user-interface thread, which the player's stall probe
// (VEXO_STALL_PROBE) reports as the lateness of its timer beyond a frame: in
// all, and without the time the thread waited for a processor on this shared
// machine.
// Usage: vexo-soak-player [MINUTES]   (bench/soak/player-soak runs it)
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "e2e/player_window.h"
#include "e2e/x11_driver.h"
#include "process_stats.h"

namespace vexo::soak {
namespace {

using Clock = std::chrono::steady_clock;
using test::ChildProcess;
using test::X11Driver;

// Places in the player's window (from its window definition).
constexpr int kLyricsBoxX = 240, kLyricsBoxY = 9;  // 选择框2 "歌词"
constexpr int kHotChartX = 51, kHotChartY = 150;   // 按钮4 "热歌榜"
constexpr int kFirstRowX = 150, kFirstRowY = 220;  // song list, first row
constexpr int kListX = 200, kListY = 300;          // song list, for its menu
constexpr int kLyricsWindowHeight = 652;           // with the lyrics strip
// The pop-up menu's keys to 播放模式 > 随机播放.
constexpr const char* kRandomModeKeys = "Down Down Down Down Down Down Right Down Down Return";

constexpr int kStepDeadlineMs = 20000;
constexpr double kStallMs = 50;
constexpr int kWarmUpSeconds = 60;
constexpr int kSoundCheckSeconds = 10;

bool RowShown(X11Driver& x, unsigned long window) {
  const QImage shot = x.Screenshot(window);
  if (shot.isNull()) return false;
  for (int y = kFirstRowY - 8; y <= kFirstRowY + 8; ++y) {
    for (int px = kFirstRowX - 70; px <= kFirstRowX + 70; ++px) {
      if (qGray(shot.pixel(px, y)) < 100) return true;  // text on the white list
    }
  }
  return false;
}

// Lyrics on, the hot chart, random order, the first row playing.
bool StartPlaying(X11Driver& x, unsigned long window, pid_t pid) {
  const QPoint at = x.Geometry(window).topLeft();
  if (!x.ClickAt(at.x() + kLyricsBoxX, at.y() + kLyricsBoxY)) return false;
  if (!x.WaitFor([&] { return x.Geometry(window).height() == kLyricsWindowHeight; },
                 kStepDeadlineMs)) {
    std::fprintf(stderr, "soak: the lyrics strip did not open\n");
    return false;
  }
  x.ClickAt(at.x() + kHotChartX, at.y() + kHotChartY);
  if (!x.WaitFor([&] { return RowShown(x, window); }, kStepDeadlineMs)) {
    std::fprintf(stderr, "soak: the chart did not fill the list\n");
    return false;
  }
  x.ClickAt(at.x() + kListX, at.y() + kListY, 3);
  if (!x.WaitForPopup(kStepDeadlineMs) || !x.TypeKeys(kRandomModeKeys)) {
    std::fprintf(stderr, "soak: no song list menu\n");
    return false;
  }
  x.ClickAt(at.x() + kFirstRowX, at.y() + kFirstRowY, 1, 2);
  if (!x.WaitFor([&] { return !SoundStreams(pid).empty(); }, kStepDeadlineMs)) {
    std::fprintf(stderr, "soak: no sound after the double click\n");
    return false;
  }
  return true;
}

// A least-squares slope of the samples, per minute.
double SlopePerMinute(const std::vector<std::pair<double, long>>& samples) {
  if (samples.size() < 2) return 0;
  double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (const auto& [minute, value] : samples) {
    n += 1;
    sx += minute;
    sy += static_cast<double>(value);
    sxx += minute * minute;
    sxy += minute * static_cast<double>(value);
  }
  return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// The stall probe's lines since the last read:
// "vexo-stall <late ms> <ms since start> <own late ms>".
class ProbeReader {
 public:
  explicit ProbeReader(std::string path) : path_(std::move(path)) {}
  // Calls `take(late, own)` for every new line.
  template <typename Take>
  void ReadNew(Take take) {
    std::ifstream in(path_);
    in.seekg(offset_);
    std::string line;
    while (std::getline(in, line)) {
      if (in.eof()) break;  // a line still being written
      offset_ += static_cast<std::streamoff>(line.size() + 1);
      double late = 0, when = 0, own = 0;
      if (std::sscanf(line.c_str(), "vexo-stall %lf %lf %lf", &late, &when, &own) == 3)
        take(late, own);
    }
  }

 private:
  std::string path_;
  std::streamoff offset_ = 0;
};

struct Stalls {
  long count = 0;       // stalls over a frame
  double worst = 0;     // lateness of the UI thread's timer
  double worstOwn = 0;  // the same without its wait for a processor
  long over = 0;        // stalls over the stall bound
  long ownOver = 0;

  void Take(double late, double own) {
    ++count;
    worst = std::max(worst, late);
    worstOwn = std::max(worstOwn, own);
    over += late > kStallMs;
    ownOver += own > kStallMs;
  }
};

int Run(int minutes) {
  X11Driver x;
  if (!x.Connected()) {
    std::fprintf(stderr, "soak: no X server (run under scripts/with-test-services)\n");
    return 1;
  }
  char probePath[] = "/tmp/vexo-soak-probe.XXXXXX";
  const int probeFile = mkstemp(probePath);
  if (probeFile < 0) return 1;
  close(probeFile);
  setenv("VEXO_STALL_PROBE", probePath, 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  ChildProcess player(VEXO_PLAYER_BINARY);
  const pid_t pid = player.Pid();
  const unsigned long window =
      x.WaitForWindow(test::kPlayerWidth, test::kPlayerHeight, test::kStartDeadlineMs);
  if (window == 0 || !StartPlaying(x, window, pid)) return 1;

  ProbeReader probe(probePath);
  probe.ReadNew([](double, double) {});  // start-up and set-up are not part of the run
  const auto start = Clock::now();
  long memoryAtWarmUp = -1;
  long memoryHighest = 0;
  std::vector<std::pair<double, long>> memory;  // (minute, KiB) after the warm-up
  int soundChecks = 0;
  int soundOn = 0;
  std::set<int> streams;
  Stalls stalls;
  Stalls minute;

  for (int seconds = 1; seconds <= minutes * 60; ++seconds) {
    std::this_thread::sleep_until(start + std::chrono::seconds(seconds));
    if (!player.IsRunning()) {
      std::fprintf(stderr, "soak: the player ended after %d s\n", seconds);
      return 1;
    }
    probe.ReadNew([&](double late, double own) {
      stalls.Take(late, own);
      minute.Take(late, own);
    });
    const long rss = ResidentKiB(pid);
    memoryHighest = std::max(memoryHighest, rss);
    if (seconds == kWarmUpSeconds) memoryAtWarmUp = rss;
    if (seconds >= kWarmUpSeconds) memory.emplace_back(seconds / 60.0, rss);
    if (seconds % kSoundCheckSeconds == 0) {
      const std::set<int> now = SoundStreams(pid);
      ++soundChecks;
      soundOn += !now.empty();
      streams.insert(now.begin(), now.end());
    }
    if (seconds % 60 == 0) {
      std::printf(
          "soak: minute %d: rss %ld KiB, %ld UI stalls over a frame, longest %.0f ms (own %.0f "
          "ms)\n",
          seconds / 60, rss, minute.count, minute.worst, minute.worstOwn);
      std::fflush(stdout);
      minute = Stalls{};
    }
  }
  unlink(probePath);

  const long memoryAtEnd = ResidentKiB(pid);
  std::printf("soak: player, %d minutes, lyrics on, hot chart, random order\n", minutes);
  std::printf("soak: memory %ld KiB after 1 minute, %ld KiB at the end, highest %ld KiB\n",
              memoryAtWarmUp, memoryAtEnd, memoryHighest);
  std::printf("soak: memory growth after the first minute %ld KiB (trend %.1f KiB/minute)\n",
              memoryAtEnd - memoryAtWarmUp, SlopePerMinute(memory));
  std::printf(
      "soak: UI thread: %ld stalls over a frame, longest %.0f ms, stalls over %.0f ms: %ld\n",
      stalls.count, stalls.worst, kStallMs, stalls.over);
  std::printf(
      "soak: UI thread without its wait for a processor: longest %.0f ms, stalls over %.0f ms: "
      "%ld\n",
      stalls.worstOwn, kStallMs, stalls.ownOver);
  std::printf("soak: sound on in %d of %d checks, %zu sound streams opened\n", soundOn, soundChecks,
              streams.size());
  return 0;
}

}  // namespace
}  // namespace vexo::soak

int main(int argc, char** argv) {
  const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
  return vexo::soak::Run(minutes > 0 ? minutes : 30);
}
