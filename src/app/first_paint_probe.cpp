// The first-paint probe: kept free of the player's controls so the bare
// window of the start-up benchmark builds it on its own.
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "app/startup_probe.h"

namespace vexo {
namespace {

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

class FirstPaintProbe : public QObject {
 public:
  FirstPaintProbe(QWidget* frame, bool endAfterReport)
      : QObject(frame), endAfterReport_(endAfterReport) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Report once the paint has finished and reached the screen.
      QTimer::singleShot(0, this, [this] {
        auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
        std::fprintf(stderr, "vexo-first-paint %lld %ld\n", static_cast<long long>(ns),
                     ResidentKiB());
        std::fflush(stderr);
        if (endAfterReport_) std::quick_exit(0);
      });
    }
    return false;
  }

 private:
  bool endAfterReport_;
  bool reported_ = false;
};

}  // namespace

void InstallFirstPaintProbe(QWidget* frame) {
  const char* probe = std::getenv("VEXO_STARTUP_PROBE");
  if (!probe) return;
  frame->installEventFilter(new FirstPaintProbe(frame, std::string_view(probe) == "exit"));
}

}  // namespace vexo
