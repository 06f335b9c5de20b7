// The stall probe: a precise timer on the user-interface thread fires every
// few milliseconds; when the thread is busy without coming back to an event
// loop the next firing comes late, by as long as the window could not
// answer.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/exit_routine.h"
#include "app/startup_probe.h"

namespace vexo {
namespace {

constexpr int kTickMs = 4;
constexpr qint64 kFrameBudgetMs = 16;  // one frame at 60 Hz
constexpr qint64 kNoticeableMs = 50;   // a stall a user notices

struct StallRecord {
  QTimer timer;
  QElapsedTimer sinceTick;
  QElapsedTimer sinceStart;
  qint64 longestMs = 0;
  int overFrame = 0;
  int noticeable = 0;
};

StallRecord* g_stalls = nullptr;

void NoteTick() {
  const qint64 ms = g_stalls->sinceTick.restart() - kTickMs;
  if (ms > g_stalls->longestMs) g_stalls->longestMs = ms;
  if (ms > kNoticeableMs) ++g_stalls->noticeable;
  if (ms > kFrameBudgetMs) {
    ++g_stalls->overFrame;
    std::fprintf(stderr, "vexo-stall %lld %lld\n", static_cast<long long>(ms),
                 static_cast<long long>(g_stalls->sinceStart.elapsed()));
    std::fflush(stderr);
  }
}

void ReportStalls() {
  std::fprintf(stderr, "vexo-stall-summary %lld %d %d\n",
               static_cast<long long>(g_stalls->longestMs), g_stalls->overFrame,
               g_stalls->noticeable);
  std::fflush(stderr);
}

}  // namespace

void InstallStallProbe() {
  if (!std::getenv("VEXO_STALL_PROBE") || g_stalls) return;
  g_stalls = new StallRecord;  // kept for the whole run
  g_stalls->timer.setTimerType(Qt::PreciseTimer);
  g_stalls->timer.setInterval(kTickMs);
  QObject::connect(&g_stalls->timer, &QTimer::timeout, NoteTick);
  g_stalls->sinceTick.start();
  g_stalls->sinceStart.start();
  g_stalls->timer.start();
  AddExitStep(ReportStalls);
}

}  // namespace vexo
