#include "platform/controls/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class Window::Frame_ : public QWidget {
 public:
  explicit Frame_(Window* owner)
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner) {}
  void Detach() { owner_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (owner_ && owner_->onMayClose && !owner_->onMayClose()) {
      event->ignore();
      return;
    }
    event->accept();
  }

 private:
  Window* owner_;
};

// Keeps the window's menu shortcuts away from child widgets: an edit box would
// otherwise claim Ctrl+A for "select all" before the shortcut map sees it.
class Window::ShortcutGuard : public QObject {
 public:
  explicit ShortcutGuard(QWidget* frame) : QObject(frame), frame_(frame) {
    qApp->installEventFilter(this);
  }
  std::vector<QKeySequence> keys;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget == frame_ || !frame_->isAncestorOf(widget)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QKeySequence pressed(key->keyCombination());
    for (const auto& k : keys) {
      if (k == pressed) {
        event->ignore();  // not claimed by the child: the shortcut map takes it
        return true;
      }
    }
    return false;
  }

 private:
  QWidget* frame_;
};

Window::Window(std::string name, int width, int height)
    : Control(std::move(name), ControlKind::kWindow, new Frame_(this)) {
  Widget()->setFixedSize(width, height);
  Widget()->setAttribute(Qt::WA_DeleteOnClose, false);
  guard_ = new ShortcutGuard(Widget());
}

Window::~Window() {
  if (auto* frame = static_cast<Frame_*>(Widget())) {
    frame->Detach();
    delete frame;
  }
}

int Window::Height() const {
  return CallOnUi([&] { return Widget()->height(); });
}

int Window::Width() const {
  return CallOnUi([&] { return Widget()->width(); });
}

void Window::SetHeight(int height) {
  CallOnUi([&] { Widget()->setFixedHeight(height); });
}

bool Window::IsTopmost() const {
  return CallOnUi([&] { return Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint); });
}

void Window::SetTopmost(bool topmost) {
  CallOnUi([&] {
    QWidget* w = Widget();
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
    bool shown = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) w->show();  // changing the flags hides a shown window
  });
}

void Window::SetTitle(const Text& title) {
  CallOnUi([&] { Widget()->setWindowTitle(ToQString(title)); });
}

Text Window::Title() const {
  return CallOnUi([&] { return FromQString(Widget()->windowTitle()); });
}

void Window::ShowCentred() {
  CallOnUi([&] {
    if (onCreated) onCreated();
    QWidget* w = Widget();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect area = screen->availableGeometry();
      w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    w->show();
  });
}

void Window::ReserveShortcut(const QKeySequence& keys) {
  guard_->keys.push_back(keys);
}

}  // namespace vexo
