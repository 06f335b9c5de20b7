#pragma once
// Counts the paint events a widget receives, for tests of when something
// repaints. Installed after the skin, it sees the paints before the skin
// takes them.
#include <QEvent>
#include <QObject>

namespace vexo::test {

class PaintCounter : public QObject {
 public:
  PaintCounter() = default;
  // Counts the paints of `watched`, which owns the counter.
  explicit PaintCounter(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace vexo::test
