#include "platform/controls/pic_btn.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/controls/picture.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class PicBtn::View : public QWidget {
 public:
  View(PicBtn* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
  }
  std::array<ByteSet, 4> bytes;
  std::array<QImage, 4> images;

 protected:
  void paintEvent(QPaintEvent*) override {
    int slot = kNormal;
    if (!isEnabled()) {
      slot = kDisabled;
    } else if (pressed_) {
      slot = kPressed;
    } else if (underMouse()) {
      slot = kHover;
    }
    // The pressed look falls back to the hover look, every other to normal.
    if (images[slot].isNull() && slot == kPressed) slot = kHover;
    if (images[slot].isNull()) slot = kNormal;
    if (images[slot].isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), images[slot]);
  }
  void enterEvent(QEnterEvent*) override { update(); }
  void leaveEvent(QEvent*) override { update(); }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    update();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()) && owner_->onClick) owner_->onClick();
  }

 private:
  PicBtn* owner_;
  bool pressed_ = false;
};

PicBtn::PicBtn(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kPicBtn, new View(this, parent)) {
  view_ = static_cast<View*>(Widget());
}

void PicBtn::SetPicture(Slot slot, const ByteSet& bytes) {
  CallOnUi([&] {
    view_->bytes[slot] = bytes;
    view_->images[slot] = DecodePicture(bytes);
    view_->update();
  });
}

ByteSet PicBtn::Picture(Slot slot) const {
  return CallOnUi([&] { return view_->bytes[slot]; });
}

}  // namespace vexo
