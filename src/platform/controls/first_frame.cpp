#include "platform/controls/first_frame.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

namespace vexo {
namespace {

// Watches one window for its first paint and then hands out the work queued
// for it, in the order it was queued.
class FirstFrameWatch : public QObject {
 public:
  explicit FirstFrameWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  void Add(std::function<void()> work) {
    if (painted_) {
      QTimer::singleShot(0, this, std::move(work));
      return;
    }
    waiting_.push_back(std::move(work));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      watched->removeEventFilter(this);
      // Behind the paint: the frame is flushed to the screen first.
      QTimer::singleShot(0, this, [this] {
        auto works = std::exchange(waiting_, {});
        for (auto& work : works)
          work();
      });
    }
    return false;
  }

 private:
  bool painted_ = false;
  std::vector<std::function<void()>> waiting_;
};

}  // namespace

void RunAfterFirstFrame(QWidget* window, std::function<void()> work) {
  FirstFrameWatch* watch = nullptr;
  for (QObject* child : window->children()) {
    if ((watch = dynamic_cast<FirstFrameWatch*>(child))) break;
  }
  if (!watch) watch = new FirstFrameWatch(window);
  watch->Add(std::move(work));
}

}  // namespace vexo
