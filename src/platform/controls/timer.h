#pragma once
// A timer control. An interval of 0 stops it; a non-zero interval starts it,
// or keeps it running when the interval is the one it already has.
#include <functional>
#include <memory>

class QTimer;

namespace vexo {

class Timer {
 public:
  explicit Timer(std::string name);
  ~Timer();
  const std::string& Name() const { return name_; }
  int Interval() const;
  void SetInterval(int ms);
  bool IsRunning() const;
  std::function<void()> onTick;

 private:
  std::string name_;
  std::unique_ptr<QTimer> timer_;
  int interval_ = 0;
};

}  // namespace vexo
