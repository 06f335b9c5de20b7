#include "app/stall_probe.h"

#include <fcntl.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/exit_routine.h"

namespace vexo {
namespace {

constexpr int kTickMs = 4;
constexpr qint64 kFrameBudgetMs = 16;  // one frame at 60 Hz
constexpr qint64 kNoticeableMs = 50;   // a stall a user notices

// Milliseconds the thread whose scheduler statistics `fd` holds has waited,
// ready to run, for a processor; 0 where they cannot be read.
qint64 RunQueueWaitMs(int fd) {
  char text[96] = {};
  if (fd < 0 || pread(fd, text, sizeof text - 1, 0) <= 0) return 0;
  unsigned long long onCpuNs = 0;
  unsigned long long waitedNs = 0;
  if (std::sscanf(text, "%llu %llu", &onCpuNs, &waitedNs) != 2) return 0;
  return static_cast<qint64>(waitedNs / 1000000);
}

struct StallRecord {
  std::FILE* out = stderr;
  int schedStat = -1;  // the user-interface thread's scheduler statistics
  QTimer timer;
  QElapsedTimer sinceTick;
  QElapsedTimer sinceStart;
  qint64 waitedMs = 0;
  qint64 longestMs = 0;
  int overFrame = 0;
  int noticeable = 0;
};

StallRecord* g_stalls = nullptr;

void NoteTick() {
  const qint64 ms = g_stalls->sinceTick.restart() - kTickMs;
  const qint64 waited = RunQueueWaitMs(g_stalls->schedStat);
  const qint64 ownMs = ms - (waited - g_stalls->waitedMs);
  g_stalls->waitedMs = waited;
  if (ms <= kFrameBudgetMs) return;
  if (ms > g_stalls->longestMs) g_stalls->longestMs = ms;
  if (ms > kNoticeableMs) ++g_stalls->noticeable;
  ++g_stalls->overFrame;
  std::fprintf(g_stalls->out, "vexo-stall %lld %lld %lld\n", static_cast<long long>(ms),
               static_cast<long long>(g_stalls->sinceStart.elapsed()),
               static_cast<long long>(ownMs < 0 ? 0 : ownMs));
  std::fflush(g_stalls->out);
}

void ReportStalls() {
  std::fprintf(g_stalls->out, "vexo-stall-summary %lld %d %d\n",
               static_cast<long long>(g_stalls->longestMs), g_stalls->overFrame,
               g_stalls->noticeable);
  std::fflush(g_stalls->out);
}

}  // namespace

void InstallStallProbe() {
  const char* where = std::getenv("VEXO_STALL_PROBE");
  if (!where || !*where || g_stalls) return;
  std::FILE* out = stderr;
  if (std::strchr(where, '/')) {
    out = std::fopen(where, "a");
    if (!out) return;
  }
  g_stalls = new StallRecord;  // kept for the whole run
  g_stalls->out = out;
  g_stalls->timer.setTimerType(Qt::PreciseTimer);
  g_stalls->timer.setInterval(kTickMs);
  QObject::connect(&g_stalls->timer, &QTimer::timeout, NoteTick);
  g_stalls->schedStat = open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC);
  g_stalls->waitedMs = RunQueueWaitMs(g_stalls->schedStat);
  g_stalls->sinceTick.start();
  g_stalls->sinceStart.start();
  g_stalls->timer.start();
  AddExitStep(ReportStalls);
}

}  // namespace vexo
