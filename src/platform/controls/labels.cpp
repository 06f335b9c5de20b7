#include "platform/controls/labels.h"

#include <QMouseEvent>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class TransLabel::View : public QLabel {
 public:
  View(TransLabel* owner, QWidget* parent) : QLabel(parent), owner_(owner) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && owner_->onLeftButtonDown) owner_->onLeftButtonDown();
  }

 private:
  TransLabel* owner_;
};

TransLabel::TransLabel(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kTransLabel, new View(this, parent)) {}

void TransLabel::SetText(const Text& text) {
  CallOnUi([&] { static_cast<QLabel*>(Widget())->setText(ToQString(text)); });
}

Text TransLabel::GetText() const {
  return CallOnUi([&] { return FromQString(static_cast<QLabel*>(Widget())->text()); });
}

void TransLabel::SetAlignment(HAlign align) {
  CallOnUi([&] {
    Qt::Alignment h = align == HAlign::kLeft     ? Qt::AlignLeft
                      : align == HAlign::kCentre ? Qt::AlignHCenter
                                                 : Qt::AlignRight;
    static_cast<QLabel*>(Widget())->setAlignment(h | Qt::AlignVCenter);
  });
}

void TransLabel::SetHandCursor() {
  CallOnUi([&] { Widget()->setCursor(Qt::PointingHandCursor); });
}

Label::Label(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kLabel, new QLabel(parent)) {
  static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const Text& caption) {
  CallOnUi([&] { static_cast<QLabel*>(Widget())->setText(ToQString(caption)); });
}

Text Label::Caption() const {
  return CallOnUi([&] { return FromQString(static_cast<QLabel*>(Widget())->text()); });
}

}  // namespace vexo
