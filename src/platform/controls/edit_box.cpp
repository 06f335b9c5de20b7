#include "platform/controls/edit_box.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/controls/key_codes.h"
#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class EditBox::View : public QLineEdit {
 public:
  View(EditBox* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (owner_->onKeyDown) {
      int shift = 0;  // 1 Ctrl, 2 Shift, 4 Alt
      if (event->modifiers() & Qt::ControlModifier) shift |= 1;
      if (event->modifiers() & Qt::ShiftModifier) shift |= 2;
      if (event->modifiers() & Qt::AltModifier) shift |= 4;
      owner_->onKeyDown(KeyCodeFromQtKey(event->key()), shift);
    }
    QLineEdit::keyPressEvent(event);
  }

 private:
  EditBox* owner_;
};

EditBox::EditBox(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kEditBox, new View(this, parent)) {
  auto* edit = static_cast<QLineEdit*>(Widget());
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this] {
    if (onContentChanged) onContentChanged();
  });
}

void EditBox::SetText(const Text& text) {
  CallOnUi([&] { static_cast<QLineEdit*>(Widget())->setText(ToQString(text)); });
}

Text EditBox::GetText() const {
  return CallOnUi([&] { return FromQString(static_cast<QLineEdit*>(Widget())->text()); });
}

}  // namespace vexo
