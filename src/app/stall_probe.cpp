#include "app/stall_probe.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vexo {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kTickMs = 10;
constexpr auto kReportEvery = std::chrono::seconds(1);

// Milliseconds this thread has waited, ready to run, for a processor; 0 where
// the scheduler statistics cannot be read.
double RunQueueWaitMs() {
  std::ifstream stats("/proc/thread-self/schedstat");
  unsigned long long onCpu = 0;
  unsigned long long waited = 0;
  stats >> onCpu >> waited;
  return static_cast<double>(waited) / 1e6;
}

class StallProbe : public QObject {
 public:
  StallProbe(std::FILE* out, QObject* parent) : QObject(parent), out_(out) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start(kTickMs);
  }
  ~StallProbe() override { std::fclose(out_); }
  StallProbe(const StallProbe&) = delete;
  StallProbe& operator=(const StallProbe&) = delete;

 private:
  void Tick() {
    const auto now = Clock::now();
    const double waited = RunQueueWaitMs();
    const double late = Milliseconds(now - last_).count() - kTickMs;
    worst_ = std::max(worst_, late);
    worstOwn_ = std::max(worstOwn_, late - (waited - lastWaited_));
    last_ = now;
    lastWaited_ = waited;
    if (now - reported_ < kReportEvery) return;
    reported_ += kReportEvery;
    std::fprintf(out_, "vexo-ui %.0f %.1f %.1f\n",
                 std::chrono::duration<double>(now - started_).count(), worst_, worstOwn_);
    std::fflush(out_);
    worst_ = 0;
    worstOwn_ = 0;
  }

  std::FILE* out_;
  QTimer timer_;
  const Clock::time_point started_ = Clock::now();
  Clock::time_point last_ = started_;
  Clock::time_point reported_ = started_;
  double lastWaited_ = RunQueueWaitMs();
  double worst_ = 0;
  double worstOwn_ = 0;
};

}  // namespace

void InstallStallProbe() {
  const char* path = std::getenv("VEXO_STALL_PROBE");
  if (!path || !*path) return;
  std::FILE* out = std::fopen(path, "a");
  if (!out) return;
  new StallProbe(out, QCoreApplication::instance());
}

}  // namespace vexo
