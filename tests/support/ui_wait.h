#pragma once
// Waiting for something to happen while the user-interface thread keeps
// processing events: never a fixed sleep, always a condition with a deadline.
#include <QMessageBox>
#include <functional>

namespace vexo::test {

inline constexpr int kDefaultDeadlineMs = 10000;

// Processes events until `condition` holds or the deadline passes; returns
// whether it held.
bool WaitUntil(const std::function<bool()>& condition, int deadlineMs = kDefaultDeadlineMs);

// The message box currently shown by the player, or null.
QMessageBox* OpenMessageBox();

// Once a message box shows (now or later), records its text and title and
// presses the button with the given standard role (NoButton: closes the
// box as Escape would). Returns at once; the
// answer happens while the caller waits in the box's own event loop.
struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool seen = false;
  QWidget* parent = nullptr;
};
void AnswerNextMessageBox(QMessageBox::StandardButton button, SeenBox* seen = nullptr);

}  // namespace vexo::test

namespace vexo::test {

// Answers every message box that shows while it lives, pressing OK (or the
// only button), and keeps the texts in the order they came.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  const QStringList& Texts() const { return texts_; }

 private:
  QStringList texts_;
  class QTimer* poll_;
};

}  // namespace vexo::test
