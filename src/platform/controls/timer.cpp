#include "platform/controls/timer.h"

#include <QTimer>

#include "platform/controls/ui_thread.h"

namespace vexo {

Timer::Timer(std::string name) : name_(std::move(name)), timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
    if (onTick) onTick();
  });
}

Timer::~Timer() = default;

int Timer::Interval() const {
  return CallOnUi([&] { return interval_; });
}

bool Timer::IsRunning() const {
  return CallOnUi([&] { return timer_->isActive(); });
}

void Timer::SetInterval(int ms) {
  CallOnUi([&] {
    if (ms <= 0) {
      interval_ = 0;
      timer_->stop();
      return;
    }
    if (ms == interval_ && timer_->isActive()) return;
    interval_ = ms;
    timer_->start(ms);
  });
}

}  // namespace vexo
