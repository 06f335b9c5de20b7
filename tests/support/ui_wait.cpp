#include "support/ui_wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace vexo::test {

bool WaitUntil(const std::function<bool()>& condition, int deadlineMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > deadlineMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

QMessageBox* OpenMessageBox() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box && box->isVisible()) return box;
  }
  return nullptr;
}

void AnswerNextMessageBox(QMessageBox::StandardButton button, SeenBox* seen) {
  // A timer on the user-interface thread looks for the box every few
  // milliseconds; it keeps firing inside the box's modal loop.
  auto* poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, button, seen] {
    QMessageBox* box = OpenMessageBox();
    if (!box) return;
    if (seen) {
      seen->text = box->text();
      seen->title = box->windowTitle();
      seen->icon = box->icon();
      seen->buttons = static_cast<int>(box->buttons().size());
      seen->parent = box->parentWidget();
      seen->seen = true;
    }
    if (button == QMessageBox::NoButton) {
      box->reject();  // as Escape or the close box would
    } else if (QAbstractButton* b = box->button(button)) {
      b->click();
    }
    poll->stop();
    poll->deleteLater();
  });
  poll->start();
}

}  // namespace vexo::test

namespace vexo::test {

MessageBoxAnswerer::MessageBoxAnswerer() : poll_(new QTimer) {
  poll_->setInterval(5);
  QObject::connect(poll_, &QTimer::timeout, poll_, [this] {
    QMessageBox* box = OpenMessageBox();
    if (!box || box->property("vexo_answered").toBool()) return;
    box->setProperty("vexo_answered", true);
    texts_.append(box->text());
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok) {
      ok->click();
    } else {
      box->reject();
    }
  });
  poll_->start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  delete poll_;
}

}  // namespace vexo::test
