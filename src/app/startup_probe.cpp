#include "app/startup_probe.h"

#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/controls/window.h"

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
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Report once the paint has finished and reached the screen.
      QTimer::singleShot(0, this, [] {
        auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
        std::fprintf(stderr, "vexo-first-paint %lld %ld\n", static_cast<long long>(ns),
                     ResidentKiB());
        std::fflush(stderr);
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};

}  // namespace

void InstallStartupProbe(Window& window) {
  if (!std::getenv("VEXO_STARTUP_PROBE")) return;
  window.Frame()->installEventFilter(new FirstPaintProbe(window.Frame()));
}

}  // namespace vexo
